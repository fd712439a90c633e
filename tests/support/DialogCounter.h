#pragma once

#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QMessageBox;
class QWidget;

// Answers the program's modal dialogs as a user would, for as long as it
// lives. Every message box is answered with OK as soon as it opens, and
// counted with its text: a GL error found after a frame opens one, and
// unanswered it would hold the test. Any other modal dialog (a file dialog,
// a question) gets the next of the answers queued for it.
class DialogCounter {
public:
    DialogCounter();
    int Count() const { return static_cast<int>(Texts.size()); }
    const QStringList& MessageTexts() const { return Texts; }

    // Queues the answer for the next dialog that is not a message box.
    void Answer(std::function<void(QWidget* dialog)> answer) { Answers.push_back(std::move(answer)); }
    bool AllAnswered() const { return Answers.empty(); }
    // Looks at every message box while it is open, before it is answered.
    void LookAtMessages(std::function<void(QMessageBox& box)> look) { Look = std::move(look); }

private:
    QTimer Poll;
    QPointer<QWidget> Answered;
    QStringList Texts;
    std::deque<std::function<void(QWidget*)>> Answers;
    std::function<void(QMessageBox&)> Look;
};

#pragma once

#include <QTimer>

// Answers every modal message box with OK as soon as it opens, and counts
// them: a GL error found after a frame opens one, and unanswered it would
// hold the test.
class DialogCounter {
public:
    DialogCounter();
    int Count() const { return Dialogs; }

private:
    QTimer Poll;
    int Dialogs = 0;
};

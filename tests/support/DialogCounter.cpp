#include "DialogCounter.h"

#include <QApplication>
#include <QMessageBox>

DialogCounter::DialogCounter()
{
    QObject::connect(&Poll, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        // An answered dialog stays until the compositor has answered its frame.
        if (modal == Answered)
            return;
        Answered = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Texts << box->text();
            if (Look)
                Look(*box);
            box->accept();
        } else if (modal && modal->isVisible() && !Answers.empty()) {
            const auto answer = std::move(Answers.front());
            Answers.pop_front();
            answer(modal);
        }
    });
    Poll.start(10);
}

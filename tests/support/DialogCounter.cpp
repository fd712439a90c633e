#include "DialogCounter.h"

#include <QApplication>
#include <QMessageBox>

DialogCounter::DialogCounter()
{
    QObject::connect(&Poll, &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++Dialogs;
            dialog->accept();
        }
    });
    Poll.start(10);
}

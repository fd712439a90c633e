#include "ErrorDialog.h"

#include "AnsweredHide.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

void ShowGLErrorDialog(QWidget* parent)
{
    AnsweredDialog<QMessageBox> box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Error in OpenGL scene gefunden!"), QMessageBox::Ok, parent);
    box.setObjectName("GLErrorDialog");
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->geometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
}

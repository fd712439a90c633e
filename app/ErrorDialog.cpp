#include "ErrorDialog.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

void ShowGLErrorDialog()
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Error in OpenGL scene gefunden!"), QMessageBox::Ok);
    box.setObjectName("GLErrorDialog");
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->geometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
}

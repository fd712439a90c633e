#include "Application.h"

#include "ct_ogl1.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace {

const char* const NoDisplayMessage =
    "marloquent: no display could be opened; MarloQuent is a desktop program and needs a "
    "running X11 or Wayland session (is DISPLAY set?)\n";

const char* const NoGLMessage =
    "marloquent: no usable OpenGL context could be created for the view; check that "
    "Mesa's OpenGL libraries (libgl1-mesa-dri) are installed\n";

bool DisplayConfigured()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// Qt ends the process with an abort when no platform can be initialised; say
// why and exit instead of leaving a crash behind.
void FatalToExit(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayMessage, stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

int RunMarloQuent(int argc, char** argv)
{
    if (!DisplayConfigured()) {
        std::fputs(NoDisplayMessage, stderr);
        return EXIT_FAILURE;
    }
    const QtMessageHandler previous = qInstallMessageHandler(FatalToExit);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("MarloQuent 1.12"));

    TOpenGL_box box;
    if (!box.HasGLContext()) {
        std::fputs(NoGLMessage, stderr);
        QMessageBox::critical(nullptr, QStringLiteral("MarloQuent 1.12"),
                              QStringLiteral("OpenGL ist nicht verfügbar: für die Ansicht konnte kein "
                                             "OpenGL-Kontext erstellt werden."));
        return EXIT_FAILURE;
    }
    box.show();
    return app.exec();
}

#include "Application.h"

#include "ct_ogl1.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>

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

void ConfigureApplication()
{
    // The application name only: a display name would be appended to every
    // window caption by Qt on X11.
    QApplication::setApplicationName(QStringLiteral("MarloQuent 1.12"));
    // Wayland compositors find the desktop entry, and with it the icon, by
    // this id; on X11 the entry's StartupWMClass matches the name above.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.marloquent.MarloQuent"));

    // Every size the build rendered from the icon's SVG; the window system
    // picks the one that fits.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    QApplication::setWindowIcon(icon);
}

int RunMarloQuent(int argc, char** argv)
{
    if (!DisplayConfigured()) {
        std::fputs(NoDisplayMessage, stderr);
        return EXIT_FAILURE;
    }
    const QtMessageHandler previous = qInstallMessageHandler(FatalToExit);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    ConfigureApplication();

    TOpenGL_box box;
    if (!box.HasGLContext()) {
        std::fputs(NoGLMessage, stderr);
        // Widgets cannot paint on a colour-mapped screen either; the terminal
        // message is all that can be shown there.
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && screen->depth() >= 15)
            QMessageBox::critical(nullptr, QStringLiteral("MarloQuent 1.12"),
                              QStringLiteral("OpenGL ist nicht verfügbar: für die Ansicht konnte kein "
                                             "OpenGL-Kontext erstellt werden."));
        return EXIT_FAILURE;
    }
    box.show();
    return app.exec();
}

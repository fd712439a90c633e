#include "Application.h"

#include "CommandLine.h"

#include "AnsweredHide.h"
#include "PinnedLibraries.h"
#include "Release.h"
#include "StartupFailure.h"
#include "StartupMessages.h"
#include "ToolTips.h"
#include "Unit1.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

bool DisplayConfigured()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

}  // namespace

void ConfigureApplication()
{
    // The application name only: a display name would be appended to every
    // window caption by Qt on X11. The name is the X11 window class, which
    // the desktop entry's StartupWMClass matches; the release goes apart.
    QApplication::setApplicationName(QLatin1String(Release::WindowClass));
    QApplication::setApplicationVersion(QLatin1String(Release::Version));
    // Wayland compositors find the desktop entry, and with it the icon, by
    // this id.
    QGuiApplication::setDesktopFileName(QLatin1String(Release::AppId));

    // Every size the build rendered from the icon's SVG; the window system
    // picks the one that fits. The folder holds only these PNGs, read by the
    // PNG reader alone: allowed to look further, Qt loads every image plugin
    // to ask whether it reads PNG better.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        QImageReader png(sizes.next(), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    QApplication::setWindowIcon(icon);
    TakeOverToolTips();
}

namespace {

// Prints what a start request has to say; its exit status if it ends here.
std::optional<int> Answer(const StartRequest& request)
{
    std::fputs(qPrintable(request.output), stdout);
    std::fputs(qPrintable(request.error), stderr);
    return request.exitCode;
}

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int RunMarloQuent(int argc, char** argv)
{
    // The command line is answered without a display.
    const StartRequest request = ReadCommandLine(Arguments(argc, argv));
    if (const std::optional<int> status = Answer(request))
        return *status;
    if (!DisplayConfigured()) {
        std::fprintf(stderr, "%s\n", qPrintable(NoDisplayLine({})));
        return EXIT_FAILURE;
    }
    StartupMessages startup;
    QApplication app(argc, argv);
    ConfigureApplication();
#if defined(__SANITIZE_ADDRESS__)
    // Leaks are reported at exit, after the display has closed and unloaded
    // the GL driver; kept loaded, the driver's frames keep their names and
    // the suppressions for it can match.
    struct PinAtExit {
        ~PinAtExit() { PinLoadedLibraries(); }
    } pinAtExit;
#endif

    TOpenGL_box box;
    if (request.rim)
        box.Panel()->SetRim(*request.rim);
    if (request.reference) {
        WheelConfig reference;
        SetInitialConfig(reference);
        ApplyMarkedRim(reference, *request.reference);
        box.KeepReference(reference);
    }
    // The view gets its GL once it is on screen.
    box.show();
    if (!box.HasGLContext()) {
        std::fprintf(stderr, "%s\n", qPrintable(NoGLLine(startup.Held())));
        if (CanShowDialogs()) {
            // The caption names the release, as a bug report should.
            const QString caption =
                QApplication::applicationName() + QLatin1Char(' ') + QApplication::applicationVersion();
            AnsweredDialog<QMessageBox>(QMessageBox::Critical, caption,
                                      QStringLiteral("OpenGL ist nicht verfügbar: für die Ansicht konnte kein "
                                                     "OpenGL-Kontext erstellt werden."),
                                      QMessageBox::Ok, &box)
                .exec();
        }
        return EXIT_FAILURE;
    }
    startup.Release();
    return app.exec();
}

#include "StartupFailure.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

namespace {

const QString Program = QStringLiteral("marloquent: ");
const QString NeedsSession = QStringLiteral("MarloQuent needs a running X11 or Wayland session");

// Qt's messages start with their logging category, "qt.qpa.xcb: ...".
QString WithoutCategory(const QString& message)
{
    static const QRegularExpression category(QStringLiteral("^qt(\\.[\\w-]+)+: "));
    return QString(message).remove(category);
}

bool IsPluginAdvice(const QString& message)
{
    return message.startsWith(QLatin1String("qt.qpa.plugin:")) ||
           message.contains(QLatin1String("no Qt platform plugin could be initialized"));
}

bool ShowsWindows(const QString& platform)
{
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

QString NoDisplayLine(const QStringList& held)
{
    QString platform;
    QString cause;
    static const QRegularExpression pluginName(QStringLiteral("platform plugin \"([^\"]+)\""));
    for (const QString& message : held) {
        if (const auto match = pluginName.match(message); match.hasMatch() && platform.isEmpty())
            platform = match.captured(1);
        if (!IsPluginAdvice(message) && cause.isEmpty())
            cause = WithoutCategory(message).trimmed();
    }
    if (held.isEmpty())
        cause = QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    else if (!platform.isEmpty())
        cause = platform + QStringLiteral(": ") + (cause.isEmpty() ? QStringLiteral("the platform did not start") : cause);
    return Program + QStringLiteral("no display could be opened (") + cause + QStringLiteral("); ") + NeedsSession;
}

QString NoGLLine(const QStringList& held)
{
    const QString platform = QGuiApplication::platformName();
    const QString lead = Program + QStringLiteral("no OpenGL for the view: ");
    if (!ShowsWindows(platform))
        return lead + QStringLiteral("the Qt platform \"%1\" shows no windows and gives no OpenGL context; ").arg(platform) +
               NeedsSession;
    if (platform == QLatin1String("xcb")) {
        if (qEnvironmentVariable("QT_XCB_GL_INTEGRATION") == QLatin1String("none"))
            return lead + QStringLiteral("OpenGL on X11 is switched off by QT_XCB_GL_INTEGRATION=none");
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && screen->depth() < 15)
            return lead + QStringLiteral("the X screen has %1-bit colour, for which neither GLX nor EGL offers a "
                                         "configuration; run the X server at 24-bit colour")
                              .arg(screen->depth());
    }
    // Otherwise the driver failed; what Qt said last names how.
    const QString said = held.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(WithoutCategory(held.last()).trimmed());
    return lead + QStringLiteral("no context could be created on %1%2; check that Mesa's OpenGL driver "
                                 "(libgl1-mesa-dri) is installed")
                      .arg(platform, said);
}

bool CanShowDialogs()
{
    if (!ShowsWindows(QGuiApplication::platformName()))
        return false;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() >= 15;
}

#include "BareStart.h"

#include "BareView.h"
#include "BareWindow.h"
#include "StartupProbe.h"

#include <QApplication>
#include <QEvent>

namespace {

FirstPicture Probe;

void NoteDisplayOpen()
{
    Probe.DisplayOpen();
}

class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Probe.WindowPainted();
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(NoteDisplayOpen)

int RunBareWindow(int argc, char** argv, const std::function<BareView*(std::function<void()>)>& makeView)
{
    QApplication app(argc, argv);
    BareWindow window(makeView([] { Probe.FramePresented(); }));
    PaintWatch paints;
    window.installEventFilter(&paints);
    window.show();
    // Qt on Wayland reports a child surface exposed late or not at all, while
    // what it presents once shown is seen: the viewer draws then, and so
    // does this window.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        window.View()->Draw();
    return app.exec();
}

// The baseline of frame_bench's start-up figure: a bare Qt window of the
// viewer's shape (see BareWindow) that reports its first complete picture and
// ends.

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

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window([] { Probe.FramePresented(); });
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

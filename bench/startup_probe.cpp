// The viewer's side of frame_bench's start-up figure: the program's own start
// (RunMarloQuent, as its main runs it), ended at its first complete picture.

#include "Application.h"
#include "GLView.h"
#include "StartupProbe.h"
#include "Unit1.h"
#include "ct_ogl1.h"

#include <QApplication>

namespace {

FirstPicture Probe;

bool LaidOut(const TOpenGL_box& box)
{
    return box.View()->size() == QSize(box.width() - box.Panel()->width(), box.height());
}

// Hooks the main window's frames when it receives its first event, which is
// before it is shown, and watches for its first paint.
class WindowWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<TOpenGL_box*>(watched)) {
            if (!Hooked) {
                Hooked = true;
                connect(box, &TOpenGL_box::FramePresented, this, [box] {
                    if (LaidOut(*box))
                        Probe.FramePresented();
                });
            }
            if (event->type() == QEvent::Paint)
                Probe.WindowPainted();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool Hooked = false;
};

void InstallWatch()
{
    Probe.DisplayOpen();
    qApp->installEventFilter(new WindowWatch);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallWatch)

int main(int argc, char** argv)
{
    return RunMarloQuent(argc, argv);
}

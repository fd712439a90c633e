// The viewer's side of frame_bench's start-up figure: the program's own start
// (RunMarloQuent, as its main runs it), ended at its first complete frame, the
// first one presented at the window's laid-out size.

#include "Application.h"
#include "GLView.h"
#include "StartupProbe.h"
#include "Unit1.h"
#include "ct_ogl1.h"

#include <QApplication>

namespace {

std::chrono::steady_clock::time_point DisplayOpen;

bool Complete(const TOpenGL_box& box)
{
    return box.View()->size() == QSize(box.width() - box.Panel()->width(), box.height());
}

// Hooks the first frame of the main window as soon as the window receives its
// first event, which is before it is shown.
class FirstFrameHook : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<TOpenGL_box*>(watched)) {
            qApp->removeEventFilter(this);
            connect(box, &TOpenGL_box::FramePresented, this, [box] {
                if (Complete(*box))
                    ReportFirstFrameAndExit(DisplayOpen);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

void InstallHook()
{
    DisplayOpen = std::chrono::steady_clock::now();
    qApp->installEventFilter(new FirstFrameHook);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallHook)

int main(int argc, char** argv)
{
    return RunMarloQuent(argc, argv);
}

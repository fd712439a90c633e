// The baseline of frame_bench's start-up figure: a bare Qt window of the
// viewer's shape (see BareWindow) that reports its first frame and ends.

#include "BareWindow.h"
#include "StartupProbe.h"

#include <QApplication>

namespace {

std::chrono::steady_clock::time_point DisplayOpen;

void NoteDisplayOpen()
{
    DisplayOpen = std::chrono::steady_clock::now();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(NoteDisplayOpen)

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window([] { ReportFirstFrameAndExit(DisplayOpen); });
    window.show();
    return app.exec();
}

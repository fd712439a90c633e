#include "WindowStress.h"

#include "GLBinding.h"
#include "GLView.h"
#include "Unit1.h"
#include "ViewCommands.h"
#include "ct_ogl1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMenu>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

namespace {

// Events for a random moment of up to 20 ms: a hide then falls anywhere
// from before the compositor's answer to a frame to after it.
void Jitter()
{
    const int ms = static_cast<int>(QRandomGenerator::global()->bounded(20));
    QElapsedTimer elapsed;
    elapsed.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    while (elapsed.elapsed() < ms);
}

// Counts the paints of every tooltip, menu and window: a hide is timed
// from the paint before it, whose frame the compositor answers next.
class PaintWatch : public QObject {
public:
    PaintWatch() { qApp->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            ++paints;
        return false;
    }
};

// Events until a window has painted after the step, then a random moment.
void AfterPaint(const PaintWatch& watch, int before)
{
    (void)QTest::qWaitFor([&] { return watch.paints > before; }, 100);
    Jitter();
}

bool Shown(TOpenGL_box& box)
{
    box.show();
    return box.HasGLContext() && QTest::qWaitForWindowExposed(&box, 5000) &&
           QTest::qWaitFor([&box] { return CanPresent(box.View()); }, 5000);
}

QAbstractButton* Button(TOpenGL_box& box, const char* name)
{
    return box.Panel()->findChild<QAbstractButton*>(QLatin1String(name));
}

void ShowHint(QWidget& button)
{
    const QPoint at = button.rect().center();
    QHelpEvent help(QEvent::ToolTip, at, button.mapToGlobal(at));
    QApplication::sendEvent(&button, &help);
}

// A second main window: shown, one command drawn, closed at once.
bool OpenAndClose()
{
    auto box = std::make_unique<TOpenGL_box>();
    if (!Shown(*box))
        return false;
    Button(*box, "SpeedButton4")->click();
    Jitter();
    box->close();
    Jitter();
    return true;
}

}  // namespace

bool RunWindowStress(int cycles, const std::function<void(int)>& cycleDone)
{
    PaintWatch watch;
    TOpenGL_box box;
    if (!Shown(box))
        return false;
    ViewCommands* commands = nullptr;
    for (QObject* child : box.children())
        if (auto* found = dynamic_cast<ViewCommands*>(child))
            commands = found;
    if (!commands)
        return false;
    QAbstractButton* widthUp = Button(box, "btnMaulweitePlus");
    QAbstractButton* diameterUp = Button(box, "btnDurchmesserPlus");
    QAbstractButton* section = Button(box, "btnSchnitt");
    QAbstractButton* style = Button(box, "btnStyle");
    // At 8 inches and 17 inches both steps are refused, each with its reason.
    for (int i = 0; i < 4; ++i)
        widthUp->click();
    for (int i = 0; i < 2; ++i)
        diameterUp->click();
    const QPointF rim(box.View()->width() / 2.0, box.View()->height() * 0.2);

    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (int move = 0; move < 10; ++move) {
            int before = watch.paints;
            widthUp->click();
            AfterPaint(watch, before);
            before = watch.paints;
            diameterUp->click();
            AfterPaint(watch, before);
        }
        commands->NameAt(rim);
        Jitter();
        commands->PointerMoved(std::nullopt);
        Jitter();
        ShowHint(*section);
        Jitter();
        ShowHint(*style);
        Jitter();
        commands->OpenMenu();
        Jitter();
        commands->Menu()->hide();
        Jitter();
        if (cycle % 4 == 1 && !OpenAndClose())
            return false;
        cycleDone(cycle);
    }
    return true;
}

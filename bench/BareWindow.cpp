#include "BareWindow.h"

#include "BareView.h"
#include "Unit1.h"

BareWindow::BareWindow(BareView* view)
    : GLWindow(view)
{
    setWindowTitle(QStringLiteral("bare window"));
    QWidget* container = QWidget::createWindowContainer(GLWindow, this);
    resize(808, 630);
    // The panel's strip stays empty: only its width is the viewer's.
    constexpr int panel = TFrameSteuerung::PanelWidth;
    container->setGeometry(panel, 0, width() - panel, height());
}

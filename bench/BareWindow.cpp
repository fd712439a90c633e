#include "BareWindow.h"

#include "BareView.h"
#include "Unit1.h"

BareWindow::BareWindow(std::function<void()> presented)
{
    setWindowTitle(QStringLiteral("bare window"));
    GLWindow = new BareView(std::move(presented));
    QWidget* container = QWidget::createWindowContainer(GLWindow, this);
    resize(808, 630);
    // The panel's strip stays empty: only its width is the viewer's.
    constexpr int panel = TFrameSteuerung::PanelWidth;
    container->setGeometry(panel, 0, width() - panel, height());
}

#include "BareWindow.h"

#include "BareView.h"

BareWindow::BareWindow(std::function<void()> presented)
{
    setWindowTitle(QStringLiteral("bare window"));
    GLWindow = new BareView(std::move(presented));
    QWidget* container = QWidget::createWindowContainer(GLWindow, this);
    resize(808, 630);
    container->setGeometry(200, 0, width() - 200, height());
}

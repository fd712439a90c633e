#include "ViewControlInput.h"

#include "ViewCommands.h"
#include "ViewControls.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

#include <optional>

ViewControlInput::ViewControlInput(ViewCommands& commands)
    : QObject(&commands)
    , Commands(commands)
{
    std::optional<ViewControl::Group> menuGroup;
    for (const ViewControl& control : ViewControlTable()) {
        if (!control.command || (!control.inMenu && control.shortcuts.isEmpty()))
            continue;
        auto* action = new QAction(QString::fromUtf8(control.text), &Commands.Window());
        action->setShortcuts(control.shortcuts);
        connect(action, &QAction::triggered, this, [this, command = control.command] { command(Commands); });
        Commands.Window().addAction(action);
        if (control.inMenu) {
            Commands.AddMenuEntry(action, menuGroup && *menuGroup != control.group);
            menuGroup = control.group;
        }
    }
    Commands.ViewWidget().installEventFilter(this);
}

void ViewControlInput::ViewGesture(Gesture gesture, const GestureAmount& amount)
{
    if (const ViewControl* control = GestureControl(gesture))
        control->gestureCommand(Commands, amount);
}

void ViewControlInput::ViewPressed()
{
    Commands.TakeFocus();
}

void ViewControlInput::ViewPointerMoved(std::optional<QPointF> position)
{
    Commands.PointerMoved(position);
}

bool ViewControlInput::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (const ViewControl* control = ViewKeyControl(*static_cast<QKeyEvent*>(event))) {
            control->command(Commands);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

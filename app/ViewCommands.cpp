#include "ViewCommands.h"

#include "ControlsHelp.h"
#include "GLView.h"
#include "PictureActions.h"
#include "QtTexts.h"
#include "RimMarking.h"
#include "WheelRules.h"
#include "ct_ogl1.h"

#include <QAction>
#include <QLocale>
#include <QMenu>

ViewCommands::ViewCommands(TOpenGL_box& box)
    : QObject(&box)
    , Box(box)
    , Pictures(std::make_unique<PictureActions>(box))
{
    PictureActions& pictures = *Pictures;
    AddAction(QStringLiteral("Bild speichern …"), QKeySequence::Save, [&pictures] { pictures.Save(); });
    AddAction(QStringLiteral("Bild kopieren"), QKeySequence::Copy, [&pictures] { pictures.Copy(); });
    AddAction(QStringLiteral("Bild in Druckgröße speichern …"), {}, [&pictures] { pictures.SavePrintSize(); });
    AddSeparator();
    AddAction(QStringLiteral("vergrößern"), QKeySequence::ZoomIn, [this] { ViewStepped(ViewStep::ZoomIn); });
    AddAction(QStringLiteral("verkleinern"), QKeySequence::ZoomOut, [this] { ViewStepped(ViewStep::ZoomOut); });
    AddAction(QStringLiteral("Ansicht zurücksetzen"), Qt::Key_Home, [this] { ResetView(); });
    AddSeparator();
    AddAction(QStringLiteral("Bedienung …"), QKeySequence::HelpContents, [&box] { ShowControlsHelp(&box); });
}

ViewCommands::~ViewCommands() = default;

void ViewCommands::AddAction(const QString& text, const QKeySequence& shortcut, const std::function<void()>& command)
{
    // On the window, so that its shortcut works wherever the focus is in it.
    auto* action = new QAction(text, &Box);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, command);
    Box.addAction(action);
    MenuEntries.push_back(action);
}

QMenu* ViewCommands::Menu()
{
    if (!ContextMenu) {
        ContextMenu = new QMenu(&Box);
        ContextMenu->setObjectName(QStringLiteral("ViewMenu"));
        for (QAction* action : MenuEntries) {
            if (action)
                ContextMenu->addAction(action);
            else
                ContextMenu->addSeparator();
        }
    }
    return ContextMenu;
}

void ViewCommands::ViewDragged(double dx, double dy)
{
    DragRotate(Box.Config(), dx, dy, Box.View()->height());
    Box.RenderScene();
}

namespace {

void (*RuleOf(ViewStep step))(WheelConfig&)
{
    switch (step) {
    case ViewStep::RotateUp:
        return RotateUp;
    case ViewStep::RotateDown:
        return RotateDown;
    case ViewStep::RotateLeft:
        return RotateLeft;
    case ViewStep::RotateRight:
        return RotateRight;
    case ViewStep::ZoomIn:
        return ZoomIn;
    case ViewStep::ZoomOut:
        break;
    }
    return ZoomOut;
}

}  // namespace

void ViewCommands::ViewStepped(ViewStep step, int times)
{
    const auto rule = RuleOf(step);
    for (int i = 0; i < times; ++i)
        rule(Box.Config());
    Box.RenderScene();
}

void ViewCommands::ViewMenuRequested(const QPoint& globalPosition)
{
    LoadQtTexts();
    Menu()->popup(globalPosition);
}

void ViewCommands::ViewPressed()
{
    QWidget* view = Box.ViewWidget();
    if (!Box.isActiveWindow())
        Box.activateWindow();
    if (!view->hasFocus())
        view->setFocus(Qt::MouseFocusReason);
}

void ViewCommands::ResetView()
{
    ::ResetView(Box.Config(), Box.StartRotation());
    Box.RenderScene();
}

void ViewCommands::DescribeView()
{
    const std::string text = ViewDescription(Box.Config(), QLocale().decimalPoint().toStdString());
    Box.ViewWidget()->setAccessibleDescription(QString::fromStdString(text));
}

#include "ViewCommands.h"

#include "AnsweredHide.h"
#include "ComparisonHost.h"
#include "PanelRequests.h"
#include "PanelTexts.h"
#include "PictureActions.h"
#include "QtTexts.h"
#include "Release.h"
#include "RimComparison.h"
#include "RimMarking.h"
#include "SceneHost.h"
#include "ToolTips.h"
#include "WheelRules.h"

#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

#include <cmath>

ViewCommands::ViewCommands(const ViewParts& parts)
    : QObject(&parts.window)
    , Parts(parts)
    , PictureCommands(std::make_unique<PictureActions>(parts.pictures, parts.config, parts.window))
{
    // The view's widget takes the focus for the view's window, which takes none.
    Parts.viewWidget.installEventFilter(this);
}

ViewCommands::~ViewCommands() = default;

void ViewCommands::AddMenuEntry(QAction* action, bool separated)
{
    MenuEntries.emplace_back(action, separated);
}

QMenu* ViewCommands::Menu()
{
    if (!ContextMenu) {
        ContextMenu = new AnsweredHide<QMenu>(&Parts.window);
        ContextMenu->setObjectName(QStringLiteral("ViewMenu"));
        for (const auto& [action, separated] : MenuEntries) {
            if (separated)
                ContextMenu->addSeparator();
            ContextMenu->addAction(action);
        }
    }
    return ContextMenu;
}

bool ViewCommands::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        // The focus frame comes and goes with a frame of its own. The widget
        // would hand the focus on to the view's window, which takes none, so
        // that Tab keeps working from here.
        Parts.scene.RenderScene();
        return true;
    case QEvent::FocusOut:
        Parts.scene.RenderScene();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ViewCommands::Turn(QPointF motion)
{
    DragRotate(Parts.config, motion.x(), motion.y(), Parts.view.height());
    Parts.scene.RenderScene();
}

void ViewCommands::Step(ViewStep step)
{
    TakeViewStep(Parts.config, step);
    Parts.scene.RenderScene();
}

void ViewCommands::Pan(QPointF motion)
{
    PanView(Parts.config, motion.x(), motion.y(), Parts.area());
    Parts.scene.RenderScene();
}

void ViewCommands::ZoomAt(ViewStep step, int times, QPointF position)
{
    ZoomAtPoint(Parts.config, step, times, position.x(), position.y(), Parts.area());
    Parts.scene.RenderScene();
}

void ViewCommands::PanTenth(int right, int down)
{
    const ViewArea area = Parts.area();
    Pan({right * area.width / 10.0, down * area.height / 10.0});
}

void ViewCommands::MenuAt(const QPoint& globalPosition)
{
    LoadQtTexts();
    Menu()->popup(globalPosition);
}

void ViewCommands::OpenMenu()
{
    MenuAt(Parts.view.mapToGlobal(QPoint(Parts.view.width() / 2, Parts.view.height() / 2)));
}

void ViewCommands::TakeFocus()
{
    if (!Parts.window.isActiveWindow())
        Parts.window.activateWindow();
    if (!Parts.viewWidget.hasFocus())
        Parts.viewWidget.setFocus(Qt::MouseFocusReason);
}

void ViewCommands::HighlightAt(QPointF position)
{
    Parts.panel.HighlightComponent(Parts.componentAt(position));
}

void ViewCommands::NameAt(QPointF position)
{
    const QString name = ComponentCaption(Parts.componentAt(position), Parts.config, QLocale());
    if (name.isEmpty()) {
        PointerMoved(std::nullopt);
        return;
    }
    NamedAt = position;
    ShowToolTipAt(Parts.view.mapToGlobal(position).toPoint(), name, &Parts.viewWidget);
}

void ViewCommands::PointerMoved(std::optional<QPointF> position)
{
    // A name stays while the pointer stays near where it was given; it is
    // asked for afresh once the pointer rests again.
    constexpr double Stay = 3.0;
    if (!NamedAt)
        return;
    if (position) {
        const QPointF moved = *position - *NamedAt;
        if (std::hypot(moved.x(), moved.y()) <= Stay)
            return;
    }
    NamedAt.reset();
    HideToolTip();
}

void ViewCommands::ShowAbout()
{
    // As QMessageBox::about makes it, with a hide that waits for its frame.
    AnsweredDialog<QMessageBox> box(QMessageBox::Information, QStringLiteral("Über MarloQuent"),
                                  QStringLiteral("<h3>MarloQuent %1</h3><p>%2.</p><p>Lizenz: %3</p>")
                                      .arg(QLatin1String(Release::Version), QString::fromUtf8(Release::Summary),
                                           QLatin1String(Release::Licence)),
                                  QMessageBox::NoButton, &Parts.window);
    const QIcon icon = box.windowIcon();
    box.setIconPixmap(icon.pixmap(icon.actualSize(QSize(64, 64))));
    box.exec();
}

void ViewCommands::KeepReference()
{
    Parts.comparison.KeepReference(Parts.config);
}

void ViewCommands::DropReference()
{
    Parts.comparison.DropReference();
}

void ViewCommands::EditMarking()
{
    Parts.panel.EditMarking();
}

void ViewCommands::ResetView()
{
    ::ResetView(Parts.config, Parts.startRotation);
    Parts.scene.RenderScene();
}

void ViewCommands::DescribeView()
{
    const std::string separator = DecimalSeparator();
    std::string text = ViewDescription(Parts.config, separator);
    if (const WheelConfig* reference = Parts.comparison.Reference())
        text += " " + ComparisonDescription(Parts.config, *reference, separator);
    Parts.viewWidget.setAccessibleDescription(QString::fromStdString(text));
}

#pragma once

#include "ViewComponent.h"
#include "ViewPan.h"

#include <QObject>
#include <QPointF>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class ComparisonHost;
class PanelRequests;
class PictureActions;
class PictureSource;
class QAction;
class QMenu;
class QWidget;
class QWindow;
class SceneHost;
struct WheelConfig;

// What the view's commands act on and answer to.
struct ViewParts {
    WheelConfig& config;
    SceneHost& scene;
    PictureSource& pictures;
    QWidget& window;      // the main window: its shortcuts, menus and dialogs
    QWidget& viewWidget;  // holds the keyboard focus for the view
    QWindow& view;        // the view's own window, where the pointer is
    const std::array<float, 16>& startRotation;  // captured once the view has its GL
    PanelRequests& panel;  // where a part is highlighted and a marking typed
    // The component the view shows at a point in logical pixels.
    std::function<ViewComponent(QPointF)> componentAt;
    ComparisonHost& comparison;  // the reference rim kept beside the current one
    // Where the picture lies on screen, as the frames draw it.
    std::function<ViewArea()> area;
};

// What the view's controls do. Each applies its rule to the configuration,
// then has the window draw one frame, as the panel's view buttons do. Points
// are logical pixels from the view's top-left corner, motions logical pixels
// right and down.
class ViewCommands : public QObject {
public:
    explicit ViewCommands(const ViewParts& parts);
    ~ViewCommands() override;
    ViewCommands(const ViewCommands&) = delete;
    ViewCommands& operator=(const ViewCommands&) = delete;

    QWidget& Window() const { return Parts.window; }
    QWidget& ViewWidget() const { return Parts.viewWidget; }

    // The model turned by a drag's motion: the view's height turns it half a turn.
    void Turn(QPointF motion);
    void Step(ViewStep step);
    // The picture moved with the pointer.
    void Pan(QPointF motion);
    // The zoom step taken `times` over about a point, which stays where it is.
    void ZoomAt(ViewStep step, int times, QPointF position);
    // The view's menu at a point in global logical coordinates.
    void MenuAt(const QPoint& globalPosition);
    // The keyboard focus to the view, as a press in it takes it.
    void TakeFocus();
    // The part of the wheel at a point highlighted, or no longer, as its
    // button does it.
    void HighlightAt(QPointF position);
    // The part of the wheel at a point named beside the pointer.
    void NameAt(QPointF position);
    // The pointer moves over the view, or leaves it (no position): a name
    // given stays only near where it was given.
    void PointerMoved(std::optional<QPointF> position);

    PictureActions& Pictures() { return *PictureCommands; }
    // The start-up orientation and zoom again, the picture in the middle,
    // the wheel as it is.
    void ResetView();
    // The picture moved by a tenth of the view's width or height, in steps
    // of -1, 0 or 1 right and down.
    void PanTenth(int right, int down);
    // The view's menu over the middle of the view, as the menu key opens it.
    void OpenMenu();
    void ShowAbout();
    void EditMarking();
    void KeepReference();
    void DropReference();
    // Tells assistive technology which rim the view shows and what is
    // highlighted or measured; follows every rebuild.
    void DescribeView();

    // An entry of the view's menu, after those added before, with a
    // separator above it where it begins another group.
    void AddMenuEntry(QAction* action, bool separated);
    // The view's context menu, made when it is first asked for.
    QMenu* Menu();

protected:
    // A frame when the view's focus frame comes or goes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ViewParts Parts;
    std::unique_ptr<PictureActions> PictureCommands;
    std::vector<std::pair<QAction*, bool>> MenuEntries;
    QMenu* ContextMenu = nullptr;
    // Where the pointer rested when the view last named what lies there.
    std::optional<QPointF> NamedAt;
};

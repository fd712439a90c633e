#pragma once

#include "ViewControls.h"
#include "ViewComponent.h"
#include "ViewInput.h"
#include "ViewPan.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class ComparisonHost;
class PictureActions;
class PictureSource;
class QAction;
class QMenu;
class QWidget;
class QWindow;
class SceneHost;
class TFrameSteuerung;
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
    TFrameSteuerung& panel;  // where a part is highlighted and a marking typed
    // The component the view shows at a point in logical pixels.
    std::function<ViewComponent(QPointF)> componentAt;
    ComparisonHost& comparison;  // the reference rim kept beside the current one
    // Where the picture lies on screen, as the frames draw it.
    std::function<ViewArea()> area;
};

// The view's commands: drags, wheel notches and keys from the view, the
// window-wide shortcuts and the view's context menu, all made from the table
// of the view's controls. Each applies its rule to the configuration, then
// has the window draw one frame, as the panel's view buttons do.
class ViewCommands : public QObject, public ViewInput {
public:
    explicit ViewCommands(const ViewParts& parts);
    ~ViewCommands() override;
    ViewCommands(const ViewCommands&) = delete;
    ViewCommands& operator=(const ViewCommands&) = delete;

    void ViewDragged(double dx, double dy) override;
    void ViewStepped(ViewStep step, int times = 1) override;
    void ViewPanned(double dx, double dy) override;
    void ViewZoomedAt(ViewStep step, int times, QPointF position) override;
    void ViewMenuRequested(const QPoint& globalPosition) override;
    void ViewPressed() override;
    void ViewClicked(QPointF position) override;
    void ViewPointerRested(QPointF position) override;
    void ViewPointerMoved(std::optional<QPointF> position) override;

    PictureActions& Pictures() { return *PictureCommands; }
    // The start-up orientation and zoom again, the picture in the middle,
    // the wheel as it is.
    void ResetView();
    // The picture moved by a tenth of the view's width or height, in steps
    // of -1, 0 or 1 right and down.
    void PanTenth(int right, int down);
    // The view's menu over the middle of the view, as the menu key opens it.
    void OpenMenu();
    void ShowHelp();
    void ShowAbout();
    void EditMarking();
    void KeepReference();
    void DropReference();
    // Tells assistive technology which rim the view shows and what is
    // highlighted or measured; follows every rebuild.
    void DescribeView();

    // The view's context menu, made when it is first asked for.
    QMenu* Menu();

protected:
    // The view's keys, and a frame when the focus frame comes or goes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ViewParts Parts;
    std::unique_ptr<PictureActions> PictureCommands;
    std::vector<std::pair<QAction*, ViewControl::Group>> MenuEntries;
    QMenu* ContextMenu = nullptr;
    // Where the pointer rested when the view last named what lies there.
    std::optional<QPointF> NamedAt;
};

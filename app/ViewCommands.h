#pragma once

#include "ViewInput.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class PictureActions;
class QAction;
class QKeySequence;
class QMenu;
class TOpenGL_box;

// The view's own commands: drags, wheel notches and keys from the view, the
// window-wide shortcuts and the view's context menu. Each command applies its
// rule to the configuration, then has the window draw one frame, as the
// panel's view buttons do.
class ViewCommands : public QObject, public ViewInput {
public:
    explicit ViewCommands(TOpenGL_box& box);
    ~ViewCommands() override;
    ViewCommands(const ViewCommands&) = delete;
    ViewCommands& operator=(const ViewCommands&) = delete;

    void ViewDragged(double dx, double dy) override;
    void ViewStepped(ViewStep step, int times = 1) override;
    void ViewMenuRequested(const QPoint& globalPosition) override;
    void ViewPressed() override;

    // The start-up orientation and zoom again, the wheel as it is.
    void ResetView();
    // Tells assistive technology which rim the view shows and what is
    // highlighted or measured; follows every rebuild.
    void DescribeView();

    // The view's context menu, made when it is first asked for.
    QMenu* Menu();

private:
    void AddAction(const QString& text, const QKeySequence& shortcut, const std::function<void()>& command);
    void AddSeparator() { MenuEntries.push_back(nullptr); }

    TOpenGL_box& Box;
    std::unique_ptr<PictureActions> Pictures;
    std::vector<QAction*> MenuEntries;  // null for a separator
    QMenu* ContextMenu = nullptr;
};

// The view in the hand: drags, wheel notches and keys do what the panel's
// view buttons do, through the same rules, one frame a step.

#include "ConfigInvariants.h"
#include "DialogCounter.h"
#include "FrameCapture.h"
#include "GLView.h"
#include "ImageCompare.h"
#include "ToolTips.h"
#include "Unit1.h"
#include "ct_ogl1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace {

class ViewInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        box = std::make_unique<TOpenGL_box>();
        ASSERT_TRUE(ShowAndExpose(*box));
        ASSERT_TRUE(ActivateForKeys(*box));
        // Paints still queued from showing the window must not count.
        QCoreApplication::processEvents();
        start = CaptureFrame(*box);
    }

    GLView* View() const { return box->View(); }
    QPoint Centre() const { return QPoint(View()->width() / 2, View()->height() / 2); }

    // The frames presented while the action and the events it queued ran.
    int FramesOf(const std::function<void()>& action)
    {
        QSignalSpy frames(box.get(), &TOpenGL_box::FramePresented);
        action();
        QCoreApplication::processEvents();
        return static_cast<int>(frames.count());
    }

    // A left-button drag through the given offsets from the centre, pressed
    // at the first, the view focused beforehand. The motion is read one event at a time when
    // `eachAlone`; otherwise all of it arrives before the view gets to draw.
    int Drag(const std::vector<QPoint>& path, bool eachAlone, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {})
    {
        FocusView();
        return FramesOf([&] {
            Mouse(QEvent::MouseButtonPress, Centre() + path.front(), button, button, modifiers);
            for (std::size_t i = 1; i < path.size(); ++i) {
                Mouse(QEvent::MouseMove, Centre() + path[i], Qt::NoButton, button, modifiers);
                if (eachAlone)
                    QCoreApplication::processEvents();
            }
            Mouse(QEvent::MouseButtonRelease, Centre() + path.back(), button, Qt::NoButton, modifiers);
        });
    }

    // Straight to the view, without reading the events it queues.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {})
    {
        if (type == QEvent::MouseButtonRelease)
            held = Qt::NoButton;
        QMouseEvent event(type, at, View()->mapToGlobal(QPointF(at)), button, held, modifiers);
        QCoreApplication::sendEvent(View(), &event);
    }

    void Wheel(QPoint angle, QPoint pixels = {}, std::optional<QPoint> at = {})
    {
        const QPointF point(at.value_or(Centre()));
        QWheelEvent event(point, View()->mapToGlobal(point), pixels, angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(View(), &event);
    }

    // A key as the keyboard sends it, to whatever holds the focus.
    void Key(int key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "nothing holds the keyboard focus";
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    }

    void FocusView()
    {
        // A corner shows the background, where a click changes nothing.
        QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(3, 3));
        QCoreApplication::processEvents();
        ASSERT_TRUE(box->ViewWidget()->hasFocus());
    }

    void Home()
    {
        Key(Qt::Key_Home);
        ASSERT_EQ(box->Config().RotMatrix, box->StartRotation());
        ASSERT_EQ(box->Config().ZoomExtent, 20.0f);
    }

    std::unique_ptr<TOpenGL_box> box;
    QImage start;
};

TEST_F(ViewInput, DragRightAndBackReturnsTheStartPictureOneFrameAMotion)
{
    std::vector<QPoint> there;
    for (int x = 0; x <= 140; x += 20)
        there.emplace_back(x, 0);
    ASSERT_EQ(Drag(there, true), static_cast<int>(there.size()) - 1);
    const QImage turned = CaptureFrame(*box);
    EXPECT_FALSE(ImagesMatch(turned, start, QStringLiteral("drag-turned"), 8, 1000)) << "the drag turned nothing";

    const std::vector<QPoint> back(there.rbegin(), there.rend());
    ASSERT_EQ(Drag(back, true), static_cast<int>(back.size()) - 1);
    // Turned there and back in single precision: a few edge pixels may flip.
    EXPECT_TRUE(ImagesMatch(CaptureFrame(*box), start, QStringLiteral("drag-there-and-back"), 2, 20));
}

TEST_F(ViewInput, MotionQueuedBehindAFrameIsDrawnInOneFrameAsTheSameRotationSetDirectly)
{
    const std::vector<QPoint> path{{0, 0}, {10, -5}, {30, -10}, {45, -20}, {70, -30}, {90, -40}};
    EXPECT_EQ(Drag(path, false), 1);
    const QImage dragged = CaptureFrame(*box);

    TOpenGL_box direct;
    ASSERT_TRUE(ShowAndExpose(direct));
    DragRotate(direct.Config(), 90, -40, direct.View()->height());
    const QImage set = CaptureFrame(direct);
    EXPECT_TRUE(ImagesMatch(dragged, set, QStringLiteral("drag-against-rotation-set-directly")));
    // A drag across the view's height turns the model half a turn.
    TOpenGL_box halfTurn;
    ASSERT_TRUE(ShowAndExpose(halfTurn));
    DragRotate(halfTurn.Config(), 0, halfTurn.View()->height(), halfTurn.View()->height());
    EXPECT_FLOAT_EQ(halfTurn.Config().RotAngle, 180.0f);
}

TEST_F(ViewInput, WheelNotchesStepTheZoomAsTheButtonsDoUpToTheirBounds)
{
    // Away from the user: in, as "vergrößern"; past the bound, nothing.
    for (int notch = 0; notch < 16; ++notch) {
        WheelConfig expected = box->Config();
        ZoomIn(expected);
        EXPECT_EQ(FramesOf([&] { Wheel({0, 120}); }), 1) << "notch " << notch;
        EXPECT_EQ(box->Config().ZoomExtent, expected.ZoomExtent) << "notch " << notch;
    }
    EXPECT_LT(box->Config().ZoomExtent, 5.0f);
    for (int notch = 0; notch < 26; ++notch) {
        WheelConfig expected = box->Config();
        ZoomOut(expected);
        Wheel({0, -120});
        EXPECT_EQ(box->Config().ZoomExtent, expected.ZoomExtent) << "notch " << notch;
    }
    EXPECT_GT(box->Config().ZoomExtent, 50.0f);
}

// The first pixel from the left, on the given row, that shows the wheel
// rather than the blue background.
int WheelEdge(const QImage& frame, int row)
{
    for (int x = 0; x < frame.width(); ++x) {
        const QColor c = frame.pixelColor(x, row);
        if (c.red() > c.blue() * 7 / 10)
            return x;
    }
    return -1;
}

TEST_F(ViewInput, APanFollowsThePointerThereAndBackAndANotchOffCentreKeepsThePointUnderIt)
{
    // With the middle button there, with Shift and the left one back.
    const std::vector<QPoint> there{{0, 0}, {30, -10}, {60, -30}};
    ASSERT_EQ(Drag(there, true, Qt::MiddleButton), 2);
    const double ratio = box->View()->devicePixelRatio();
    const int up = static_cast<int>(std::lround(30 * ratio));
    const int row = start.height() / 2 - up;
    EXPECT_NEAR(WheelEdge(CaptureFrame(*box), row), WheelEdge(start, row + up) + 60 * ratio, 1.0)
        << "one screen pixel a pixel";
    ASSERT_EQ(Drag({there.rbegin(), there.rend()}, true, Qt::LeftButton, Qt::ShiftModifier), 2);
    EXPECT_TRUE(ImagesMatch(CaptureFrame(*box), start, QStringLiteral("pan-there-and-back"), 1, 0));

    // The wheel's left edge on the middle row stays under the pointer.
    const int middle = start.height() / 2;
    const int edge = WheelEdge(start, middle);
    ASSERT_GT(edge, 20);
    Wheel({0, 120}, {}, QPoint(static_cast<int>(edge / ratio), static_cast<int>(middle / ratio)));
    EXPECT_NEAR(WheelEdge(CaptureFrame(*box), middle), edge, 1.0 + ratio);
}

TEST_F(ViewInput, FineWheelTravelAddsUpToWholeNotchesWithoutLosingOrDoublingOne)
{
    const auto steps = [this](const std::vector<QPoint>& angles, const std::vector<QPoint>& pixels) {
        const float before = box->Config().ZoomExtent;
        for (std::size_t i = 0; i < angles.size(); ++i)
            Wheel(angles[i], pixels.empty() ? QPoint() : pixels[i]);
        WheelConfig c = box->Config();
        int n = 0;
        for (c.ZoomExtent = before; c.ZoomExtent != box->Config().ZoomExtent && n < 10; ++n)
            ZoomIn(c);
        return c.ZoomExtent == box->Config().ZoomExtent ? n : -1;
    };
    // A fast turn read as one event: three notches, one frame.
    EXPECT_EQ(FramesOf([&] { EXPECT_EQ(steps({{0, 360}}, {}), 3); }), 1);
    // A fine wheel in eighths of a notch: two notches, nothing left over.
    EXPECT_EQ(steps(std::vector<QPoint>(16, {0, 15}), {}), 2);
    // Uneven parts: 50 + 50 makes no notch yet, the third part completes one.
    EXPECT_EQ(steps({{0, 50}, {0, 50}}, {}), 0);
    EXPECT_EQ(steps({{0, 20}}, {}), 1);
    // A touchpad that gives both counts each turn once, by its angle.
    EXPECT_EQ(steps({{0, 60}, {0, 60}}, {{0, 90}, {0, 90}}), 1);
    // One that gives only pixels.
    EXPECT_EQ(steps({{}, {}, {}}, {{0, 30}, {0, 20}, {0, 10}}), 1);
}

TEST_F(ViewInput, EachKeyDoesExactlyWhatItsButtonDoes)
{
    struct KeyButton {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool needsView;
        const char* button;
    };
    const KeyButton keys[] = {
        {Qt::Key_Up, {}, true, "SpeedButton1"},
        {Qt::Key_Down, {}, true, "SpeedButton2"},
        {Qt::Key_Left, {}, true, "SpeedButton3"},
        {Qt::Key_Right, {}, true, "SpeedButton4"},
        {Qt::Key_Plus, {}, true, "SpeedButton5"},
        {Qt::Key_Minus, {}, true, "SpeedButton6"},
        {Qt::Key_Plus, Qt::KeypadModifier, true, "SpeedButton5"},
        {Qt::Key_Minus, Qt::KeypadModifier, true, "SpeedButton6"},
        {Qt::Key_Plus, Qt::ControlModifier, false, "SpeedButton5"},
        {Qt::Key_Minus, Qt::ControlModifier, false, "SpeedButton6"},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, false, "SpeedButton5"},
    };
    auto* somewhereElse = box->Panel()->findChild<QAbstractButton*>(QStringLiteral("btnStyle"));
    for (const KeyButton& k : keys) {
        SCOPED_TRACE(std::string(k.button) + (k.needsView ? " from the view" : " from the panel"));
        if (k.needsView)
            FocusView();
        else
            somewhereElse->setFocus(Qt::TabFocusReason);
        Home();
        // Held down, the key repeats: a step and a frame each time.
        EXPECT_EQ(FramesOf([&] { Key(k.key, k.modifiers); }), 1);
        EXPECT_EQ(FramesOf([&] { Key(k.key, k.modifiers, true); }), 1);
        const WheelConfig byKey = box->Config();
        const QImage keyed = CaptureFrame(*box);

        Home();
        QTest::mouseClick(box->Panel()->findChild<QAbstractButton*>(QLatin1String(k.button)), Qt::LeftButton);
        QTest::mouseClick(box->Panel()->findChild<QAbstractButton*>(QLatin1String(k.button)), Qt::LeftButton);
        EXPECT_EQ(byKey.RotMatrix, box->Config().RotMatrix);
        EXPECT_EQ(byKey.ZoomExtent, box->Config().ZoomExtent);
        EXPECT_TRUE(ImagesMatch(keyed, CaptureFrame(*box), QStringLiteral("key-against-%1").arg(k.button)));
    }
    // Without the view's focus its own keys stay with the panel's buttons.
    somewhereElse->setFocus(Qt::TabFocusReason);
    Home();
    EXPECT_EQ(FramesOf([&] { Key(Qt::Key_Plus); }), 0);
    EXPECT_EQ(box->Config().ZoomExtent, 20.0f);
}

TEST_F(ViewInput, HomeRestoresTheStartPictureWithoutTouchingTheWheel)
{
    FocusView();
    Key(Qt::Key_Left);
    Key(Qt::Key_Minus);
    Drag({{0, 0}, {33, 17}, {60, 41}}, true);
    Wheel({0, 360});
    Drag({{0, 0}, {-40, 25}}, true, Qt::MiddleButton);
    Key(Qt::Key_Right, Qt::ControlModifier);
    ASSERT_NE(box->Config().Pan, (std::array<double, 2>{}));
    QTest::mouseClick(box->Panel()->findChild<QAbstractButton*>(QStringLiteral("btnShowEinpresstiefe")),
                      Qt::LeftButton);
    const WheelConfig before = box->Config();
    EXPECT_EQ(FramesOf([&] { Key(Qt::Key_Home); }), 1);
    EXPECT_EQ(ChangedGroups(before, box->Config()) & ~(kZoom | kRotation | kFrameState), 0u);
    EXPECT_EQ(box->Config().WheelList, before.WheelList) << "the wheel was rebuilt";
    EXPECT_EQ(box->Config().RotMatrix, box->StartRotation());
    QTest::mouseClick(box->Panel()->findChild<QAbstractButton*>(QStringLiteral("btnShowEinpresstiefe")),
                      Qt::LeftButton);
    EXPECT_TRUE(ImagesMatch(CaptureFrame(*box), start, QStringLiteral("home-against-start")));
}

TEST_F(ViewInput, TabLeadsBetweenTheViewAndThePanelAndEnterPressesTheFocusedButton)
{
    FocusView();
    const QWidget* view = box->ViewWidget();
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box->Panel()->FirstInTabOrder());
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), view);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), box->Panel()->LastInTabOrder());
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Felgenbezeichnung"));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);

    // The last button highlights the wheel disc: Enter on the main keys and
    // on the keypad presses it once a press, as Space does.
    QSignalSpy builds(box.get(), &TOpenGL_box::WheelListBuilt);
    Key(Qt::Key_Return);
    EXPECT_TRUE(box->Config().ColorRadschuessel);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(box->Config().ColorRadschuessel);
    Key(Qt::Key_Return, {}, true);
    EXPECT_FALSE(box->Config().ColorRadschuessel) << "auto-repeat pressed the button";
    EXPECT_EQ(builds.count(), 2);
}

TEST_F(ViewInput, TheMenuKeyAndF1ShowTheViewsMenuAndTheControls)
{
    FocusView();
    Key(Qt::Key_Menu);
    QMenu* menu = box->findChild<QMenu*>(QStringLiteral("ViewMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << action->text();
    EXPECT_EQ(entries.join(QLatin1Char('|')).toStdString(),
              "Bild speichern …|Bild kopieren|Bild in Druckgröße speichern …|vergrößern|verkleinern|"
              "Ansicht zurücksetzen|Als Vergleich merken|Vergleich beenden|Felgenbezeichnung eingeben|Bedienung …|"
              "Über MarloQuent …");
    EXPECT_TRUE(CloseWindow(*menu));

    const DialogCounter dialogs;
    QTest::keyClick(box.get(), Qt::Key_F1);
    ASSERT_EQ(dialogs.Count(), 1);
    const QString help = dialogs.MessageTexts().constFirst();
    // Qt's own key names, in German.
    for (const char* control : {"Ziehen mit der linken Taste", "Mausrad", "Hoch", "Pos1", "Strg+S", "Strg+C",
                                "Umschalt+Tab", "Leertaste", "Strg+L", "Klick auf das Bauteil"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(control))) << control;
}

TEST_F(ViewInput, TheViewShowsItHasTheFocusAlongItsEdgesAndNowhereElse)
{
    const auto onScreen = [this] {
        QCoreApplication::processEvents();
        return box->screen()->grabWindow(View()->winId()).toImage();
    };
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "only an X server lets a test read back what a window shows";
    const QImage unfocused = onScreen();
    FocusView();
    const QImage focused = onScreen();
    const int w = focused.width();
    const int h = focused.height();
    const int edge = static_cast<int>(2 * box->View()->devicePixelRatio());
    for (const QPoint p : {QPoint(0, h / 2), QPoint(w - 1, h / 3), QPoint(w / 2, 0), QPoint(w / 3, h - 1),
                           QPoint(edge - 1, edge - 1)}) {
        EXPECT_EQ(focused.pixelColor(p), QColor(255, 128, 0)) << p.x() << "," << p.y();
        EXPECT_NE(unfocused.pixelColor(p), QColor(255, 128, 0)) << p.x() << "," << p.y();
    }
    // Inside the edges the picture is the one without the focus.
    const QRect inside(edge, edge, w - 2 * edge, h - 2 * edge);
    EXPECT_TRUE(ImagesMatch(focused.copy(inside), unfocused.copy(inside), QStringLiteral("focus-frame-inside")));
    // The picture the program hands out has no frame.
    EXPECT_TRUE(ImagesMatch(CaptureFrame(*box), unfocused, QStringLiteral("focus-frame-capture"), 1));
}


// What each "?" button shows, and the component the view should name there.
struct ShownComponent {
    const char* button;
    ViewComponent component;
};
const ShownComponent kShownComponents[] = {
    {"btnColorFelgenhorn", ViewComponent::Felgenhorn},   {"btnColorFelgenschulter", ViewComponent::Felgenschulter},
    {"btnColorHump", ViewComponent::Hump},               {"btnColorFelgenbett", ViewComponent::Felgenbett},
    {"btnColorRadschuessel", ViewComponent::Radscheibe}, {"btnShowMaulweite", ViewComponent::Maulweite},
    {"btnShowEinpresstiefe", ViewComponent::Einpresstiefe}, {"btnShowDurchmesser", ViewComponent::Durchmesser},
};

void ClickButton(TOpenGL_box& box, const char* button)
{
    QTest::mouseClick(box.Panel()->findChild<QAbstractButton*>(QLatin1String(button)), Qt::LeftButton);
}

// Switches the button's component on and gives a pixel that it colours, away
// from its edges when it is filled, as a point in the view's logical pixels.
std::optional<QPointF> PointOf(TOpenGL_box& box, const char* button, int margin)
{
    const QImage off = CaptureFrame(box);
    ClickButton(box, button);
    const QImage on = CaptureFrame(box);
    const std::vector<QPoint> pixels = ChangedPixels(off, on, 40, margin);
    if (pixels.empty())
        return std::nullopt;
    const QPoint p = pixels[pixels.size() / 2];
    return (QPointF(p) + QPointF(0.5, 0.5)) / box.View()->devicePixelRatio();
}

TEST_F(ViewInput, TheViewNamesThePartItDrawsAtAPointInEveryStyleAndInTheHalfSection)
{
    const struct {
        const char* what;
        std::vector<const char*> clicks;
        int margin;
    } views[] = {{"filled", {}, 2}, {"outlines", {"btnStyle"}, 0}, {"points", {"btnStyle", "btnStyle"}, 0},
                 {"half section", {"btnSchnitt"}, 2}};
    for (const auto& view : views) {
        ASSERT_NO_FATAL_FAILURE(SetUp());
        for (const char* button : view.clicks)
            ClickButton(*box, button);
        for (const ShownComponent& shown : kShownComponents) {
            const std::optional<QPointF> at = PointOf(*box, shown.button, view.margin);
            ASSERT_TRUE(at) << view.what << ": " << shown.button << " coloured nothing";
            EXPECT_EQ(box->ComponentAt(*at), shown.component) << view.what << ": " << shown.button;
            ClickButton(*box, shown.button);
        }
        EXPECT_EQ(box->ComponentAt({2.5, 2.5}), ViewComponent::None) << view.what;
    }
}

TEST_F(ViewInput, AClickOnAPartIsItsButtonADragFromItOnlyTurnsAndAtRestItIsNamed)
{
    const std::optional<QPointF> at = PointOf(*box, "btnColorFelgenhorn", 2);
    ASSERT_TRUE(at);
    ClickButton(*box, "btnColorFelgenhorn");
    FocusView();
    const QPoint point = at->toPoint();
    const auto click = [&](QPoint where) {
        return FramesOf([&] {
            Mouse(QEvent::MouseButtonPress, where, Qt::LeftButton);
            Mouse(QEvent::MouseButtonRelease, where, Qt::LeftButton);
        });
    };
    EXPECT_EQ(click(point), 1);
    const WheelConfig clicked = box->Config();
    const QImage clickedFrame = CaptureFrame(*box);
    EXPECT_EQ(click(point), 1);
    EXPECT_FALSE(box->Config().ColorFelgenhorn) << "a second click leaves the highlight on";
    ClickButton(*box, "btnColorFelgenhorn");
    FocusView();
    EXPECT_EQ(ChangedGroups(clicked, box->Config()) & ~kFrameState, 0u);
    EXPECT_TRUE(ImagesMatch(CaptureFrame(*box), clickedFrame, QStringLiteral("click-against-button")));

    const WheelConfig before = box->Config();
    Drag({point - Centre(), point - Centre() + QPoint(2, 1), point - Centre() + QPoint(40, 0)}, true);
    EXPECT_EQ(box->Config().ColorFelgenhorn, before.ColorFelgenhorn) << "the drag highlighted";
    EXPECT_NE(box->Config().RotMatrix, before.RotMatrix) << "the drag turned nothing";
    EXPECT_EQ(click({3, 3}), 0) << "a click on the background drew";

    // At rest over a part the view names it, and over the background nothing.
    QTest::mouseMove(View(), (PointOf(*box, "btnShowDurchmesser", 2)).value_or(QPointF()).toPoint());
    EXPECT_TRUE(ServeUntil([] { return ToolTipShown(); }));
    EXPECT_EQ(ToolTipText(), QStringLiteral("Durchmesser 15\""));
    QTest::mouseMove(View(), QPoint(3, 3));
    EXPECT_TRUE(ServeUntil([] { return !ToolTipShown(); }));
}

TEST_F(ViewInput, AKeptRimIsDrawnBesideTheCurrentOneUntilTheComparisonEnds)
{
    // The reference's green, lit by emission alone, is one colour everywhere.
    const auto green = [](const QImage& frame) {
        int count = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                count += ChannelDifference(frame.pixel(x, y), qRgb(115, 255, 51)) <= 2;
        return count;
    };
    const auto widen = [](TOpenGL_box& b) {
        ClickButton(b, "btnMaulweitePlus");
        ClickButton(b, "btnDurchmesserPlus");
    };
    EXPECT_EQ(green(start), 0);
    QTest::keyClick(box.get(), Qt::Key_M, Qt::ControlModifier);
    widen(*box);
    EXPECT_GT(green(CaptureFrame(*box)), 1000);
    EXPECT_TRUE(box->ViewWidget()->accessibleDescription().contains(QStringLiteral("Verglichen mit 6J x 15 H2 ET34: ")));
    QTest::keyClick(box.get(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    TOpenGL_box never;
    ASSERT_TRUE(ShowAndExpose(never));
    widen(never);
    EXPECT_TRUE(ImagesMatch(CaptureFrame(*box), CaptureFrame(never), QStringLiteral("comparison-ended")));
}

}  // namespace

// What the panel tells besides its values: which switches are on, why a
// dimension step was refused, and that a held button steps on.

#include "PanelTestSupport.h"

#include "DialogCounter.h"
#include "FrameCapture.h"
#include "ToolTips.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMessageBox>
#include <QTest>

namespace {

using PanelFeedback = PanelWindowTest;

TEST_F(PanelFeedback, SwitchesShowWhetherTheyAreOnAsTheRulesTurnOthersOff)
{
    // The switches assistive technology is told are on, as they are drawn.
    const auto on = [this] {
        QStringList names;
        for (QAbstractButton* button : box->Panel()->findChildren<QAbstractButton*>())
            if (QAccessible::queryAccessibleInterface(button)->state().checked)
                names << button->objectName();
        names.sort();
        return names.join(QLatin1Char(' ')).toStdString();
    };
    Click("btnColorFelgenhorn");
    Click("btnColorHump");
    EXPECT_EQ(on(), "btnColorHump");
    Click("btnColorFelgenschuessel");
    EXPECT_EQ(on(), "btnColorFelgenbett btnColorFelgenhorn btnColorFelgenschuessel btnColorFelgenschulter btnColorHump");
    box->Panel()->HighlightComponent(ViewComponent::Radscheibe);
    Click("btnShowMaulweite");
    Click("btnShowDurchmesser");
    Click("btnSchnitt");
    EXPECT_EQ(on(), "btnColorRadschuessel btnSchnitt btnShowDurchmesser");
    QTest::keyClick(Button("btnColorRadschuessel"), Qt::Key_Return);
    EXPECT_EQ(on(), "btnSchnitt btnShowDurchmesser");
}

TEST_F(PanelFeedback, ARefusedStepSaysWhyAtItsButtonForClickAndKeyAlike)
{
    const auto tipSays = [](const char* text) {
        return ServeUntil([&] { return ToolTipShown() && ToolTipText() == QString::fromUtf8(text); });
    };
    const char* const narrowing = "Schmaler als 6 Zoll erst bei einer Einpresstiefe bis 31 mm";
    Click("btnMaulweiteMinus");
    EXPECT_TRUE(tipSays(narrowing));
    QAccessibleInterface* narrower = QAccessible::queryAccessibleInterface(Button("btnMaulweiteMinus"));
    EXPECT_EQ(narrower->text(QAccessible::Description), QString::fromUtf8(narrowing));

    // Steps taken tell nothing and withdraw what no longer holds: the hint is back.
    ClickTimes("btnDurchmesserPlus", 2);
    EXPECT_FALSE(ToolTipShown());
    EXPECT_EQ(narrower->text(QAccessible::Description), QStringLiteral("verkleinern"));
    // Enter's release would hide the tooltip its press showed.
    QTest::keyClick(Button("btnDurchmesserPlus"), Qt::Key_Return);
    EXPECT_TRUE(tipSays("Größter Durchmesser: 17 Zoll"));
}

TEST_F(PanelFeedback, AHeldButtonTakesOneStepWithOneRebuildAndFrameAtATimeUntilReleased)
{
    QAbstractButton* lower = Button("btnEinpresstiefeMinus");
    const ClickEffect held = EffectOf([&] {
        QTest::mousePress(lower, Qt::LeftButton);
        EXPECT_TRUE(ServeUntil([&] { return box->Config().Einpresstiefe <= 30.0; }));
        QTest::mouseRelease(lower, Qt::LeftButton);
    });
    const int steps = 34 - static_cast<int>(box->Config().Einpresstiefe);
    EXPECT_EQ(held.rebuilds, steps);
    EXPECT_GE(held.frames, steps) << "paints of a window another one uncovers may come between";

    // A dialog opened during a hold takes its release: the hold ends there.
    const DialogCounter dialogs;
    QAbstractButton* zoom = Button("SpeedButton5");
    QTest::mousePress(zoom, Qt::LeftButton);
    QMessageBox(QMessageBox::Critical, QStringLiteral("Fehler"), {}, QMessageBox::Ok, box.get()).exec();
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_FALSE(zoom->isDown());
}

}  // namespace

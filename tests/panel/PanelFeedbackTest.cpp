// What the panel tells besides its values: which switches are on, and that
// a held button steps on.

#include "PanelTestSupport.h"

#include "DialogCounter.h"
#include "FrameCapture.h"
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
        for (const char* name : {"btnColorFelgenschuessel", "btnColorFelgenhorn", "btnColorFelgenschulter",
                                 "btnColorHump", "btnColorFelgenbett", "btnColorRadschuessel", "btnShowMaulweite",
                                 "btnShowEinpresstiefe", "btnShowDurchmesser", "btnSchnitt"})
            if (QAccessible::queryAccessibleInterface(Button(name))->state().checked)
                names << QLatin1String(name);
        return names.join(QLatin1Char(' ')).toStdString();
    };
    Click("btnColorFelgenhorn");
    Click("btnColorHump");
    EXPECT_EQ(on(), "btnColorHump");
    Click("btnColorFelgenschuessel");
    EXPECT_EQ(on(),
              "btnColorFelgenschuessel btnColorFelgenhorn btnColorFelgenschulter btnColorHump btnColorFelgenbett");
    box->Panel()->HighlightComponent(ViewComponent::Radscheibe);
    Click("btnShowMaulweite");
    Click("btnShowDurchmesser");
    Click("btnSchnitt");
    EXPECT_EQ(on(), "btnColorRadschuessel btnShowDurchmesser btnSchnitt");
    QTest::keyClick(Button("btnColorRadschuessel"), Qt::Key_Return);
    EXPECT_EQ(on(), "btnShowDurchmesser btnSchnitt");
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

// What the panel tells besides its values: which switches are on.

#include "PanelTestSupport.h"

#include "Unit1.h"

#include <QAbstractButton>
#include <QAccessible>
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

}  // namespace

#include "PanelTestSupport.h"

#include "ConfigInvariants.h"

#include "FrameCapture.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QStringList>

#include <array>
#include <cmath>
#include <map>

namespace {

const QLocale German(QLocale::German, QLocale::Germany);
const QLocale English(QLocale::English, QLocale::UnitedStates);

using PanelCommands = PanelWindowTest;

// Every caption of the panel, by control name.
std::map<QString, QString> Captions(const QWidget* panel)
{
    std::map<QString, QString> captions;
    for (const QLabel* label : panel->findChildren<QLabel*>())
        captions[label->objectName()] = label->text();
    for (const QAbstractButton* button : panel->findChildren<QAbstractButton*>())
        captions[button->objectName()] = button->text();
    return captions;
}

}  // namespace

TEST_F(PanelCommands, EachButtonAppliesItsRuleThenRebuildsOnceAndDrawsOrOnlyDraws)
{
    for (const Control& c : kControls) {
        WheelConfig expected = box->Config();
        c.rule(expected);
        const ClickEffect effect = Click(c.name);
        EXPECT_EQ(effect.rebuilds, c.rebuilds ? 1 : 0) << c.name;
        EXPECT_EQ(effect.frames, 1) << c.name;
        EXPECT_EQ(box->Config().RotAngle, 0.0f) << c.name << ": the frame consumes a pending rotation";
        // What the frame and the rebuild write aside, the click did what its rule does.
        EXPECT_EQ(ChangedGroups(expected, box->Config()) & ~(kRotation | kFrameState), 0u) << c.name;
    }
}

TEST_F(PanelCommands, RotationButtonsTurnTheModelByOneStepPerClick)
{
    struct Turn {
        const char* name;
        float angle;
        std::array<float, 3> axis;
    };
    const Turn turns[] = {
        {"SpeedButton1", -15.0f, {1, 0, 0}},
        {"SpeedButton2", 15.0f, {1, 0, 0}},
        {"SpeedButton3", -15.0f, {0, 1, 0}},
        {"SpeedButton4", 15.0f, {0, 1, 0}},
    };
    for (const Turn& t : turns) {
        const std::array<float, 16> before = box->Config().RotMatrix;
        Click(t.name);
        EXPECT_EQ(box->Config().RotAxis, t.axis) << t.name;
        // The new rotation goes on the left: R(angle about axis) * before.
        const float rad = t.angle * 3.14159265358979f / 180.0f;
        const float c = std::cos(rad);
        const float s = std::sin(rad);
        const std::array<float, 16>& after = box->Config().RotMatrix;
        for (int col = 0; col < 4; ++col) {
            const float x = before[col * 4 + 0];
            const float y = before[col * 4 + 1];
            const float z = before[col * 4 + 2];
            std::array<float, 3> expected;
            if (t.axis[0] == 1.0f)
                expected = {x, c * y - s * z, s * y + c * z};
            else
                expected = {c * x + s * z, y, -s * x + c * z};
            for (int row = 0; row < 3; ++row)
                EXPECT_NEAR(after[col * 4 + row], expected[row], 1e-5f) << t.name << " column " << col;
        }
    }
}

TEST_F(PanelCommands, ZoomButtonsStepTheExtentUntilTheirLimitAndStillDrawEachTime)
{
    float expected = 20.0f;
    for (int i = 0; i < 12; ++i) {
        if (expected < 50.0f)
            expected = static_cast<float>(expected * 1.1);
        const ClickEffect effect = Click("SpeedButton6");
        EXPECT_EQ(effect.frames, 1);
        EXPECT_EQ(effect.rebuilds, 0);
        EXPECT_FLOAT_EQ(box->Config().ZoomExtent, expected) << "zoom out click " << i + 1;
    }
    EXPECT_GT(box->Config().ZoomExtent, 50.0f);
    EXPECT_LT(box->Config().ZoomExtent, 55.0f);

    for (int i = 0; i < 30; ++i) {
        if (expected > 5.0f)
            expected = static_cast<float>(expected * 0.9);
        EXPECT_EQ(Click("SpeedButton5").frames, 1);
        EXPECT_FLOAT_EQ(box->Config().ZoomExtent, expected) << "zoom in click " << i + 1;
    }
    EXPECT_LT(box->Config().ZoomExtent, 5.0f);
    EXPECT_GT(box->Config().ZoomExtent, 4.5f);
}

TEST_F(PanelCommands, LabelsStartWithTheDesignCaptionsAndTheFirstClickInsertsTheBlank)
{
    DefaultLocaleScope locale(German);
    EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 6\""));
    EXPECT_EQ(LabelText("lblDurchmesser"), QStringLiteral("Durchmesser: 15\""));
    EXPECT_EQ(LabelText("lblEinpresstiefe"), QStringLiteral("Einpresstiefe: 34mm"));
    EXPECT_EQ(LabelText("lblLochkreise"), QStringLiteral("Radbolzen: 4"));

    // Refused at 34 mm: the value stays, the text gains its blank, the model is rebuilt.
    const ClickEffect refused = Click("btnMaulweiteMinus");
    EXPECT_EQ(box->Config().Maulweite, 6.0);
    EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 6 \""));
    EXPECT_EQ(refused.rebuilds, 1);
    EXPECT_EQ(refused.frames, 1);

    Click("btnDurchmesserMinus");
    EXPECT_EQ(box->Config().Durchmesser, 14.0);
    EXPECT_DOUBLE_EQ(box->Config().Radius, 14.0 * 2.54 / 4.0);
    EXPECT_EQ(LabelText("lblDurchmesser"), QStringLiteral("Durchmesser: 14 \""));
}

TEST_F(PanelCommands, DimensionLabelsFollowEachRuleUnderAGermanLocale)
{
    DefaultLocaleScope locale(German);

    Click("btnMaulweitePlus");
    EXPECT_EQ(box->Config().Maulweite, 6.5);
    EXPECT_DOUBLE_EQ(box->Config().HalfWidth, 6.5 * 2.54 / 4.0);
    EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 6,5 \""));
    const QLabel* width = Label("lblMaulweiteText");
    EXPECT_GE(width->width(), QFontMetrics(width->font()).horizontalAdvance(width->text()))
        << "the label grows with its text";
    ClickTimes("btnMaulweitePlus", 3);
    EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 8 \""));
    Click("btnMaulweitePlus");
    EXPECT_EQ(box->Config().Maulweite, 8.0);
    EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 8 \""));
    ClickTimes("btnMaulweiteMinus", 4);
    EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 6 \""));

    // Three millimetres less lets the width narrow to 5.5 inches.
    ClickTimes("btnEinpresstiefeMinus", 3);
    EXPECT_EQ(box->Config().Einpresstiefe, 31.0);
    EXPECT_EQ(LabelText("lblEinpresstiefe"), QStringLiteral("Einpresstiefe: 31mm"));
    Click("btnMaulweiteMinus");
    EXPECT_EQ(box->Config().Maulweite, 5.5);
    EXPECT_DOUBLE_EQ(box->Config().HalfWidth, 3.4925);
    EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 5,5 \""));
    Click("btnMaulweitePlus");

    // Down to the lower end of the 6-inch band, then once more: the same text again.
    ClickTimes("btnEinpresstiefeMinus", 39);
    EXPECT_EQ(box->Config().Einpresstiefe, -8.0);
    EXPECT_EQ(LabelText("lblEinpresstiefe"), QStringLiteral("Einpresstiefe: -8mm"));
    const ClickEffect bounded = Click("btnEinpresstiefeMinus");
    EXPECT_EQ(box->Config().Einpresstiefe, -8.0);
    EXPECT_EQ(LabelText("lblEinpresstiefe"), QStringLiteral("Einpresstiefe: -8mm"));
    EXPECT_EQ(bounded.rebuilds, 1);
    Click("btnEinpresstiefePlus");
    EXPECT_EQ(LabelText("lblEinpresstiefe"), QStringLiteral("Einpresstiefe: -7mm"));

    const char* diameters[] = {"Durchmesser: 16 \"", "Durchmesser: 17 \"", "Durchmesser: 17 \""};
    for (const char* text : diameters) {
        Click("btnDurchmesserPlus");
        EXPECT_EQ(LabelText("lblDurchmesser"), QString::fromUtf8(text));
    }
    EXPECT_EQ(box->Config().Durchmesser, 17.0);
    ClickTimes("btnDurchmesserMinus", 5);
    EXPECT_EQ(box->Config().Durchmesser, 13.0);
    EXPECT_EQ(LabelText("lblDurchmesser"), QStringLiteral("Durchmesser: 13 \""));

    const char* boltsUp[] = {"Radbolzen: 5", "Radbolzen: 5"};
    for (const char* text : boltsUp) {
        Click("btnLochkreisePlus");
        EXPECT_EQ(LabelText("lblLochkreise"), QString::fromUtf8(text));
    }
    const char* boltsDown[] = {"Radbolzen: 4", "Radbolzen: 3", "Radbolzen: 3"};
    for (const char* text : boltsDown) {
        Click("btnLochkreiseMinus");
        EXPECT_EQ(LabelText("lblLochkreise"), QString::fromUtf8(text));
    }
    EXPECT_EQ(box->Config().Radbolzen, 3);
}

TEST_F(PanelCommands, DimensionLabelsUseAPointUnderEnglishAndCLocales)
{
    for (const QLocale& l : {English, QLocale::c()}) {
        DefaultLocaleScope locale(l);
        box.reset();
        box = std::make_unique<TOpenGL_box>();
        ASSERT_TRUE(ShowAndExpose(*box));
        ClickTimes("btnEinpresstiefeMinus", 8);
        Click("btnMaulweiteMinus");
        EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 5.5 \"")) << l.name().toStdString();
        Click("btnMaulweitePlus");
        Click("btnMaulweitePlus");
        EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 6.5 \"")) << l.name().toStdString();
        EXPECT_EQ(LabelText("lblEinpresstiefe"), QStringLiteral("Einpresstiefe: 26mm"));
    }
}

TEST_F(PanelCommands, HalfSectionButtonNamesTheViewItSwitchesTo)
{
    const char* captions[] = {"Volldarstellung", "Halbschnitt", "Volldarstellung"};
    EXPECT_EQ(Button("btnSchnitt")->text(), QStringLiteral("Halbschnitt"));
    for (const char* caption : captions) {
        Click("btnSchnitt");
        EXPECT_EQ(Button("btnSchnitt")->text(), QString::fromUtf8(caption));
        const double first = box->Config().Halbschnitt ? -1.0 : 0.0;
        EXPECT_EQ(box->Config().ClipEquation, (std::array<double, 4>{first, 0.0, 0.0, 0.0}));
    }
    EXPECT_TRUE(box->Config().Halbschnitt);
}

TEST_F(PanelCommands, ToggleAndStyleButtonsSwitchTheirFlagsAndChangeNoCaption)
{
    const std::map<QString, QString> before = Captions(box->Panel());
    const WheelConfig& c = box->Config();

    Click("btnStyle");
    EXPECT_EQ(c.StyleMode, 2);
    ClickTimes("btnStyle", 2);
    EXPECT_EQ(c.StyleMode, 1);

    const std::pair<bool, bool> humps[] = {{true, false}, {false, false}, {true, true}};
    for (const auto& [front, back] : humps) {
        Click("btnStyleHump");
        EXPECT_EQ(c.HumpFront, front);
        EXPECT_EQ(c.HumpBack, back);
    }
    Click("btnStyleFelgenbett");
    EXPECT_FALSE(c.Tiefbett);
    Click("btnStyleFelgenbett");
    EXPECT_TRUE(c.Tiefbett);

    Click("btnShowMaulweite");
    Click("btnShowDurchmesser");
    EXPECT_FALSE(c.ShowMaulweite);
    EXPECT_TRUE(c.ShowDurchmesser);
    Click("btnShowEinpresstiefe");
    EXPECT_TRUE(c.ShowEinpresstiefe);
    EXPECT_FALSE(c.ShowDurchmesser);
    Click("btnShowEinpresstiefe");
    EXPECT_FALSE(c.ShowEinpresstiefe);

    const auto rim = [&c] {
        return std::array<bool, 6>{c.ColorFelgenschuessel, c.ColorFelgenhorn, c.ColorFelgenschulter,
                                   c.ColorHump, c.ColorFelgenbett, c.ColorRadschuessel};
    };
    Click("btnColorRadschuessel");
    EXPECT_EQ(rim(), (std::array<bool, 6>{false, false, false, false, false, true}));
    Click("btnColorFelgenschuessel");
    EXPECT_EQ(rim(), (std::array<bool, 6>{true, true, true, true, true, false}));
    Click("btnColorFelgenhorn");
    EXPECT_EQ(rim(), (std::array<bool, 6>{}));
    Click("btnColorFelgenhorn");
    EXPECT_EQ(rim(), (std::array<bool, 6>{false, true, false, false, false, false}));
    Click("btnColorFelgenschulter");
    EXPECT_EQ(rim(), (std::array<bool, 6>{false, false, true, false, false, false}));
    Click("btnColorHump");
    EXPECT_EQ(rim(), (std::array<bool, 6>{false, false, false, true, false, false}));
    Click("btnColorFelgenbett");
    EXPECT_EQ(rim(), (std::array<bool, 6>{false, false, false, false, true, false}));

    EXPECT_EQ(Captions(box->Panel()), before);
}

TEST_F(PanelCommands, ValueLabelsReportTheirCurrentTextToAssistiveTools)
{
    DefaultLocaleScope locale(German);
    Click("btnMaulweitePlus");
    Click("btnEinpresstiefeMinus");
    for (const char* name : {"lblMaulweiteText", "lblDurchmesser", "lblEinpresstiefe", "lblLochkreise"}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Label(name));
        ASSERT_NE(accessible, nullptr) << name;
        EXPECT_EQ(accessible->text(QAccessible::Name), LabelText(name)) << name;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Label("lblMaulweiteText"))->text(QAccessible::Name),
              QStringLiteral("Maulweite: 6,5 \""));
    // The half section's button is named for what it switches, whatever its caption.
    QAccessibleInterface* section = QAccessible::queryAccessibleInterface(Button("btnSchnitt"));
    Click("btnSchnitt");
    EXPECT_EQ(section->text(QAccessible::Name), QStringLiteral("Halbschnitt"));
}

TEST_F(PanelCommands, MarkingAndTheViewsDescriptionFollowTheCommandsThatChangeThem)
{
    DefaultLocaleScope locale(German);
    const auto description = [this] { return box->ViewWidget()->accessibleDescription().toStdString(); };
    EXPECT_EQ(LabelText("lblFelgenbezeichnung"), QStringLiteral("6J x 15 H2 ET34"));
    EXPECT_EQ(description(),
              "Felge 6J x 15 H2 ET34 mit 4 Radbolzen, Tiefbett, Hump vorn und hinten. Hervorgehoben: nichts.");

    const std::pair<const char*, const char*> steps[] = {
        {"btnMaulweitePlus", "6,5J x 15 H2 ET34"},  {"btnStyleFelgenbett", "6,5J - 15 H2 ET34"},
        {"btnStyleHump", "6,5J - 15 H ET34"},       {"btnDurchmesserMinus", "6,5J - 14 H ET34"},
        {"btnEinpresstiefeMinus", "6,5J - 14 H ET33"}, {"btnColorFelgenhorn", "6,5J - 14 H ET33"},
        {"btnShowDurchmesser", "6,5J - 14 H ET33"},
    };
    for (const auto& [button, marking] : steps) {
        Click(button);
        EXPECT_EQ(LabelText("lblFelgenbezeichnung"), QString::fromUtf8(marking)) << button;
        EXPECT_EQ(description().rfind(std::string("Felge ") + marking + " ", 0), 0u) << button;
    }
    EXPECT_NE(description().find("Hervorgehoben: Felgenhorn. Bemaßt: Durchmesser 14 Zoll."), std::string::npos)
        << description();
    // A view command changes neither.
    Click("SpeedButton4");
    EXPECT_EQ(LabelText("lblFelgenbezeichnung"), QStringLiteral("6,5J - 14 H ET33"));
}

TEST_F(PanelCommands, ATypedMarkingSetsItsRimAsOneCommandOrSaysWhyItCannot)
{
    DefaultLocaleScope locale(German);
    auto* field = box->Panel()->findChild<QLineEdit*>(QStringLiteral("edtFelgenbezeichnung"));
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(ActivateForKeys(*box));
    QTest::keyClick(box.get(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(ServeUntil([field] { return field->hasFocus(); }));
    EXPECT_EQ(field->selectedText(), QStringLiteral("6J x 15 H2 ET34"));
    const auto enter = [&](const char* typed) {
        return EffectOf([&] {
            field->selectAll();
            QTest::keyClicks(field, QString::fromUtf8(typed));
            QTest::keyClick(field, Qt::Key_Return);
        });
    };
    const ClickEffect applied = enter("7,5j-16 h et35");
    EXPECT_EQ(applied.rebuilds, 1);
    EXPECT_EQ(applied.frames, 1);
    EXPECT_EQ(LabelText("lblMaulweiteText"), QStringLiteral("Maulweite: 7,5 \""));
    EXPECT_EQ(LabelText("lblDurchmesser"), QStringLiteral("Durchmesser: 16 \""));
    EXPECT_EQ(LabelText("lblEinpresstiefe"), QStringLiteral("Einpresstiefe: 35mm"));
    EXPECT_EQ(LabelText("lblFelgenbezeichnung"), QStringLiteral("7,5J - 16 H ET35"));
    EXPECT_EQ(field->text(), QStringLiteral("7,5J - 16 H ET35"));
    EXPECT_TRUE(box->ViewWidget()->accessibleDescription().startsWith(QStringLiteral("Felge 7,5J - 16 H ET35 ")));

    const WheelConfig before = box->Config();
    const ClickEffect refused = enter("9J x 15");
    EXPECT_EQ(refused.rebuilds + refused.frames, 0);
    EXPECT_EQ(ChangedGroups(before, box->Config()), 0u);
    const auto* problem = box->Panel()->findChild<QLabel*>(QStringLiteral("lblMarkingProblem"));
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(problem->text(), QStringLiteral("Maulweite 9 Zoll: möglich sind 4 bis 8 Zoll"));
    // Escape puts the rim's marking back, and the message goes.
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), QStringLiteral("7,5J - 16 H ET35"));
    EXPECT_FALSE(problem->isVisible());
    EXPECT_TRUE(field->toolTip().contains(QStringLiteral("7,5J: Maulweite 7,5 Zoll, Hornform J · -: Flachbett")));
}

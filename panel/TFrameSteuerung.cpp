#include "Unit1.h"

#include "MarkingField.h"
#include "MarkingReader.h"
#include "PanelButtonStyle.h"
#include "PanelFonts.h"
#include "PanelTexts.h"
#include "RimMarking.h"
#include "SceneHost.h"
#include "StepHints.h"
#include "TShape.h"
#include "ToggleButtons.h"
#include "WheelConfig.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);

// The panel is one light design whatever the desktop's colour scheme: where
// it sets a background it sets the text drawn on it too, in every colour
// group, so that a dark scheme's light text never lands on its white. Its
// buttons are part of that design: drawn by Fusion, which paints with the
// colours it is given, in the light palette they have on a light desktop. A
// dark style paints its own dark faces, and dims their text below what stays
// legible while the window is in the background. Dialogs are windows of
// their own and keep the desktop's scheme. Returns the buttons' style, which
// marks the focused control and the switches that are on.
QStyle* SetPanelDesign(QWidget* panel)
{
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QPalette p = fusion->standardPalette();
    auto* style = new PanelButtonStyle(fusion);
    style->setParent(panel);
    style->setObjectName(QStringLiteral("PanelButtonStyle"));
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(p);
    panel->setAutoFillBackground(true);
    return style;
}

void SetColors(QWidget* w, const QColor& text, const QColor& background)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

TFrameSteuerung::TFrameSteuerung(WheelConfig& config, SceneHost& host, QWidget* parent)
    : QWidget(parent)
    , Config(config)
    , Host(host)
{
    RegisterPanelFonts();
    setObjectName(QStringLiteral("FrameSteuerung1"));
    ButtonStyle = SetPanelDesign(this);
    setFont(PanelFont(TahomaFamily, 11));
    setFixedWidth(PanelWidth);
    window()->installEventFilter(this);

    CreateShapes();
    CreateLabels();
    CreateSpeedButtons();
    CreatePushButtons();

    Marking = new MarkingField(*lblFelgenbezeichnung);
    Marking->setStyle(ButtonStyle);
    setTabOrder(TabChain.back(), Marking);
    connect(Marking, &MarkingField::MarkingEntered, this, &TFrameSteuerung::ApplyMarking);

    // Below the marking's white frame, to the panel's foot at the window's
    // least height: three lines.
    lblVergleich = new QLabel(this);
    lblVergleich->setObjectName(QStringLiteral("lblVergleich"));
    lblVergleich->setGeometry(7, 556, 185, 44);
    lblVergleich->setFont(PanelFont(TahomaFamily, 11));
    lblVergleich->setTextFormat(Qt::PlainText);
    lblVergleich->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblVergleich->hide();
}

void TFrameSteuerung::CreateShapes()
{
    struct ShapeSpec {
        const char* name;
        QRect geometry;
        QColor border;
        QColor fill;
    };
    const ShapeSpec shapes[] = {
        {"Shape4", {8, 8, 185, 33}, Qt::black, Qt::black},
        {"Shape2", {8, 56, 185, 89}, Silver, Qt::white},
        {"Shape1", {7, 160, 185, 129}, Silver, Qt::white},
        {"Shape3", {7, 304, 185, 177}, Silver, Qt::white},
        {"Shape5", {7, 496, 185, 57}, Silver, Qt::white},
    };
    for (const ShapeSpec& s : shapes) {
        auto* shape = new TShape(s.border, s.fill, this);
        shape->setObjectName(QLatin1String(s.name));
        shape->setGeometry(s.geometry);
        shape->lower();
    }
}

void TFrameSteuerung::CreateLabels()
{
    enum class Kind { HeaderWhite, HeaderRed, Section, Value, Component, Marking };
    struct LabelSpec {
        QLabel* TFrameSteuerung::*member;
        const char* name;
        QRect geometry;
        QString caption;
        Kind kind;
    };
    const LabelSpec labels[] = {
        {nullptr, "Label2", {35, 12, 63, 25}, QStringLiteral("Marlo"), Kind::HeaderWhite},
        {nullptr, "Label3", {101, 12, 65, 25}, QStringLiteral("Quent"), Kind::HeaderRed},
        {nullptr, "Label1", {8, 56, 185, 25}, QStringLiteral("Darstellung"), Kind::Section},
        {nullptr, "Label5", {7, 160, 185, 25}, QStringLiteral("Bemaßung"), Kind::Section},
        {nullptr, "Label6", {7, 304, 185, 25}, QStringLiteral("Bauteile"), Kind::Section},
        {&TFrameSteuerung::lblMaulweiteText, "lblMaulweiteText", {16, 192, 79, 16},
         QStringLiteral("Maulweite: 6\""), Kind::Value},
        {&TFrameSteuerung::lblDurchmesser, "lblDurchmesser", {16, 216, 103, 16},
         QStringLiteral("Durchmesser: 15\""), Kind::Value},
        {&TFrameSteuerung::lblEinpresstiefe, "lblEinpresstiefe", {16, 240, 118, 16},
         QStringLiteral("Einpresstiefe: 34mm"), Kind::Value},
        {&TFrameSteuerung::lblLochkreise, "lblLochkreise", {16, 264, 75, 16}, QStringLiteral("Radbolzen: 4"),
         Kind::Value},
        {nullptr, "lblFelgenschuessel", {16, 336, 108, 16}, QStringLiteral("1. Felgenschüssel"), Kind::Component},
        {nullptr, "lblFelgenhorn", {32, 360, 88, 16}, PartCaption(ViewComponent::Felgenhorn), Kind::Component},
        {nullptr, "lblFelgenschulter", {32, 384, 108, 16}, PartCaption(ViewComponent::Felgenschulter), Kind::Component},
        {nullptr, "lblHump", {32, 408, 56, 16}, PartCaption(ViewComponent::Hump), Kind::Component},
        {nullptr, "lblFelgenbett", {32, 432, 84, 16}, PartCaption(ViewComponent::Felgenbett), Kind::Component},
        {nullptr, "lblRadscheibe", {16, 456, 87, 16}, PartCaption(ViewComponent::Radscheibe), Kind::Component},
        {nullptr, "Label7", {7, 496, 185, 25}, QStringLiteral("Felgenbezeichnung"), Kind::Section},
        {&TFrameSteuerung::lblFelgenbezeichnung, "lblFelgenbezeichnung", {7, 527, 185, 20},
         QStringLiteral("6J x 15 H2 ET34"), Kind::Marking},
    };
    for (const LabelSpec& s : labels) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(s.name));
        label->setGeometry(s.geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        switch (s.kind) {
        case Kind::HeaderWhite:
        case Kind::HeaderRed:
            label->setFont(PanelFont(CondensedFamily, 21, true));
            SetColors(label, s.kind == Kind::HeaderWhite ? Qt::white : Qt::red, Qt::black);
            break;
        case Kind::Section:
            label->setFont(PanelFont(SectionFamily, 13, true));
            label->setAlignment(Qt::AlignCenter);
            SetColors(label, Qt::black, Silver);
            break;
        case Kind::Value:
            label->setFont(PanelFont(TahomaFamily, 13));
            break;
        case Kind::Component:
            label->setFont(PanelFont(CondensedFamily, 13));
            break;
        case Kind::Marking:
            label->setFont(PanelFont(TahomaFamily, 15, true));
            label->setAlignment(Qt::AlignCenter);
            break;
        }
        if (s.kind == Kind::Section || s.kind == Kind::Marking)
            label->setText(s.caption);
        else
            SetLabelCaption(label, s.caption);
        if (s.member)
            this->*s.member = label;
    }
}

void TFrameSteuerung::CreateSpeedButtons()
{
    struct SpeedSpec {
        const char* name;
        QPoint position;
        QString face;
        Qt::ArrowType arrow;
        QString hint;
        void (TFrameSteuerung::*handler)();
    };
    const SpeedSpec buttons[] = {
        {"SpeedButton6", {16, 88}, QStringLiteral("-"), Qt::NoArrow, QStringLiteral("verkleinern"),
         &TFrameSteuerung::SpeedButton6Click},
        {"SpeedButton1", {40, 88}, {}, Qt::UpArrow, QStringLiteral("drehen nach oben"),
         &TFrameSteuerung::SpeedButton1Click},
        {"SpeedButton5", {64, 88}, QStringLiteral("+"), Qt::NoArrow, QStringLiteral("vergrößern"),
         &TFrameSteuerung::SpeedButton5Click},
        {"SpeedButton3", {16, 112}, {}, Qt::LeftArrow, QStringLiteral("drehen nach links"),
         &TFrameSteuerung::SpeedButton3Click},
        {"SpeedButton2", {40, 112}, {}, Qt::DownArrow, QStringLiteral("drehen nach unten"),
         &TFrameSteuerung::SpeedButton2Click},
        {"SpeedButton4", {64, 112}, {}, Qt::RightArrow, QStringLiteral("drehen nach rechts"),
         &TFrameSteuerung::SpeedButton4Click},
    };
    for (const SpeedSpec& s : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(s.name));
        button->setGeometry(QRect(s.position, QSize(25, 25)));
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyle(ButtonStyle);
        if (s.arrow == Qt::NoArrow) {
            button->setFont(PanelFont(TahomaFamily, 13));
            button->setText(s.face);
        } else {
            button->setArrowType(s.arrow);
        }
        button->setToolTip(s.hint);
        button->setAccessibleName(s.hint);
        // Held, a view button steps on as a spin box's arrows do.
        button->setAutoRepeat(true);
        connect(button, &QToolButton::clicked, this, s.handler);
    }
}

void TFrameSteuerung::CreatePushButtons()
{
    struct PushSpec {
        const char* name;
        QRect geometry;
        QString caption;
        QString hint;
        QString accessibleName;  // empty: the caption names the button
        int tabOrder;
        void (TFrameSteuerung::*handler)();
    };
    const QString grow = QStringLiteral("vergrößern");
    const QString shrink = QStringLiteral("verkleinern");
    const QString toggle = QStringLiteral("ein-/ ausblenden");
    const QString restyle = QStringLiteral("Darstellung ändern");
    const QString plus = QStringLiteral("+");
    const QString minus = QStringLiteral("-");
    const QString query = QStringLiteral("?");
    const QString style = QStringLiteral("Style");
    const auto named = [](const char* subject, const QString& hint) {
        return QString::fromUtf8(subject) + QLatin1Char(' ') + hint;
    };
    const auto styled = [](const char* subject, const QString& hint) {
        return QString::fromUtf8(subject) + QStringLiteral(": ") + hint;
    };
    // A switch is named for what it switches on; its state says whether it is.
    const auto lit = [](const char* part) { return QString::fromUtf8(part) + QStringLiteral(" hervorheben"); };
    const auto measured = [](const char* size) { return QString::fromUtf8(size) + QStringLiteral(" bemaßen"); };
    using F = TFrameSteuerung;
    const PushSpec buttons[] = {
        {"btnSchnitt", {96, 88, 89, 25}, QStringLiteral("Halbschnitt"), restyle, QStringLiteral("Halbschnitt"), 5,
         &F::btnSchnittClick},
        {"btnStyle", {96, 112, 89, 25}, style, restyle, styled("Style", restyle), 4, &F::btnStyleClick},
        {"btnMaulweitePlus", {136, 192, 17, 17}, plus, grow, named("Maulweite", grow), 2, &F::btnMaulweitePlusClick},
        {"btnMaulweiteMinus", {152, 192, 17, 17}, minus, shrink, named("Maulweite", shrink), 3,
         &F::btnMaulweiteMinusClick},
        {"btnShowMaulweite", {168, 192, 17, 17}, query, toggle, measured("Maulweite"), 6,
         &F::btnShowMaulweiteClick},
        {"btnDurchmesserPlus", {136, 216, 17, 17}, plus, grow, named("Durchmesser", grow), 0,
         &F::btnDurchmesserPlusClick},
        {"btnDurchmesserMinus", {152, 216, 17, 17}, minus, shrink, named("Durchmesser", shrink), 1,
         &F::btnDurchmesserMinusClick},
        {"btnShowDurchmesser", {168, 216, 17, 17}, query, toggle, measured("Durchmesser"), 7,
         &F::btnShowDurchmesserClick},
        {"btnEinpresstiefePlus", {136, 240, 17, 17}, plus, grow, named("Einpresstiefe", grow), 8,
         &F::btnEinpresstiefePlusClick},
        {"btnEinpresstiefeMinus", {152, 240, 17, 17}, minus, shrink, named("Einpresstiefe", shrink), 9,
         &F::btnEinpresstiefeMinusClick},
        {"btnShowEinpresstiefe", {168, 240, 17, 17}, query, toggle, measured("Einpresstiefe"), 10,
         &F::btnShowEinpresstiefeClick},
        {"btnLochkreisePlus", {136, 264, 17, 17}, plus, grow, named("Radbolzen", grow), 11,
         &F::btnLochkreisePlusClick},
        {"btnLochkreiseMinus", {152, 264, 17, 17}, minus, shrink, named("Radbolzen", shrink), 12,
         &F::btnLochkreiseMinusClick},
        {"btnColorFelgenschuessel", {168, 336, 17, 17}, query, toggle, lit("Felgenschüssel"), 19,
         &F::btnColorFelgenschuesselClick},
        {"btnColorFelgenhorn", {168, 360, 17, 17}, query, toggle, lit("Felgenhorn"), 15,
         &F::btnColorFelgenhornClick},
        {"btnColorFelgenschulter", {168, 384, 17, 17}, query, toggle, lit("Felgenschulter"), 16,
         &F::btnColorFelgenschulterClick},
        {"btnStyleHump", {128, 408, 33, 17}, style, restyle, styled("Hump", restyle), 14, &F::btnStyleHumpClick},
        {"btnColorHump", {168, 408, 17, 17}, query, toggle, lit("Hump"), 17, &F::btnColorHumpClick},
        {"btnStyleFelgenbett", {128, 432, 33, 17}, style, restyle, styled("Felgenbett", restyle), 13,
         &F::btnStyleFelgenbettClick},
        {"btnColorFelgenbett", {168, 432, 17, 17}, query, toggle, lit("Felgenbett"), 18,
         &F::btnColorFelgenbettClick},
        {"btnColorRadschuessel", {168, 456, 17, 17}, query, toggle, lit("Radscheibe"), 20,
         &F::btnColorRadschuesselClick},
    };

    std::vector<std::pair<int, QPushButton*>> tabChain;
    for (const PushSpec& s : buttons) {
        auto* button = new QPushButton(s.caption, this);
        button->setObjectName(QLatin1String(s.name));
        button->setGeometry(s.geometry);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setStyle(ButtonStyle);
        button->setToolTip(s.hint);
        if (!s.accessibleName.isEmpty())
            button->setAccessibleName(s.accessibleName);
        // Held, a dimension step repeats as a spin box's arrows do.
        button->setAutoRepeat(s.caption == plus || s.caption == minus);
        connect(button, &QPushButton::clicked, this, s.handler);
        button->installEventFilter(this);
        tabChain.emplace_back(s.tabOrder, button);
    }
    btnSchnitt = findChild<QPushButton*>(QStringLiteral("btnSchnitt"), Qt::FindDirectChildrenOnly);
    MakeToggleButtonsCheckable(*this);
    std::sort(tabChain.begin(), tabChain.end());
    for (const auto& [order, button] : tabChain)
        TabChain.push_back(button);
    for (std::size_t i = 1; i < TabChain.size(); ++i)
        setTabOrder(TabChain[i - 1], TabChain[i]);
}

QWidget* TFrameSteuerung::FirstInTabOrder() const
{
    return TabChain.front();
}

QWidget* TFrameSteuerung::LastInTabOrder() const
{
    return Marking;
}

bool TFrameSteuerung::eventFilter(QObject* watched, QEvent* event)
{
    // A modal dialog takes the mouse and keys from the window: a held button
    // would never see its release and would step on behind the dialog.
    if (watched == window()) {
        if (event->type() == QEvent::WindowBlocked)
            for (auto* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
                button->setDown(false);
        return QWidget::eventFilter(watched, event);
    }
    // Enter presses the focused button as Space does: once a press, never
    // by auto-repeat. Outside a dialog a push button ignores Enter itself.
    // Its release hides any tooltip, so a refused step's reason comes back.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            auto* button = static_cast<QPushButton*>(watched);
            if (!key->isAutoRepeat() && event->type() == QEvent::KeyPress)
                button->click();
            else if (!key->isAutoRepeat())
                ShowStepRefusalAgain(*button);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFrameSteuerung::SetLabelCaption(QLabel* label, const QString& caption)
{
    // Labels fit their text, as long as it is.
    label->setText(caption);
    label->resize(label->sizeHint().width(), label->height());
}

void TFrameSteuerung::ShowMarking()
{
    const std::string separator = DecimalSeparator();
    const QString marking = QString::fromStdString(RimMarking(Config, separator));
    lblFelgenbezeichnung->setText(marking);
    Marking->ShowRim(marking, QString::fromStdString(ExplainRimMarking(Config, separator)));
}

void TFrameSteuerung::Rebuild()
{
    ShowMarking();
    ShowToggleStates(Config, *this);
    Host.BuildWheelList();
    Host.RenderScene();
}

void TFrameSteuerung::Frame()
{
    Host.RenderScene();
}

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
    for (const SpeedButtonRow& s : SpeedButtonTable()) {
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
    PushButtons = PushButtonTable();
    std::vector<std::pair<int, QPushButton*>> tabChain;
    for (PushButtonRow& row : PushButtons) {
        auto* button = new QPushButton(row.caption, this);
        button->setObjectName(QLatin1String(row.name));
        button->setGeometry(row.geometry);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setStyle(ButtonStyle);
        button->setToolTip(row.hint);
        if (!row.accessibleName.isEmpty())
            button->setAccessibleName(row.accessibleName);
        // Held, a dimension step repeats as a spin box's arrows do.
        button->setAutoRepeat(row.step.has_value());
        // A switch that is on is drawn pressed and reported checked.
        button->setCheckable(row.toggle.has_value());
        connect(button, &QPushButton::clicked, this, row.handler);
        button->installEventFilter(this);
        tabChain.emplace_back(row.tabOrder, button);
        row.button = button;
        if (row.toggle == Toggle::Halbschnitt)
            btnSchnitt = button;
    }
    std::sort(tabChain.begin(), tabChain.end());
    for (const auto& [order, button] : tabChain)
        TabChain.push_back(button);
    for (std::size_t i = 1; i < TabChain.size(); ++i)
        setTabOrder(TabChain[i - 1], TabChain[i]);
}

QLabel* TFrameSteuerung::Comparison()
{
    if (lblVergleich)
        return lblVergleich;
    // Below the marking's white frame, to the panel's foot at the window's
    // least height: three lines.
    lblVergleich = new QLabel(this);
    lblVergleich->setObjectName(QStringLiteral("lblVergleich"));
    lblVergleich->setGeometry(7, 556, 185, 44);
    lblVergleich->setFont(PanelFont(TahomaFamily, 11));
    lblVergleich->setTextFormat(Qt::PlainText);
    lblVergleich->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Right after the marking field, under the marking's problem, which
    // shares its place: stacked, and read, as if made with the field.
    lblVergleich->stackUnder(Marking);
    Marking->stackUnder(lblVergleich);
    return lblVergleich;
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
    ShowToggleStates(Config, PushButtons);
    Host.BuildWheelList();
    Host.RenderScene();
}

void TFrameSteuerung::Frame()
{
    Host.RenderScene();
}

#pragma once

#include "PanelButtons.h"
#include "PanelRequests.h"
#include "ViewComponent.h"

#include <QWidget>

#include <vector>

class MarkingField;
class QLabel;
class QPushButton;
class QStyle;
enum class ViewStep;
struct MarkedRim;
struct WheelConfig;
class SceneHost;

// The control panel along the window's left edge: each button applies one
// rule to the configuration, rewrites its value label where it has one, and
// then has the host rebuild the wheel and draw, or only draw.
//
// Value labels are written with the application's default locale, QLocale(),
// which is the user's system locale unless the program sets another default.
class TFrameSteuerung : public QWidget, public PanelRequests {
    Q_OBJECT
public:
    TFrameSteuerung(WheelConfig& config, SceneHost& host, QWidget* parent);

    // The panel's fixed width; the view takes the rest of the window. Its
    // controls reach down to its height.
    static constexpr int PanelWidth = 200;
    static constexpr int PanelHeight = 600;

    // The panel's push buttons as designed, before any is made.
    static std::vector<PushButtonRow> PushButtonTable();

    // The ends of the panel's tab order, for the window to continue it.
    QWidget* FirstInTabOrder() const;
    QWidget* LastInTabOrder() const;

    // A part of the wheel highlighted, or no longer, as its "?" button does
    // it; anything else changes nothing.
    void HighlightComponent(ViewComponent component) override;
    // The focus to the marking, all of it selected, for a new one to be typed.
    void EditMarking() override;
    // A typed marking: its rim as one command, with one rebuild and frame and
    // every label rewritten; or, where it cannot be read or set, the reason
    // beside the field and nothing changed.
    void ApplyMarking(const QString& marking);
    // The reference's marking and the current rim's differences to it,
    // below the marking; nothing without a reference.
    void ShowComparison(const WheelConfig* reference);
    // The rim given, as a marking that was read gives it.
    void SetRim(const MarkedRim& rim);
    // The marking of the configuration, in its box and field.
    void ShowMarking();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateShapes();
    void CreateLabels();
    void CreateSpeedButtons();
    void CreatePushButtons();
    static std::vector<SpeedButtonRow> SpeedButtonTable();
    // The comparison's text, made when first shown.
    QLabel* Comparison();
    // Every value label rewritten from the configuration; Rebuild writes the marking.
    void ShowValues();
    // The one value label rewritten.
    void ShowValue(QLabel* label);

    void Rebuild();
    void Frame();
    void SetLabelCaption(QLabel* label, const QString& caption);

    // The commands' kinds: a rule, then the rebuild; a view step, then only
    // a frame; a dimension step, then its label rewritten, the rebuild, and
    // at its button the reason where the rule refused the step.
    template <typename... Args>
    void Command(void (*rule)(WheelConfig&, Args...), Args... args);
    void ViewCommand(ViewStep step);
    void Step(DimensionStep step, void (*rule)(WheelConfig&), QLabel* label);

    void SpeedButton6Click();
    void SpeedButton5Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void btnSchnittClick();
    void btnStyleClick();
    void btnMaulweitePlusClick();
    void btnMaulweiteMinusClick();
    void btnShowMaulweiteClick();
    void btnDurchmesserPlusClick();
    void btnDurchmesserMinusClick();
    void btnShowDurchmesserClick();
    void btnEinpresstiefePlusClick();
    void btnEinpresstiefeMinusClick();
    void btnShowEinpresstiefeClick();
    void btnLochkreisePlusClick();
    void btnLochkreiseMinusClick();
    void btnColorFelgenschuesselClick();
    void btnColorFelgenhornClick();
    void btnColorFelgenschulterClick();
    void btnStyleHumpClick();
    void btnColorHumpClick();
    void btnStyleFelgenbettClick();
    void btnColorFelgenbettClick();
    void btnColorRadschuesselClick();

    WheelConfig& Config;
    SceneHost& Host;

    QLabel* lblMaulweiteText = nullptr;
    QLabel* lblDurchmesser = nullptr;
    QLabel* lblEinpresstiefe = nullptr;
    QLabel* lblLochkreise = nullptr;
    QLabel* lblFelgenbezeichnung = nullptr;
    MarkingField* Marking = nullptr;
    QLabel* lblVergleich = nullptr;
    QPushButton* btnSchnitt = nullptr;
    std::vector<PushButtonRow> PushButtons;
    std::vector<QPushButton*> TabChain;
    QStyle* ButtonStyle = nullptr;  // the panel's own, drawn in its light design
};

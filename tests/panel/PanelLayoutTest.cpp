#include "PanelTestSupport.h"

#include "ControlTable.h"

#include "FrameCapture.h"
#include "Unit1.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace {

using PanelLayout = PanelWindowTest;

enum class Kind { Shape, Label, FitLabel, Speed, Push };

struct ControlSpec {
    Kind kind;
    const char* name;
    QRect geometry;
    const char* family;  // requested face; nullptr for the arrows and shapes
    int pixelSize;
    bool bold;
    const char* caption;
    const char* hint;
    int tabOrder;  // push buttons only
    const char* accessibleName;
    Qt::ArrowType arrow;
};

// Labels that fit their text are held to their designed widths within the
// widest gap the faces allow: Wine's Tahoma shares Windows' advance widths,
// while the component labels' face draws "1. Felgenschüssel" and
// "2. Radscheibe" 4 pixels short. A pixel size up or down misses by 5 pixels
// or more, the bitmap MS Sans Serif by 23 and the default DejaVu Sans by 14.
constexpr int LabelWidthSlack = 4;

const char* const Tahoma = "Tahoma";
const char* const Verdana = "Verdana";
const char* const Condensed = "DejaVu Sans Condensed";

const std::vector<ControlSpec>& Controls()
{
    static const std::vector<ControlSpec> controls = {
        {Kind::Shape, "Shape4", {8, 8, 185, 33}, nullptr, 0, false, nullptr, nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::Shape, "Shape2", {8, 56, 185, 89}, nullptr, 0, false, nullptr, nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::Shape, "Shape1", {7, 160, 185, 129}, nullptr, 0, false, nullptr, nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::Shape, "Shape3", {7, 304, 185, 177}, nullptr, 0, false, nullptr, nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::Shape, "Shape5", {7, 496, 185, 57}, nullptr, 0, false, nullptr, nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::FitLabel, "Label2", {35, 12, 63, 25}, Condensed, 21, true, "Marlo", nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::FitLabel, "Label3", {101, 12, 65, 25}, Condensed, 21, true, "Quent", nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::Label, "Label1", {8, 56, 185, 25}, Verdana, 13, true, "Darstellung", nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::Label, "Label5", {7, 160, 185, 25}, Verdana, 13, true, "Bemaßung", nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::Label, "Label6", {7, 304, 185, 25}, Verdana, 13, true, "Bauteile", nullptr, -1, nullptr, Qt::NoArrow},
        {Kind::Label, "Label7", {7, 496, 185, 25}, Verdana, 13, true, "Felgenbezeichnung", nullptr, -1, nullptr,
         Qt::NoArrow},
        {Kind::Label, "lblFelgenbezeichnung", {7, 527, 185, 20}, Tahoma, 15, true, "6J x 15 H2 ET34", nullptr, -1,
         nullptr, Qt::NoArrow},
        {Kind::FitLabel, "lblMaulweiteText", {16, 192, 79, 16}, Tahoma, 13, false, "Maulweite: 6\"", nullptr, -1,
         nullptr, Qt::NoArrow},
        {Kind::FitLabel, "lblDurchmesser", {16, 216, 103, 16}, Tahoma, 13, false, "Durchmesser: 15\"", nullptr, -1,
         nullptr, Qt::NoArrow},
        {Kind::FitLabel, "lblEinpresstiefe", {16, 240, 118, 16}, Tahoma, 13, false, "Einpresstiefe: 34mm", nullptr,
         -1, nullptr, Qt::NoArrow},
        {Kind::FitLabel, "lblLochkreise", {16, 264, 75, 16}, Tahoma, 13, false, "Radbolzen: 4", nullptr, -1, nullptr,
         Qt::NoArrow},
        {Kind::FitLabel, "lblFelgenschuessel", {16, 336, 108, 16}, Condensed, 13, false, "1. Felgenschüssel", nullptr,
         -1, nullptr, Qt::NoArrow},
        {Kind::FitLabel, "lblFelgenhorn", {32, 360, 88, 16}, Condensed, 13, false, "1.1 Felgenhorn", nullptr, -1,
         nullptr, Qt::NoArrow},
        {Kind::FitLabel, "lblFelgenschulter", {32, 384, 108, 16}, Condensed, 13, false, "1.2 Felgenschulter", nullptr,
         -1, nullptr, Qt::NoArrow},
        {Kind::FitLabel, "lblHump", {32, 408, 56, 16}, Condensed, 13, false, "1.3 Hump", nullptr, -1, nullptr,
         Qt::NoArrow},
        {Kind::FitLabel, "lblFelgenbett", {32, 432, 84, 16}, Condensed, 13, false, "1.4 Felgenbett", nullptr, -1,
         nullptr, Qt::NoArrow},
        {Kind::FitLabel, "lblRadscheibe", {16, 456, 87, 16}, Condensed, 13, false, "2. Radscheibe", nullptr, -1,
         nullptr, Qt::NoArrow},
        {Kind::Speed, "SpeedButton6", {16, 88, 25, 25}, Tahoma, 13, false, "-", "verkleinern", -1, "verkleinern",
         Qt::NoArrow},
        {Kind::Speed, "SpeedButton1", {40, 88, 25, 25}, nullptr, 0, false, "", "drehen nach oben", -1,
         "drehen nach oben", Qt::UpArrow},
        {Kind::Speed, "SpeedButton5", {64, 88, 25, 25}, Tahoma, 13, false, "+", "vergrößern", -1, "vergrößern",
         Qt::NoArrow},
        {Kind::Speed, "SpeedButton3", {16, 112, 25, 25}, nullptr, 0, false, "", "drehen nach links", -1,
         "drehen nach links", Qt::LeftArrow},
        {Kind::Speed, "SpeedButton2", {40, 112, 25, 25}, nullptr, 0, false, "", "drehen nach unten", -1,
         "drehen nach unten", Qt::DownArrow},
        {Kind::Speed, "SpeedButton4", {64, 112, 25, 25}, nullptr, 0, false, "", "drehen nach rechts", -1,
         "drehen nach rechts", Qt::RightArrow},
        {Kind::Push, "btnSchnitt", {96, 88, 89, 25}, Tahoma, 11, false, "Halbschnitt", "Darstellung ändern", 5,
         "Halbschnitt", Qt::NoArrow},
        {Kind::Push, "btnStyle", {96, 112, 89, 25}, Tahoma, 11, false, "Style", "Darstellung ändern", 4,
         "Style: Darstellung ändern", Qt::NoArrow},
        {Kind::Push, "btnMaulweitePlus", {136, 192, 17, 17}, Tahoma, 11, false, "+", "vergrößern", 2,
         "Maulweite vergrößern", Qt::NoArrow},
        {Kind::Push, "btnMaulweiteMinus", {152, 192, 17, 17}, Tahoma, 11, false, "-", "verkleinern", 3,
         "Maulweite verkleinern", Qt::NoArrow},
        {Kind::Push, "btnShowMaulweite", {168, 192, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 6,
         "Maulweite bemaßen", Qt::NoArrow},
        {Kind::Push, "btnDurchmesserPlus", {136, 216, 17, 17}, Tahoma, 11, false, "+", "vergrößern", 0,
         "Durchmesser vergrößern", Qt::NoArrow},
        {Kind::Push, "btnDurchmesserMinus", {152, 216, 17, 17}, Tahoma, 11, false, "-", "verkleinern", 1,
         "Durchmesser verkleinern", Qt::NoArrow},
        {Kind::Push, "btnShowDurchmesser", {168, 216, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 7,
         "Durchmesser bemaßen", Qt::NoArrow},
        {Kind::Push, "btnEinpresstiefePlus", {136, 240, 17, 17}, Tahoma, 11, false, "+", "vergrößern", 8,
         "Einpresstiefe vergrößern", Qt::NoArrow},
        {Kind::Push, "btnEinpresstiefeMinus", {152, 240, 17, 17}, Tahoma, 11, false, "-", "verkleinern", 9,
         "Einpresstiefe verkleinern", Qt::NoArrow},
        {Kind::Push, "btnShowEinpresstiefe", {168, 240, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 10,
         "Einpresstiefe bemaßen", Qt::NoArrow},
        {Kind::Push, "btnLochkreisePlus", {136, 264, 17, 17}, Tahoma, 11, false, "+", "vergrößern", 11,
         "Radbolzen vergrößern", Qt::NoArrow},
        {Kind::Push, "btnLochkreiseMinus", {152, 264, 17, 17}, Tahoma, 11, false, "-", "verkleinern", 12,
         "Radbolzen verkleinern", Qt::NoArrow},
        {Kind::Push, "btnColorFelgenschuessel", {168, 336, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 19,
         "Felgenschüssel hervorheben", Qt::NoArrow},
        {Kind::Push, "btnColorFelgenhorn", {168, 360, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 15,
         "Felgenhorn hervorheben", Qt::NoArrow},
        {Kind::Push, "btnColorFelgenschulter", {168, 384, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 16,
         "Felgenschulter hervorheben", Qt::NoArrow},
        {Kind::Push, "btnStyleHump", {128, 408, 33, 17}, Tahoma, 11, false, "Style", "Darstellung ändern", 14,
         "Hump: Darstellung ändern", Qt::NoArrow},
        {Kind::Push, "btnColorHump", {168, 408, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 17,
         "Hump hervorheben", Qt::NoArrow},
        {Kind::Push, "btnStyleFelgenbett", {128, 432, 33, 17}, Tahoma, 11, false, "Style", "Darstellung ändern", 13,
         "Felgenbett: Darstellung ändern", Qt::NoArrow},
        {Kind::Push, "btnColorFelgenbett", {168, 432, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 18,
         "Felgenbett hervorheben", Qt::NoArrow},
        {Kind::Push, "btnColorRadschuessel", {168, 456, 17, 17}, Tahoma, 11, false, "?", "ein-/ ausblenden", 20,
         "Radscheibe hervorheben", Qt::NoArrow},
    };
    return controls;
}

// The face a requested family is drawn with on this system.
QString ResolvedFamily(const QString& requested)
{
    if (requested == QLatin1String(Verdana) && !QFontDatabase::families().contains(requested))
        return QStringLiteral("DejaVu Sans");
    return requested;
}

}  // namespace

TEST_F(PanelLayout, EveryControlSitsWhereDesignedWithItsFontHintFocusAndTabOrder)
{
    const TFrameSteuerung* panel = box->Panel();
    EXPECT_EQ(panel->width(), 200);
    EXPECT_EQ(panel->height(), box->height());
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(Qt::white));
    // The window's default font asks for MS Sans Serif 11, drawn with its scalable stand-in.
    const QFontInfo windowFont(box->font());
    EXPECT_EQ(windowFont.family(), QLatin1String(Tahoma));
    EXPECT_EQ(windowFont.pixelSize(), 11);

    std::vector<std::pair<int, QString>> tabOrder;
    for (const ControlSpec& s : Controls()) {
        SCOPED_TRACE(s.name);
        const auto* w = panel->findChild<QWidget*>(QLatin1String(s.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), panel);
        EXPECT_EQ(w->pos(), s.geometry.topLeft());
        EXPECT_EQ(w->height(), s.geometry.height());
        if (s.kind == Kind::FitLabel) {
            const QFontMetrics metrics(w->font());
            EXPECT_GE(w->width(), metrics.horizontalAdvance(CaptionOf(w))) << "text cut off";
            EXPECT_LE(metrics.height(), w->height()) << "text cut off";
            EXPECT_NEAR(w->width(), s.geometry.width(), LabelWidthSlack);
        } else {
            EXPECT_EQ(w->width(), s.geometry.width());
        }
        if (s.kind != Kind::Shape) {
            // Shapes lie behind everything: the control itself is what a click at its centre finds, or
            // over the marking's box the field that takes a typed marking.
            const QWidget* found = panel->childAt(w->geometry().center());
            EXPECT_TRUE(found == w || found->accessibleName() == QStringLiteral("Felgenbezeichnung"));
            EXPECT_EQ(CaptionOf(w), QString::fromUtf8(s.caption));
        }
        if (s.family) {
            const QFontInfo info(w->font());
            EXPECT_EQ(w->font().family(), QLatin1String(s.family));
            EXPECT_EQ(w->font().pixelSize(), s.pixelSize);
            EXPECT_EQ(info.family(), ResolvedFamily(QLatin1String(s.family)));
            EXPECT_EQ(info.pixelSize(), s.pixelSize);
            EXPECT_EQ(info.bold(), s.bold);
            // Bitmap faces keep their glyphs on a scaled screen.
            EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(info.family(), info.styleName()));
        }
        EXPECT_EQ(w->toolTip(), s.hint ? QString::fromUtf8(s.hint) : QString());
        if (s.accessibleName) {
            EXPECT_EQ(w->accessibleName().isEmpty() ? CaptionOf(w) : w->accessibleName(),
                      QString::fromUtf8(s.accessibleName));
        }
        switch (s.kind) {
        case Kind::Speed:
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
            EXPECT_EQ(qobject_cast<const QToolButton*>(w)->arrowType(), s.arrow);
            break;
        case Kind::Push:
            EXPECT_TRUE(qobject_cast<const QPushButton*>(w));
            EXPECT_EQ(w->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
            tabOrder.emplace_back(s.tabOrder, QString::fromUtf8(s.name));
            break;
        default:
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
            break;
        }
    }

    // The buttons laid out here are the controls every other test walks.
    QStringList laidOut;
    for (const ControlSpec& s : Controls())
        if (s.kind == Kind::Speed || s.kind == Kind::Push)
            laidOut << QString::fromLatin1(s.name);
    QStringList walked;
    for (const Control& c : kControls)
        walked << QString::fromLatin1(c.name);
    laidOut.sort();
    walked.sort();
    EXPECT_EQ(laidOut, walked);

    std::sort(tabOrder.begin(), tabOrder.end());
    ASSERT_EQ(tabOrder.size(), 21u);
    QStringList expectedChain;
    for (const auto& entry : tabOrder)
        expectedChain << entry.second;
    QStringList chain;
    // Tabbing into the panel reaches its buttons in the designed order.
    QWidget* w = panel->nextInFocusChain();
    for (int steps = 0; w && chain.size() < expectedChain.size() && steps < 500; ++steps) {
        if (qobject_cast<QPushButton*>(w) && w->parentWidget() == panel)
            chain << w->objectName();
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(chain.join(QLatin1Char(' ')).toStdString(), expectedChain.join(QLatin1Char(' ')).toStdString());
}

TEST_F(PanelLayout, FramesHeaderAndSectionTitlesShowTheirColours)
{
    TFrameSteuerung* panel = box->Panel();
    PicturesOnFailure pictures;
    const QImage& image = pictures.Keep(panel->grab().toImage(), QStringLiteral("panel-colours-actual"));
    // Positions are in panel coordinates; the picture may be in device pixels.
    const qreal dpr = image.devicePixelRatio();
    const auto at = [&image, dpr](int x, int y) { return image.pixelColor((QPointF(x, y) * dpr).toPoint()); };
    const QColor silver(0xC0, 0xC0, 0xC0);

    // Shape2..3: silver border, white inside, below the title bars.
    EXPECT_EQ(at(8, 100), silver);
    EXPECT_EQ(at(192, 100), silver);
    EXPECT_EQ(at(100, 144), silver);
    EXPECT_EQ(at(12, 140), QColor(Qt::white));
    EXPECT_EQ(at(7, 400), silver);
    EXPECT_EQ(at(100, 480), silver);
    EXPECT_EQ(at(10, 470), QColor(Qt::white));
    // Section title bars are silver.
    EXPECT_EQ(at(10, 58), silver);
    EXPECT_EQ(at(190, 180), silver);
    // The header is black, with white and red letters.
    EXPECT_EQ(at(9, 9), QColor(Qt::black));
    EXPECT_EQ(at(190, 38), QColor(Qt::black));
    int white = 0;
    int red = 0;
    for (int y = 8; y < 41; ++y) {
        for (int x = 8; x < 193; ++x) {
            const QColor c = at(x, y);
            white += c == QColor(Qt::white) && x < 100;
            red += c == QColor(Qt::red) && x >= 100;
        }
    }
    EXPECT_GT(white, 60);
    EXPECT_GT(red, 60);
    // Outside the frames the panel is white.
    EXPECT_EQ(at(3, 300), QColor(Qt::white));
    EXPECT_EQ(at(100, 590), QColor(Qt::white));
}

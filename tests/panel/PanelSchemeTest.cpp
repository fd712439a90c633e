// Every text of the window stays legible whatever colour scheme the desktop
// sets, and in the default scheme the panel is the picture it was designed
// as. Qt reads a scheme once, at start: the comparison starts this program
// again under each scheme, on the suite's display, and gathers what the
// runs measured in their own window.

#include "FrameCapture.h"
#include "ImageCompare.h"
#include "ProgramRun.h"
#include "Unit1.h"
#include "ct_ogl1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>

namespace {

using namespace std::chrono_literals;

const char* const OutputVariable = "MQ_SCHEME_OUTPUT";
const char* const DarkVariable = "MQ_SCHEME_DARK";
const char* const StyleVariable = "MQ_SCHEME_STYLE";
constexpr double LegibleContrast = 4.5;

// Relative luminance of an sRGB colour, as contrast ratios are defined on.
double Luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double ContrastRatio(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

struct TextContrast {
    double ratio = 1.0;
    QColor ink;
    QColor background;
};

// Within the box a text is drawn in, the text covers less than half: the
// median pixel is what lies behind it, and the pixel that stands out most
// from it is the ink where a stroke covers a whole pixel.
TextContrast MeasureTextContrast(const QImage& image, const QRect& box)
{
    std::vector<std::pair<double, QColor>> pixels;
    const QRect area = box & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            pixels.emplace_back(Luminance(image.pixelColor(x, y)), image.pixelColor(x, y));
    if (pixels.empty())
        return {};
    std::sort(pixels.begin(), pixels.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto& background = pixels[pixels.size() / 2];
    const auto& ink = ContrastRatio(pixels.front().first, background.first) >
                              ContrastRatio(pixels.back().first, background.first)
                          ? pixels.front()
                          : pixels.back();
    return {ContrastRatio(ink.first, background.first), ink.second, background.second};
}

// Where a label's or button's text, or a tool button's arrow, is drawn, in
// its own coordinates; empty for widgets that show neither.
QRect FaceArea(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty())
            return {};
        return w->style()->itemTextRect(label->fontMetrics(), label->contentsRect(), label->alignment(), true,
                                        label->text());
    }
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (!button)
        return {};
    if (!button->text().isEmpty())
        return w->style()->itemTextRect(button->fontMetrics(), w->rect(), Qt::AlignCenter, true, button->text());
    const auto* tool = qobject_cast<const QToolButton*>(w);
    if (tool && tool->arrowType() != Qt::NoArrow)
        return w->rect().adjusted(w->width() / 4, w->height() / 4, -w->width() / 4, -w->height() / 4);
    return {};
}

struct Scheme {
    const char* name;
    ProgramRun::Environment environment;
    bool dark;
    const char* style;  // the style the scheme must bring, or nullptr
};

// The desktop's own settings are left out of every run: each scheme sets
// only what a user of that desktop would have.
ProgramRun::Environment Neutral(const std::string& configHome)
{
    return {{"XDG_CONFIG_HOME", configHome}, {"QT_QPA_PLATFORMTHEME", std::nullopt},
            {"QT_STYLE_OVERRIDE", std::nullopt}, {"XDG_CURRENT_DESKTOP", std::nullopt},
            {"KDE_SESSION_VERSION", std::nullopt}, {"KDE_FULL_SESSION", std::nullopt},
            {"DESKTOP_SESSION", std::nullopt}, {"QT_SCALE_FACTOR", std::nullopt},
            {"QT_SCREEN_SCALE_FACTORS", std::nullopt}};
}

std::vector<Scheme> Schemes(const std::string& emptyConfig)
{
    const std::string schemes = MQ_SCHEME_DIR;
    Scheme fallback{"default", Neutral(emptyConfig), false, nullptr};
    Scheme qt6ct{"qt6ct-darker", Neutral(schemes + "/qt6ct-darker"), true, nullptr};
    qt6ct.environment["QT_QPA_PLATFORMTHEME"] = "qt6ct";
    Scheme adwaita{"adwaita-dark", Neutral(emptyConfig), true, "adwaita-dark"};
    adwaita.environment["QT_STYLE_OVERRIDE"] = "Adwaita-Dark";
    // Qt's own KDE theme reads kdeglobals in a Plasma 5 session.
    Scheme breeze{"breeze-dark", Neutral(schemes + "/breeze-dark"), true, nullptr};
    breeze.environment["XDG_CURRENT_DESKTOP"] = "KDE";
    breeze.environment["KDE_SESSION_VERSION"] = "5";
    breeze.environment["KDE_FULL_SESSION"] = "true";
    return {fallback, qt6ct, adwaita, breeze};
}

// The panel in the default scheme down to the window's minimum height.
QImage DesignedArea(const QImage& panel)
{
    return panel.copy(0, 0, 200, 600).convertToFormat(QImage::Format_RGB32);
}

QImage Montage(const std::vector<std::pair<QString, QImage>>& pictures)
{
    constexpr int Gap = 8;
    constexpr int Caption = 20;
    int width = Gap;
    int height = 0;
    for (const auto& [name, picture] : pictures) {
        width += picture.width() + Gap;
        height = std::max(height, picture.height());
    }
    QImage montage(width, height + Caption + 2 * Gap, QImage::Format_RGB32);
    montage.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&montage);
    painter.setPen(Qt::black);
    int x = Gap;
    for (const auto& [name, picture] : pictures) {
        painter.drawText(QRect(x, Gap, picture.width(), Caption), Qt::AlignCenter, name);
        painter.drawImage(x, Gap + Caption, picture);
        x += picture.width() + Gap;
    }
    return montage;
}

}  // namespace

// One scheme's run, started by the comparison below: it measures every text
// of the window in a grab and writes the panel's picture.
TEST(PanelSchemes, MeasureEveryTextInThisScheme)
{
    const char* output = std::getenv(OutputVariable);
    if (!output) {
        GTEST_SKIP() << "measures only when the comparison below asks for it";
    }

    const QPalette palette = QApplication::palette();
    const bool dark = palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
    ASSERT_EQ(dark, std::getenv(DarkVariable) != nullptr) << "the scheme was not applied";
    if (const char* style = std::getenv(StyleVariable)) {
        ASSERT_EQ(QApplication::style()->name().toStdString(), style) << "the scheme's style was not loaded";
    }

    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    // A dark scheme measures the comparison's text too, at the least window.
    if (dark)
        box.KeepReference(box.Config());
    const auto* comparison = box.Panel()->findChild<QLabel*>(QStringLiteral("lblVergleich"));
    ASSERT_EQ(comparison && comparison->isVisible(), dark);
    // No hover marks a control in the picture.
    QCursor::setPos(0, 0);
    const QList<QWidget*> controls = box.findChildren<QWidget*>();
    ASSERT_TRUE(ServeUntil([&] { return std::ranges::none_of(controls, &QWidget::underMouse); }));

    // A window in the background is drawn with the scheme's inactive
    // colours, often dimmer: the texts must stay legible in both.
    int measured = 0;
    for (QWidget* activeWindow : {static_cast<QWidget*>(nullptr), static_cast<QWidget*>(&box)}) {
        QApplication::setActiveWindow(activeWindow);
        QCoreApplication::processEvents();
        // Nor does the focus, which activation gives to the first button.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        const char* state = activeWindow ? "active" : "inactive";
        const QImage window = box.grab().toImage();
        const qreal dpr = window.devicePixelRatio();
        for (QWidget* w : box.findChildren<QWidget*>()) {
            if (!w->isVisible() || (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w)))
                continue;
            const QRect face = FaceArea(w) & w->visibleRegion().boundingRect();
            if (face.isEmpty())
                continue;
            const QRectF inWindow(w->mapTo(&box, face.topLeft()), face.size());
            const TextContrast contrast =
                MeasureTextContrast(window, QRectF(inWindow.topLeft() * dpr, inWindow.size() * dpr).toRect());
            ++measured;
            std::printf("contrast %s %s %.2f ink %s on %s\n", qPrintable(w->objectName()), state, contrast.ratio,
                        qPrintable(contrast.ink.name()), qPrintable(contrast.background.name()));
            EXPECT_GE(contrast.ratio, LegibleContrast)
                << w->objectName().toStdString() << ", " << state << ": " << contrast.ink.name().toStdString()
                << " on " << contrast.background.name().toStdString();
        }
    }
    EXPECT_GE(measured, 2 * 40) << "the window's texts were not found";
    ASSERT_TRUE(box.grab(QRect(0, 0, box.Panel()->width(), box.height())).toImage().save(QString::fromLocal8Bit(output)));

    // The focus mark: the pixels the focus changes, in the colour most of
    // them take, against every unchanged pixel beside them: the button's
    // face, the panel around it, the neighbour that overlaps it.
    auto* button = box.Panel()->findChild<QWidget*>(QStringLiteral("btnDurchmesserPlus"));
    const QRect around = button->geometry().adjusted(-3, -3, 3, 3);
    const QImage plain = box.Panel()->grab(around).toImage();
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage marked = box.Panel()->grab(around).toImage();
    const std::vector<QPoint> mark = ChangedPixels(plain, marked, 0);
    std::map<QRgb, unsigned> inks;
    for (const QPoint& p : mark)
        ++inks[marked.pixel(p)];
    const auto [ink, count] = *std::ranges::max_element(inks, {}, &std::pair<const QRgb, unsigned>::second);
    double lowest = 100.0;
    for (const QPoint& p : mark)
        for (const QPoint& next : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
            if (std::ranges::find(mark, next) == mark.end())
                lowest = std::min(lowest, ContrastRatio(Luminance(ink), Luminance(marked.pixelColor(next))));
    std::printf("focus mark %s, %u pixels, lowest contrast %.2f\n", qPrintable(QColor(ink).name()), count, lowest);
    EXPECT_GE(count, 4u * button->width()) << "the mark does not go round the button";
    EXPECT_GE(lowest, 3.0);
}

TEST(PanelSchemes, EveryTextIsLegibleInEverySchemeAndTheDefaultPanelIsAsDesigned)
{
    const QTemporaryDir emptyConfig;
    const QTemporaryDir panels;
    ASSERT_TRUE(emptyConfig.isValid() && panels.isValid());
    std::vector<std::pair<QString, QImage>> pictures;
    QImage defaultPanel;
    for (const Scheme& scheme : Schemes(emptyConfig.path().toStdString())) {
        SCOPED_TRACE(scheme.name);
        const std::string path = panels.filePath(QLatin1String(scheme.name) + QStringLiteral(".png")).toStdString();
        ProgramRun::Environment environment = scheme.environment;
        environment[OutputVariable] = path;
        environment[DarkVariable] = scheme.dark ? std::optional<std::string>("1") : std::nullopt;
        environment[StyleVariable] = scheme.style ? std::optional<std::string>(scheme.style) : std::nullopt;
        ProgramRun run(QCoreApplication::applicationFilePath().toStdString(), environment,
                       {"--gtest_filter=PanelSchemes.MeasureEveryTextInThisScheme"});
        ASSERT_TRUE(run.WaitForExit(60s)) << run.Output();
        EXPECT_EQ(run.ExitCode(), 0) << run.Output();

        double lowest = 100.0;
        static const std::regex figure(R"(contrast (\S+) (\S+) ([0-9.]+))");
        for (std::sregex_iterator m(run.Output().begin(), run.Output().end(), figure), end; m != end; ++m)
            lowest = std::min(lowest, std::stod((*m)[3].str()));
        RecordProperty(std::string("lowest_contrast_") + scheme.name, std::to_string(lowest));
        std::printf("%s: lowest text contrast %.2f\n", scheme.name, lowest);

        const QImage panel(QString::fromStdString(path));
        ASSERT_FALSE(panel.isNull()) << run.Output();
        WriteTestImage(panel, QStringLiteral("panel-scheme-%1").arg(QLatin1String(scheme.name)));
        pictures.emplace_back(QLatin1String(scheme.name), panel);
        if (!scheme.dark)
            defaultPanel = panel;
    }
    WriteTestImage(Montage(pictures), QStringLiteral("panel-schemes-montage"));

    // The reference was grabbed at scale 1 from the panel as it was before
    // it set its text colours itself, when the default scheme gave them. A
    // deliberate change of the design takes a new one: the measuring run
    // above with MQ_SCHEME_OUTPUT set, cut to the designed area.
    const QImage reference = QImage(QStringLiteral(MQ_PANEL_REFERENCE)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull());
    EXPECT_TRUE(ImagesMatch(DesignedArea(defaultPanel), reference, QStringLiteral("panel-default-scheme")));
}

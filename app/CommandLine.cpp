#include "CommandLine.h"

#include "HumpSettings.h"
#include "PanelTexts.h"
#include "Release.h"
#include "WheelConfig.h"

#include <QCommandLineParser>

#include <algorithm>
#include <iterator>

namespace {

// Exit status of a command line that cannot be followed.
constexpr int UsageStatus = 2;

QString Usage()
{
    QStringList humps;
    for (const HumpSetting& setting : HumpSettings)
        humps << QString::fromUtf8(setting.help.data(), static_cast<qsizetype>(setting.help.size()));
    const QString usage = QStringLiteral(
        "Aufruf: marloquent [FELGENBEZEICHNUNG] [--compare FELGENBEZEICHNUNG]\n"
        "\n"
        "Zeigt die Bauformen einer Autofelge dreidimensional, ohne Angabe die Felge 6J x 15 H2 ET34.\n"
        "\n"
        "Die Felgenbezeichnung, in Anführungszeichen oder in Teilen:\n"
        "  Maulweite in Zoll (4 bis 8, in halben Zoll) mit der Hornform J,\n"
        "  x für ein Tiefbett oder - für ein Flachbett,\n"
        "  Durchmesser in Zoll (13 bis 17),\n"
        "  %1,\n"
        "  ET mit der Einpresstiefe in ganzen Millimetern; ohne ET bleibt sie bei 34 mm,\n"
        "  so weit die Maulweite das zulässt.\n"
        "\n"
        "Optionen:\n"
        "  --compare FELGENBEZEICHNUNG  diese Felge als Vergleich zeigen, mit den\n"
        "                               Unterschieden in Millimetern\n"
        "  -h, --help                   diese Hilfe zeigen\n"
        "  -v, --version                Programm und Version zeigen\n"
        "\n"
        "Beispiele:\n"
        "  marloquent \"7J x 16 H2 ET40\"\n"
        "  marloquent \"7J x 16 H2 ET40\" --compare \"6J x 15 H2 ET34\"\n");
    return usage.arg(humps.join(QStringLiteral(", ")));
}

// The options Qt documents for QGuiApplication and QApplication, with one or
// two dashes: those that take the next argument, those that take none, and
// those that take a value after "=".
const char* const QtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                           "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                           "style", "stylesheet", "display", "geometry"};
const char* const QtSwitches[] = {"reverse", "widgetcount"};
const char* const QtOptionsWithEquals[] = {"qmljsdebugger=", "style=", "stylesheet="};

QStringList WithoutQtOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const auto is = [&name](const char* option) { return name == QLatin1String(option); };
        const auto starts = [&name](const char* option) { return name.startsWith(QLatin1String(option)); };
        if (i == 0 || !argument.startsWith(QLatin1Char('-')))
            kept << argument;
        else if (std::any_of(std::begin(QtOptionsWithValue), std::end(QtOptionsWithValue), is))
            ++i;
        else if (std::none_of(std::begin(QtSwitches), std::end(QtSwitches), is) &&
                 std::none_of(std::begin(QtOptionsWithEquals), std::end(QtOptionsWithEquals), starts))
            kept << argument;
    }
    return kept;
}

StartRequest Ending(int status, QString output, QString error = {})
{
    StartRequest request;
    request.exitCode = status;
    request.output = std::move(output);
    request.error = std::move(error);
    return request;
}

}  // namespace

StartRequest ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Hilfe"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Version"));
    const QCommandLineOption compare(QStringLiteral("compare"), QStringLiteral("Vergleich"),
                                     QStringLiteral("FELGENBEZEICHNUNG"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(compare);
    parser.addPositionalArgument(QStringLiteral("FELGENBEZEICHNUNG"), QStringLiteral("die Felge beim Start"));
    const bool parsed = parser.parse(WithoutQtOptions(arguments));

    if (parser.isSet(help))
        return Ending(0, Usage());
    if (parser.isSet(version))
        return Ending(0, QStringLiteral("MarloQuent %1\n").arg(QLatin1String(Release::Version)));
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        // Qt gives the name without its dashes: one for a letter, two for a word.
        const QString name = unknown.isEmpty() ? QString() : unknown.constFirst();
        const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        const QString named =
            name.isEmpty() ? parser.errorText() : QStringLiteral("unbekannte Option „%1%2“").arg(dashes, name);
        return Ending(UsageStatus, {},
                      QStringLiteral("marloquent: %1; möglich sind --help, --version, --compare und eine "
                                     "Felgenbezeichnung wie \"7J x 16 H2 ET40\"\n")
                          .arg(named));
    }
    // Each marking is read against the start rim, whose offset stays where
    // one gives none.
    WheelConfig start;
    SetInitialConfig(start);
    StartRequest request;
    const auto read = [&](const QString& text, const QString& option, std::optional<MarkedRim>& rim) {
        const MarkingReading reading =
            ReadRimMarking(text.toStdString(), start, DecimalSeparator());
        if (!reading.rim)
            request = Ending(UsageStatus, {},
                             QStringLiteral("marloquent: %1%2\n").arg(option, QString::fromStdString(reading.message)));
        rim = reading.rim;
        return reading.rim.has_value();
    };
    const QStringList words = parser.positionalArguments();
    if (!words.isEmpty() && !read(words.join(QLatin1Char(' ')), {}, request.rim))
        return request;
    if (parser.isSet(compare) && !read(parser.value(compare), QStringLiteral("--compare: "), request.reference))
        return request;
    return request;
}

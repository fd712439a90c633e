#include "ControlsHelp.h"

#include "QtTexts.h"

#include <QMessageBox>

namespace {

struct Row {
    const char* keys;
    const char* effect;
};

// One table for all sections, so that their columns line up.
QString Section(const char* heading, std::initializer_list<Row> rows)
{
    QString html = QStringLiteral("<tr><td colspan=\"2\" style=\"padding-top: 8px\"><b>%1</b></td></tr>")
                       .arg(QString::fromUtf8(heading));
    for (const Row& row : rows)
        html += QStringLiteral("<tr><td style=\"padding-right: 16px\">%1</td><td>%2</td></tr>")
                    .arg(QString::fromUtf8(row.keys), QString::fromUtf8(row.effect));
    return html;
}

}  // namespace

void ShowControlsHelp(QWidget* parent)
{
    LoadQtTexts();
    const QString text =
        QStringLiteral("<table cellspacing=\"2\">") +
        Section("Maus in der Ansicht",
              {{"Ziehen mit der linken Taste", "Modell drehen (über die Höhe der Ansicht 180°)"},
               {"Mausrad vom Körper weg", "vergrößern"},
               {"Mausrad zum Körper hin", "verkleinern"},
               {"rechte Taste", "Menü: Bild speichern, kopieren, in Druckgröße speichern"}}) +
        Section("Tastatur, wenn die Ansicht gewählt ist (orangefarbener Rand)",
              {{"Pfeiltasten", "um 15° nach oben, unten, links, rechts drehen"},
               {"+ / −", "vergrößern / verkleinern"},
               {"Menütaste, Umschalt+F10", "Menü der Ansicht"}}) +
        Section("Tastatur im ganzen Fenster",
              {{"Strg++ / Strg+−", "vergrößern / verkleinern"},
               {"Pos1", "Ansicht zurücksetzen (Drehung und Zoom wie beim Start)"},
               {"Strg+S", "Bild speichern …"},
               {"Strg+C", "Bild kopieren"},
               {"Tab / Umschalt+Tab", "nächste / vorige Schaltfläche, zwischen Bedienfeld und Ansicht"},
               {"Leertaste, Eingabetaste", "gewählte Schaltfläche drücken"},
               {"F1", "diese Übersicht"}}) +
        QStringLiteral("</table>");
    QMessageBox box(QMessageBox::Information, QStringLiteral("Bedienung"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ControlsHelp"));
    box.setTextFormat(Qt::RichText);
    box.exec();
}

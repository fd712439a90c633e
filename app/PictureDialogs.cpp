#include "PictureDialogs.h"

#include "AnsweredHide.h"
#include "Figures.h"
#include "PanelTexts.h"
#include "PictureFile.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QInputDialog>

#include <algorithm>
#include <cmath>

namespace {

// Icons and types by what a file is, never by what it holds: Qt's own
// provider reads a file whose name does not tell its type.
class NameOnlyIcons : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo& info) const override
    {
        return info.isDir() ? QStringLiteral("Ordner") : QStringLiteral("Datei");
    }
};

const QString PngFilter = QStringLiteral("PNG-Bilder (*.png)");
const QString JpegFilter = QStringLiteral("JPEG-Bilder (*.jpg *.jpeg)");

}  // namespace

QString AskForPicturePath(QWidget* parent, const QString& title, const QString& folder, const QString& name)
{
    NameOnlyIcons icons;
    AnsweredDialog<QFileDialog> dialog(parent, title);
    dialog.setObjectName(QStringLiteral("PictureFileDialog"));
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({PngFilter, JpegFilter});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == JpegFilter ? QStringLiteral("jpg") : QStringLiteral("png"));
    });
    dialog.setDirectory(folder);
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int AskForPrintWidth(QWidget* parent, const QString& title, QSize view, int smallest, int largest, int suggested)
{
    const std::string separator = DecimalSeparator();
    const auto centimetres = [&separator](double pixels) {
        return QString::fromStdString(FormatFigure(pixels / PrintDotsPerInch * 2.54, separator, {.decimals = 1}));
    };
    AnsweredDialog<QInputDialog> ask(parent);
    ask.setObjectName(QStringLiteral("PrintWidthDialog"));
    ask.setWindowTitle(title);
    ask.setInputMode(QInputDialog::IntInput);
    ask.setIntRange(smallest, largest);
    ask.setIntStep(10);
    const auto describe = [&](int width) {
        const double height = std::round(static_cast<double>(width) * view.height() / view.width());
        ask.setLabelText(QStringLiteral("Breite in Pixeln, von %1 bis %2; die Höhe folgt der Ansicht.\n"
                                        "Mit %3 dpi gedruckt: %4 × %5 cm")
                             .arg(smallest)
                             .arg(largest)
                             .arg(PrintDotsPerInch)
                             .arg(centimetres(width), centimetres(height)));
    };
    QObject::connect(&ask, &QInputDialog::intValueChanged, &ask, describe);
    ask.setIntValue(std::clamp(suggested, smallest, largest));
    describe(ask.intValue());
    // The title bar elides a title wider than the dialog.
    ask.setMinimumWidth(ask.fontMetrics().horizontalAdvance(title) * 2 + 120);
    return ask.exec() == QDialog::Accepted ? ask.intValue() : 0;
}

#include "PictureActions.h"

#include "PictureFile.h"
#include "PictureSource.h"
#include "QtTexts.h"
#include "RimMarking.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString SaveTitle = QStringLiteral("Bild speichern");
const QString PrintTitle = QStringLiteral("Bild in Druckgröße speichern");
// Wide enough for a poster, small enough to stay within the memory of an
// ordinary desktop while it is drawn, read back and written.
constexpr int PrintWidthCap = 8192;
constexpr int SuggestedPrintWidth = 3840;

void Refuse(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("PictureMessage"));
    box.exec();
}

}  // namespace

PictureActions::PictureActions(PictureSource& source, const WheelConfig& config, QWidget& window)
    : Source(source)
    , Config(config)
    , Window(window)
{
}

QString PictureActions::Marking() const
{
    return QString::fromStdString(RimMarking(Config, QLocale().decimalPoint().toStdString()));
}

QImage PictureActions::Grab(const QString& title)
{
    QImage picture = Source.GrabFrame();
    if (picture.isNull())
        Refuse(&Window, title, QStringLiteral("Das Bild der Ansicht konnte nicht gelesen werden."));
    // The view is opaque, whatever alpha its buffer holds.
    return std::move(picture).convertToFormat(QImage::Format_RGBX8888);
}

void PictureActions::Save()
{
    // The picture as the command finds it, before any dialog covers the view.
    const QImage picture = Grab(SaveTitle);
    if (picture.isNull())
        return;
    const QString path = AskForPath(SaveTitle);
    if (!path.isEmpty())
        Write(picture, path, SaveTitle);
}

void PictureActions::SavePrintSize()
{
    LoadQtTexts();
    // From the view's own width up to what the GL can draw off screen.
    const int smallest = Source.ViewPixelSize().width();
    const int largest = std::min(PrintWidthCap, Source.LargestPrintWidth());
    if (largest < smallest) {
        Refuse(&Window, PrintTitle, QStringLiteral("Die Grafik kann kein größeres Bild als die Ansicht erzeugen."));
        return;
    }
    QInputDialog ask(&Window);
    ask.setObjectName(QStringLiteral("PrintWidthDialog"));
    ask.setWindowTitle(PrintTitle);
    ask.setLabelText(QStringLiteral("Breite in Pixeln (die Höhe folgt der Ansicht):"));
    ask.setInputMode(QInputDialog::IntInput);
    ask.setIntRange(smallest, largest);
    ask.setIntValue(std::clamp(SuggestedPrintWidth, smallest, largest));
    ask.setIntStep(10);
    if (ask.exec() != QDialog::Accepted)
        return;
    const int width = ask.intValue();
    const QString path = AskForPath(PrintTitle);
    if (path.isEmpty())
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QImage picture = Source.DrawPrintFrame(width);
    QApplication::restoreOverrideCursor();
    if (picture.isNull()) {
        Refuse(&Window, PrintTitle,
               QStringLiteral("Ein Bild von %1 Pixeln Breite konnte nicht erzeugt werden.").arg(width));
        return;
    }
    Write(picture, path, PrintTitle);
}

void PictureActions::Copy()
{
    const QImage picture = Grab(QStringLiteral("Bild kopieren"));
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
}

QString PictureActions::AskForPath(const QString& title)
{
    LoadQtTexts();
    if (Folder.isEmpty() || !QFileInfo(Folder).isDir()) {
        Folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QFileInfo(Folder).isDir())
            Folder = QDir::homePath();
    }
    QFileDialog dialog(&Window, title);
    dialog.setObjectName(QStringLiteral("PictureFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PNG-Bilder (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setDirectory(Folder);
    dialog.selectFile(Marking() + QStringLiteral(".png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    Folder = QFileInfo(path).absolutePath();
    return path;
}

void PictureActions::Write(const QImage& picture, const QString& path, const QString& title)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString cause = WritePicture(picture, path, Marking());
    QApplication::restoreOverrideCursor();
    if (cause.isEmpty())
        return;
    Refuse(&Window, title,
           QStringLiteral("Das Bild konnte nicht im Ordner „%1“ gespeichert werden: %2.")
               .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), cause));
}

#include "PictureActions.h"

#include "AnsweredHide.h"
#include "PanelTexts.h"
#include "PictureDialogs.h"
#include "PictureFile.h"
#include "PictureSource.h"
#include "QtTexts.h"
#include "RimMarking.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace {

const QString SaveTitle = QStringLiteral("Bild speichern");
const QString PrintTitle = QStringLiteral("Bild in Druckgröße speichern");
// Wide enough for a poster, small enough to stay within the memory of an
// ordinary desktop while it is drawn, read back and written.
constexpr int PrintWidthCap = 8192;
constexpr int SuggestedPrintWidth = 3840;

void Refuse(QWidget* parent, const QString& title, const QString& text)
{
    AnsweredDialog<QMessageBox> box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
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
    return QString::fromStdString(RimMarking(Config, DecimalSeparator()));
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
    const QString path = AskForPath(SaveTitle, Marking() + QStringLiteral(".png"));
    if (!path.isEmpty())
        Write(picture, path, SaveTitle);
}

void PictureActions::SavePrintSize()
{
    LoadQtTexts();
    // From the view's own width up to what the GL can draw off screen.
    const QSize view = Source.ViewPixelSize();
    const int largest = std::min(PrintWidthCap, Source.LargestPrintWidth());
    if (view.isEmpty() || largest < view.width()) {
        Refuse(&Window, PrintTitle, QStringLiteral("Die Grafik kann kein größeres Bild als die Ansicht erzeugen."));
        return;
    }
    const int width = AskForPrintWidth(&Window, PrintTitle, view, view.width(), largest, SuggestedPrintWidth);
    if (width == 0)
        return;
    const QString path =
        AskForPath(PrintTitle, QStringLiteral("%1 (Druck %2 px).png").arg(Marking()).arg(width));
    if (path.isEmpty())
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QImage picture = Source.DrawPrintFrame(width);
    QApplication::restoreOverrideCursor();
    if (picture.isNull()) {
        Refuse(&Window, PrintTitle,
               QStringLiteral("Ein Bild von %1 Pixeln Breite konnte nicht erzeugt werden.").arg(width));
        return;
    }
    const int dotsPerMetre = static_cast<int>(std::lround(PrintDotsPerInch / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    Write(picture, path, PrintTitle);
}

void PictureActions::Copy()
{
    const QImage picture = Grab(QStringLiteral("Bild kopieren"));
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
}

QString PictureActions::AskForPath(const QString& title, const QString& name)
{
    LoadQtTexts();
    // The folder of the last picture saved; at first the user's pictures.
    QString folder = LastFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QFileInfo(folder).isDir())
            folder = QDir::homePath();
    }
    const QString path = AskForPicturePath(&Window, title, folder, name);
    if (!path.isEmpty() && !PictureFormatFor(path)) {
        Refuse(&Window, title,
               QStringLiteral("„%1“ wurde nicht gespeichert: Bilder werden als PNG (.png) oder JPEG (.jpg, .jpeg) "
                              "gespeichert.")
                   .arg(QFileInfo(path).fileName()));
        return {};
    }
    return path;
}

void PictureActions::Write(const QImage& picture, const QString& path, const QString& title)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WheelConfig* reference = Source.Reference();
    const QString cause = WritePicture(
        picture, path, Marking(),
        reference ? QString::fromStdString(RimMarking(*reference, DecimalSeparator())) : QString());
    QApplication::restoreOverrideCursor();
    const QString folder = QFileInfo(path).absolutePath();
    if (cause.isEmpty()) {
        LastFolder = folder;
        return;
    }
    Refuse(&Window, title,
           QStringLiteral("Das Bild konnte nicht im Ordner „%1“ gespeichert werden: %2.")
               .arg(QDir::toNativeSeparators(folder), cause));
}

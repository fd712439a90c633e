#include "PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

namespace {

QString Cause(int error, const QString& path, const QString& fallback)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung, dort zu schreiben");
    case EROFS:
        return QStringLiteral("der Datenträger ist schreibgeschützt");
    case ENOSPC:
        return QStringLiteral("auf dem Datenträger ist kein Platz mehr");
    case EDQUOT:
        return QStringLiteral("das Speicherkontingent ist erschöpft");
    case EFBIG:
        return QStringLiteral("die Datei wäre größer, als erlaubt ist");
    case ENOENT:
    case ENOTDIR:
        // Some folders, as in /proc, exist and take no new files.
        return QFileInfo(QFileInfo(path).absolutePath()).isDir()
                   ? QStringLiteral("in diesem Ordner lassen sich keine Dateien anlegen")
                   : QStringLiteral("den Ordner gibt es nicht");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers");
    default:
        return fallback.isEmpty() ? QStringLiteral("unbekannter Fehler") : fallback;
    }
}

QString ProgramName()
{
    const QString version = QCoreApplication::applicationVersion();
    const QString name = QCoreApplication::applicationName();
    return version.isEmpty() ? name : name + QLatin1Char(' ') + version;
}

}  // namespace

const char* PictureFormatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return "png";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "jpeg";
    return nullptr;
}

QString WritePicture(const QImage& picture, const QString& path, const QString& marking, const QString& reference)
{
    const char* format = PictureFormatFor(path);
    if (!format)
        return QStringLiteral("Bilder werden nur als PNG (.png) oder JPEG (.jpg, .jpeg) gespeichert");
    // Encoded in memory first: a failing disk then fails a plain write, whose
    // cause is known, rather than the encoder halfway through.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setText(QStringLiteral("Title"), marking);
    if (!reference.isEmpty())
        writer.setText(QStringLiteral("Description"), QStringLiteral("Verglichen mit ") + reference);
    writer.setText(QStringLiteral("Software"), ProgramName());
    if (!writer.write(picture))
        return QStringLiteral("das Bild ließ sich nicht als %1 schreiben (%2)")
            .arg(QString::fromLatin1(format).toUpper(), writer.errorString());

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Cause(errno, path, file.errorString());
    errno = 0;
    if (file.write(encoded) != encoded.size()) {
        const int error = errno;
        file.cancelWriting();
        return Cause(error, path, file.errorString());
    }
    errno = 0;
    if (!file.commit())
        return Cause(errno, path, file.errorString());
    return {};
}

#include "PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

namespace {

QString Cause(int error, const QString& fallback)
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
        return QStringLiteral("den Ordner gibt es nicht");
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

QString WritePicture(const QImage& picture, const QString& path, const QString& marking)
{
    // Encoded in memory first: a failing disk then fails a plain write, whose
    // cause is known, rather than the encoder halfway through.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setText(QStringLiteral("Title"), marking);
    writer.setText(QStringLiteral("Software"), ProgramName());
    if (!writer.write(picture))
        return QStringLiteral("das Bild ließ sich nicht als PNG schreiben (%1)").arg(writer.errorString());

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Cause(errno, file.errorString());
    errno = 0;
    if (file.write(png) != png.size()) {
        const int error = errno;
        file.cancelWriting();
        return Cause(error, file.errorString());
    }
    errno = 0;
    if (!file.commit())
        return Cause(errno, file.errorString());
    return {};
}

#include "PictureFile.h"

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
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Cause(errno, file.errorString());

    QImageWriter writer(&file, "png");
    writer.setText(QStringLiteral("Title"), marking);
    writer.setText(QStringLiteral("Software"), ProgramName());
    errno = 0;
    if (!writer.write(picture)) {
        const int error = errno;
        file.cancelWriting();
        return Cause(error, writer.errorString());
    }
    errno = 0;
    if (!file.commit())
        return Cause(errno, file.errorString());
    return {};
}

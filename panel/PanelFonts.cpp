#include "PanelFonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

const QString WineFontDir = QStringLiteral("/usr/share/wine/fonts/");

struct FontFiles {
    QString family;
    QStringList files;
};

void LoadWhenMissing(const FontFiles& face)
{
    if (QFontDatabase::families().contains(face.family))
        return;
    for (const QString& file : face.files) {
        const QString path = WineFontDir + file;
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

}  // namespace

void RegisterPanelFonts()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;

    LoadWhenMissing({QStringLiteral("Tahoma"), {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}});
    LoadWhenMissing({QStringLiteral("MS Sans Serif"), {QStringLiteral("ms_sans_serif.ttf")}});
    if (!QFontDatabase::families().contains(QStringLiteral("Verdana")))
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

QFont PanelFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

#include "PanelFonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {

// Only the regular Tahoma is loaded: Wine's Tahoma Bold repeats the regular
// outlines, and without it a bold request gets a synthesised bold instead.
const QString WineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");

// MS Sans Serif stands for the window's default font; Wine's copy holds only
// bitmap strikes, so it is never loaded.
const QString DialogFamily = QStringLiteral("MS Sans Serif");

}  // namespace

void RegisterPanelFonts()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;

    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(TahomaFamily) && QFile::exists(WineTahoma))
        QFontDatabase::addApplicationFont(WineTahoma);
    if (!installed.contains(SectionFamily))
        QFont::insertSubstitution(SectionFamily, QStringLiteral("DejaVu Sans"));
    if (!installed.contains(DialogFamily))
        QFont::insertSubstitution(DialogFamily, TahomaFamily);
}

QFont PanelFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

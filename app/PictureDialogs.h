#pragma once

#include <QSize>
#include <QString>

class QWidget;

// The questions a picture to keep asks before it is written.

// Where to save it: the file dialog opened in the folder with the suggested
// name, PNG or JPEG as the filter chosen. It lists folders without reading
// their files, some of which (in /proc) block a reader for good. Empty when
// cancelled.
QString AskForPicturePath(QWidget* parent, const QString& title, const QString& folder, const QString& name);

// How wide a print-size picture is to be, from smallest to largest pixels,
// its height following the view's proportions; the dialog tells the printed
// size at the print resolution. 0 when cancelled.
int AskForPrintWidth(QWidget* parent, const QString& title, QSize view, int smallest, int largest, int suggested);

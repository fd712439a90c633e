#pragma once

#include <QImage>
#include <QString>

// Writes the picture as a PNG whole or not at all: a failure leaves no file
// behind and an existing file as it was. The PNG carries the rim's marking as
// its title and the program's name. Returns the cause of a failure in German
// words, empty on success.
QString WritePicture(const QImage& picture, const QString& path, const QString& marking);

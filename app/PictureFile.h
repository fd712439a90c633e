#pragma once

#include <QImage>
#include <QString>

// The resolution print-size pictures are made for.
inline constexpr int PrintDotsPerInch = 300;

// The format of a picture file by its name: "png" for .png, "jpeg" for .jpg
// and .jpeg, whatever their case; null for a name no picture is written
// under.
const char* PictureFormatFor(const QString& path);

// Writes the picture in the format its name asks for, whole or not at all: a
// failure leaves no file behind and an existing file as it was. The file
// carries the rim's marking as its title, the marking of a rim it is compared
// with, if any, as its description, and the program's name. Returns the
// cause of a failure in German words, empty on success.
QString WritePicture(const QImage& picture, const QString& path, const QString& marking,
                     const QString& reference = {});

#pragma once

#include <QImage>
#include <QString>

class PictureSource;
class QWidget;
struct WheelConfig;

// The view's picture to keep: saved as shown, at print size, or copied to the
// clipboard. Neither the view nor the configuration changes; a failure is
// told in a German message naming the folder and the cause.
class PictureActions {
public:
    PictureActions(PictureSource& source, const WheelConfig& config, QWidget& window);

    void Save();
    void SavePrintSize();
    void Copy();

private:
    // The view's picture as the command finds it; null, after saying so
    // under the given title, when it cannot be read.
    QImage Grab(const QString& title);
    // The file dialog, opened in the folder a picture was last saved to (at
    // first the user's pictures) with the name suggested; empty when
    // cancelled or when the name is not a picture's, which is said.
    QString AskForPath(const QString& title, const QString& name);
    void Write(const QImage& picture, const QString& path, const QString& title);
    QString Marking() const;

    PictureSource& Source;
    const WheelConfig& Config;
    QWidget& Window;
    QString LastFolder;
};

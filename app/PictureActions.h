#pragma once

#include <QImage>
#include <QString>

class TOpenGL_box;

// The view's picture to keep: saved as shown, at print size, or copied to the
// clipboard. Neither the view nor the configuration changes; a failure is
// told in a German message naming the folder and the cause.
class PictureActions {
public:
    explicit PictureActions(TOpenGL_box& box);

    void Save();
    void SavePrintSize();
    void Copy();

    // The widths the print size may take here: from the view's own up to
    // what the GL can draw off screen in one piece.
    int SmallestPrintWidth() const;
    int LargestPrintWidth() const;

private:
    // The file dialog, opened in the folder last saved to (at first the
    // user's pictures) with the rim's marking as the name; empty when
    // cancelled.
    QString AskForPath(const QString& title);
    void Write(const QImage& picture, const QString& path, const QString& title);
    QString Marking() const;

    TOpenGL_box& Box;
    QString Folder;
};

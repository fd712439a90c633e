#pragma once

#include <QObject>
#include <QSize>

class QWidget;

// Where the main window opens and how large: at its outer size, centred on
// the screen, and never smaller than its least client size; on a screen too
// small for either, as much of it as the screen holds.
class WindowPlacement : public QObject {
public:
    explicit WindowPlacement(QWidget& window);

    // 800 x 600, or what the screen leaves of it, the frame the window
    // system adds counted once it is known.
    QSize LeastClientSize() const;
    // The least size and the size to open at, told to the window before it
    // is shown.
    void SizeForStart();
    // The window has just been shown: its frame is measured as soon as the
    // window system has put one around it.
    void Shown();

protected:
    // Places the window as it is first shown; measures the frame as it is
    // first exposed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceOnScreen();
    void FitOuterSize();
    QSize StartClientSize() const;

    QWidget& Window;
    bool Fitted = false;
    QSize FrameSize{0, 0};  // the window system's frame, once measured
};

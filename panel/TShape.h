#pragma once

#include <QColor>
#include <QWidget>

// A framed rectangle: a one-pixel border around a filled interior. It takes no
// input and sits behind the controls it groups.
class TShape : public QWidget {
public:
    TShape(const QColor& border, const QColor& fill, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor Border;
    QColor Fill;
};

#include "TShape.h"

#include <QPainter>

TShape::TShape(const QColor& border, const QColor& fill, QWidget* parent)
    : QWidget(parent)
    , Border(border)
    , Fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Border);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), Fill);
}

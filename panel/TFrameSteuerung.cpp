#include "Unit1.h"

#include "SceneHost.h"
#include "WheelConfig.h"

#include <QPalette>

TFrameSteuerung::TFrameSteuerung(WheelConfig& config, SceneHost& host, QWidget* parent)
    : QWidget(parent)
    , Config(config)
    , Host(host)
{
    setObjectName("FrameSteuerung1");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setFixedWidth(200);
}

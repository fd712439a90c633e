#pragma once

#include <QWidget>

struct WheelConfig;
class SceneHost;

// The control panel along the window's left edge.
class TFrameSteuerung : public QWidget {
    Q_OBJECT
public:
    TFrameSteuerung(WheelConfig& config, SceneHost& host, QWidget* parent);

private:
    WheelConfig& Config;
    SceneHost& Host;
};

#pragma once

#include "ct_ogl1.h"

#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class QAbstractButton;
class QLabel;
class QWidget;

// The text a label or button shows; empty for other widgets.
QString CaptionOf(const QWidget* w);

// How many model builds and presented frames one click caused.
struct ClickEffect {
    int rebuilds = 0;
    int frames = 0;
};

// A shown and exposed main window whose panel the tests click.
class PanelWindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    QAbstractButton* Button(const char* name) const;
    QLabel* Label(const char* name) const;
    QString LabelText(const char* name) const;
    // Clicks the named button with the mouse and counts what the click drew.
    ClickEffect Click(const char* name);
    // Counts what the action drew.
    ClickEffect EffectOf(const std::function<void()>& action);
    void ClickTimes(const char* name, int times);

    std::unique_ptr<TOpenGL_box> box;
};

// Sets the default locale for the scope of a test.
class DefaultLocaleScope {
public:
    explicit DefaultLocaleScope(const QLocale& locale);
    ~DefaultLocaleScope();
    DefaultLocaleScope(const DefaultLocaleScope&) = delete;
    DefaultLocaleScope& operator=(const DefaultLocaleScope&) = delete;

private:
    QLocale Previous;
};

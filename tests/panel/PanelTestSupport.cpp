#include "PanelTestSupport.h"

#include "FrameCapture.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

QString CaptionOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return {};
}

void PanelWindowTest::SetUp()
{
    box = std::make_unique<TOpenGL_box>();
    ASSERT_TRUE(ShowAndExpose(*box));
}

QAbstractButton* PanelWindowTest::Button(const char* name) const
{
    return box->Panel()->findChild<QAbstractButton*>(QLatin1String(name));
}

QLabel* PanelWindowTest::Label(const char* name) const
{
    return box->Panel()->findChild<QLabel*>(QLatin1String(name));
}

QString PanelWindowTest::LabelText(const char* name) const
{
    const QLabel* label = Label(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

ClickEffect PanelWindowTest::Click(const char* name)
{
    QAbstractButton* button = Button(name);
    if (!button) {
        ADD_FAILURE() << "no button " << name;
        return {-1, -1};
    }
    return EffectOf([button] { QTest::mouseClick(button, Qt::LeftButton); });
}

ClickEffect PanelWindowTest::EffectOf(const std::function<void()>& action)
{
    // Paints still queued from showing the window must not count.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QSignalSpy builds(box.get(), &TOpenGL_box::WheelListBuilt);
    QSignalSpy frames(box.get(), &TOpenGL_box::FramePresented);
    action();
    return {static_cast<int>(builds.count()), static_cast<int>(frames.count())};
}

void PanelWindowTest::ClickTimes(const char* name, int times)
{
    for (int i = 0; i < times; ++i)
        Click(name);
}

DefaultLocaleScope::DefaultLocaleScope(const QLocale& locale)
    : Previous(QLocale())
{
    QLocale::setDefault(locale);
}

DefaultLocaleScope::~DefaultLocaleScope()
{
    QLocale::setDefault(Previous);
}

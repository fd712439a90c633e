#include "SoakChecks.h"

#include "GLView.h"
#include "ct_ogl1.h"

#include <QAbstractButton>
#include <QLabel>
#include <QOpenGLContext>
#include <QWidget>

#include <GL/gl.h>

#include <array>
#include <cmath>

namespace {

// Widths come in half inches, the other values whole; German writes a comma.
QString German(double value)
{
    const long twice = std::lround(value * 2.0);
    const QString whole = QString::number(twice / 2);
    return twice % 2 == 0 ? whole : whole + QStringLiteral(",5");
}

QString Caption(const QWidget& panel, const char* name)
{
    if (const auto* label = panel.findChild<const QLabel*>(QLatin1String(name)))
        return label->text();
    if (const auto* button = panel.findChild<const QAbstractButton*>(QLatin1String(name)))
        return button->text();
    return QStringLiteral("<no control %1>").arg(QLatin1String(name));
}

}  // namespace

testing::AssertionResult SoakChecks::PanelShows(const QWidget& panel, const WheelConfig& c) const
{
    const std::array<std::pair<const char*, QString>, 5> expected{{
        {"lblMaulweiteText", WidthRewritten ? QStringLiteral("Maulweite: ") + German(c.Maulweite) + QStringLiteral(" \"")
                                            : QStringLiteral("Maulweite: 6\"")},
        {"lblDurchmesser", DiameterRewritten
                               ? QStringLiteral("Durchmesser: ") + German(c.Durchmesser) + QStringLiteral(" \"")
                               : QStringLiteral("Durchmesser: 15\"")},
        {"lblEinpresstiefe", QStringLiteral("Einpresstiefe: ") + German(c.Einpresstiefe) + QStringLiteral("mm")},
        {"lblLochkreise", QStringLiteral("Radbolzen: ") + QString::number(c.Radbolzen)},
        {"btnSchnitt", c.Halbschnitt ? QStringLiteral("Volldarstellung") : QStringLiteral("Halbschnitt")},
    }};
    for (const auto& [name, text] : expected) {
        const QString shown = Caption(panel, name);
        if (shown != text)
            return testing::AssertionFailure()
                   << name << " shows \"" << shown.toStdString() << "\", expected \"" << text.toStdString() << "\"";
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult SoakChecks::FrameConsumedTheRotation(const WheelConfig& before, const WheelConfig& after,
                                                              bool rotationClick)
{
    using Axis = std::array<float, 3>;
    if (after.RotAngle != 0.0f)
        return testing::AssertionFailure() << "the frame left a pending rotation of " << after.RotAngle;
    if (after.RotAxis != Axis{0, 0, 0} && after.RotAxis != Axis{1, 0, 0} && after.RotAxis != Axis{0, 1, 0})
        return testing::AssertionFailure() << "rotation axis is neither unset nor a screen axis";
    if ((after.RotMatrix != before.RotMatrix) != rotationClick)
        return testing::AssertionFailure() << (rotationClick ? "a rotation left the model as it was"
                                                             : "the model turned without a rotation");
    return testing::AssertionSuccess();
}

testing::AssertionResult SoakChecks::NoGLError(const TOpenGL_box& box)
{
    const QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context || context->surface() != box.View())
        return testing::AssertionFailure() << "the view's GL context is not current after the click";
    if (const GLenum error = glGetError(); error != GL_NO_ERROR)
        return testing::AssertionFailure() << "GL error 0x" << std::hex << error << " after the frame";
    return testing::AssertionSuccess();
}

testing::AssertionResult SoakChecks::ExactlyOneWheelList(TOpenGL_box& box)
{
    const unsigned current = box.Config().WheelList;
    if (current == 0 || glIsList(current) != GL_TRUE)
        return testing::AssertionFailure() << "the configuration names no list: " << current;
    Highest = std::max(Highest, current);
    // Past the highest name seen too, in case a build made lists it never named.
    int alive = 0;
    for (GLuint name = 1; name <= Highest + 64; ++name)
        alive += glIsList(name) == GL_TRUE;
    if (alive != 1)
        return testing::AssertionFailure() << alive << " display lists exist, the wheel's is " << current;
    return testing::AssertionSuccess();
}

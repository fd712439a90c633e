#pragma once

#include <QStringList>

// One-line reports of a start that cannot go on, each naming its cause from
// what the platform is and what Qt said while it tried (the held messages).

// No platform could be opened: no display, or none that answers.
QString NoDisplayLine(const QStringList& held);

// The platform is open but gives the view no OpenGL context.
QString NoGLLine(const QStringList& held);

// Whether a dialog would be seen: not on platforms that show no windows, nor
// on a colour-mapped X screen, where widgets cannot paint.
bool CanShowDialogs();

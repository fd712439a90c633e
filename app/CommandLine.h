#pragma once

#include "MarkingReader.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of a start: a rim, or an answer and an end.
struct StartRequest {
    // Set when the program ends here, with this status.
    std::optional<int> exitCode;
    QString output;  // for standard output: the usage or the version
    QString error;   // one line for standard error, naming what was refused
    // The rim to start with instead of the start rim.
    std::optional<MarkedRim> rim;
    // The rim to compare it with from the start: --compare MARKING.
    std::optional<MarkedRim> reference;
};

// Reads "marloquent [MARKING] [--compare MARKING]" and its options. The marking may come as one
// argument or as several, which are read joined by blanks. The options Qt
// documents for its application objects (-platform, -style, -display, ...)
// are left for Qt, which takes them when the application object is made; so
// the command line is read whole before there is a display, and an unknown
// option or a marking that cannot be read or set ends the start with status 2.
StartRequest ReadCommandLine(const QStringList& arguments);

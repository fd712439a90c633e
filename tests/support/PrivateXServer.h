#pragma once

#include "ProgramRun.h"

#include <string>
#include <vector>

// An Xvfb of the test's own on a free display number, with one 1024 x 768
// screen of the given depth and any further server options; it stops when
// the object goes.
class PrivateXServer {
public:
    explicit PrivateXServer(int depth, const std::vector<std::string>& options = {});

    bool Ready() const { return !Name.empty(); }
    // ":N", or empty when the server did not come up.
    const std::string& Display() const { return Name; }

private:
    ProgramRun Server;
    std::string Name;
};

#pragma once

// Keeps every shared library loaded so far from being unloaded at exit, so that
// a leak report at exit can still name the library that made an allocation.
void PinLoadedLibraries();

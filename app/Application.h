#pragma once

// Names the running program and gives its windows their icon; call once the
// application object exists.
void ConfigureApplication();

// The program: opens the main window and runs until it is closed. Returns the
// exit code; non-zero when no display or no usable GL could be had.
int RunMarloQuent(int argc, char** argv);

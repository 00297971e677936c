// What every run without a window shares: the offscreen platform, a Qt
// application of the program's name, and the folders the program was
// installed in.
#pragma once

#include <functional>

#include "headless/render_run.h"

// Runs `command` in that set-up; returns its exit status. `argc` and `argv`
// are the program's own, which the application keeps.
int runWithoutWindow(int& argc, char** argv,
                     const std::function<int(const RenderEnvironment&)>& command);

// The options of `Velloro --serve` and `--sign-url`, rows of the same option
// list as those of `--render`, so that --help shows them beside the others.
#pragma once

#include <vector>

#include "headless/command_options.h"

std::vector<CommandOption> serviceOptions();

// Whether `flag` is one of the service's own options.
bool isServiceOption(const QString& flag);

// `Velloro --serve` and `Velloro --sign-url`: their options read from the
// command line, the key read from its file, and the service run until
// SIGTERM or SIGINT.
#pragma once

#include <QStringList>

#include "headless/render_run.h"

// Needs a QGuiApplication; returns the exit status.
int runServiceCommand(const QStringList& arguments, const RenderEnvironment& environment);

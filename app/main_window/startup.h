// Start-up: makes the design document for the screen, the working files,
// loads and shows the main window, loads the default curve and shows the
// first-run help once. A failing step is skipped and the next one runs.
// The files handed over on the command line open last, over the default
// picture.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class MainWindow;
class Platform;

// `windowMade` runs as soon as the main window exists, before any message or
// the help window can show, so that they can be owned by it. `handedFiles`
// are the files named on the command line, for the window to open.
std::unique_ptr<MainWindow> startVelloro(const QString& programFolder, Platform& platform,
                                         const std::function<void(MainWindow&)>& windowMade = {},
                                         const QStringList& handedFiles = {});

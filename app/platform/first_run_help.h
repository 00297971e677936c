// The first-run help: shown once per user, remembered by the setting
// "Software\Velloro\First" "Value" = "1".
#pragma once

#include <QString>

class Platform;

// Shows the first-run page of the help in `programFolder` unless it was
// shown before. The setting is written even when the help page is missing.
void showFirstRunHelpOnce(Platform& platform, const QString& programFolder);

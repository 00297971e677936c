// The font size list of the main window: 20 to 100 in steps of 5, then 120
// to 200 in steps of 20.
#pragma once

#include <QStringList>

QStringList fontSizeChoices();

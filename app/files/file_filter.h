// File dialog filters written as "description|patterns|description|patterns"
// (patterns joined by ";"), turned into the filter text of Qt's dialogs.
#pragma once

#include <QString>

// "Gif (*.gif)|*.gif|Image files |*.bmp;*.jpg" gives
// "Gif (*.gif);;Image files (*.bmp *.jpg)": each description keeps its words
// and shows the patterns that really apply; an empty text gives the single
// entry "All Files (*.*)".
QString qtFileFilter(const QString& entries);

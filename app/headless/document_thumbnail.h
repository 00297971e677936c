// `Velloro --thumbnail DOCUMENT OUT SIZE`: the preview a document keeps,
// shrunk to fit SIZE pixels a side, written as a PNG; what file managers
// run to show a document (data/desktop/velloro.thumbnailer). Nothing is
// rendered: a thumbnail never loads the engine.
#pragma once

#include <QStringList>
#include <cstdio>

inline constexpr int largestThumbnailSide = 1024;

bool wantsThumbnail(const QStringList& arguments);

// `arguments` are those after the program's name; a problem is told in one
// line on `errors`.
int runThumbnailCommand(const QStringList& arguments, std::FILE* errors);

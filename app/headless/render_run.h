// `Velloro --render`: reads the command line, renders one title or a batch
// without any window, writes the pictures and returns the exit status.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

struct RenderEnvironment {
  QString programFolder;  // holds the curves and textures folders
  QString enginePath;     // the relief engine library
  std::FILE* output = stdout;
  std::FILE* errors = stderr;
};

// `arguments` are those after the program's name. Needs a QGuiApplication.
int runRenderCommand(const QStringList& arguments, const RenderEnvironment& environment);

// Sets the offscreen platform when none was chosen, so that a render needs
// no display, and keeps Qt's own notes about its environment off the error
// stream, which a script reads one line per problem; call before the
// application object is made.
void prepareHeadlessRun();

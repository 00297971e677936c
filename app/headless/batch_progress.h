// Progress of a batch on the error stream: one line per title ("12/40
// Contact"), or on a terminal a bar that is redrawn in place.
#pragma once

#include <QString>
#include <cstdio>

// "12/40 Contact", the title's control characters shown as codes.
QString progressLine(int done, int total, const QString& title);

// "[#######.............]" with `width` marks between the brackets.
QString progressBar(int done, int total, int width);

class BatchProgress {
 public:
  // `terminal`: whether `stream` shows on a terminal that can redraw a line.
  BatchProgress(std::FILE* stream, bool terminal, int total);

  void titleDone(int done, const QString& title);
  // Prints a message on a line of its own, the bar, if any, shown after it;
  // control characters in it are shown as codes.
  void report(const QString& message);
  // Ends the bar's line.
  void finish();

 private:
  void write(const QString& text);

  std::FILE* stream_;
  bool terminal_;
  int total_;
  QString shownBar_;
};

// Whether the stream is a terminal.
bool isTerminal(std::FILE* stream);

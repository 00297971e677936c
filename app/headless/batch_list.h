// The list of a batch render: one title per line, "text<TAB>file name", in
// UTF-8; lines starting with "#" are comments. A line that cannot be read is
// kept as a problem with its line number so that the others still render.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

struct BatchTitle {
  int lineNumber = 0;
  QString text;
  QString fileName;  // inside the batch's output folder
};

struct BatchProblem {
  int lineNumber = 0;
  QString message;
};

struct BatchList {
  std::vector<BatchTitle> titles;
  std::vector<BatchProblem> problems;
};

BatchList parseBatchList(const QByteArray& content);

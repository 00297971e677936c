// A program folder with the shipped curves and a texture, a scratch folder
// for the pictures, a private temporary folder, and the streams of a run.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>

#include "headless/render_run.h"
#include "stream_text.h"

// The smallest rectangle of pixels with any alpha, worked out here pixel by
// pixel so the tests do not measure with the code they check.
inline QRect alphaExtent(const QImage& picture) {
  QRect extent;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qAlpha(picture.pixel(x, y)) > 0) extent |= QRect(x, y, 1, 1);
  return extent;
}

class RenderRunFixture : public testing::Test {
 protected:
  void SetUp() override {
    savedTemporaryFolder = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    QDir().mkpath(program.filePath(QStringLiteral("curves")));
    for (const char* curve : {"default.txt", "steel.txt", "gold.txt"})
      QFile::copy(QStringLiteral(SHIPPED_CURVES "/") + QLatin1String(curve),
                  program.filePath(QStringLiteral("curves/")) + QLatin1String(curve));
    QDir().mkpath(program.filePath(QStringLiteral("textures")));
    QFile::copy(QStringLiteral(SHIPPED_TEXTURES "/marble.bmp"),
                program.filePath(QStringLiteral("textures/marble.bmp")));
  }

  void TearDown() override {
    qputenv("TMPDIR", savedTemporaryFolder);
    std::fclose(output);
    std::fclose(errors);
  }

  // Runs the command line `arguments` with a fresh error stream.
  int runArguments(const QStringList& arguments) {
    std::fclose(errors);
    errors = std::tmpfile();
    return runRenderCommand(arguments,
                            {program.path(), QStringLiteral(ENGINE_PATH), output, errors});
  }

  QString out(const char* name) const { return pictures.filePath(QLatin1String(name)); }
  std::string errorText() const { return textOf(errors); }

  QTemporaryDir program;
  QTemporaryDir pictures;
  QTemporaryDir temporary;
  QByteArray savedTemporaryFolder;
  std::FILE* output = std::tmpfile();
  std::FILE* errors = std::tmpfile();
};

// Runs of command lines written as one line of words, from the shipped data
// folder. The temporary folder points below one that does not exist: a run
// needs none, and leaves nothing there.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "headless/render_command.h"
#include "headless/render_run.h"
#include "test_files.h"

// The words of `line`, each "%" replaced by the next of `values` (which may
// hold spaces or be file names made at run time).
inline QStringList commandWords(const QString& line, const QStringList& values = {}) {
  QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  auto value = values.begin();
  for (QString& word : words)
    if (word == QLatin1String("%") && value != values.end()) word = *value++;
  return words;
}

// The message `arguments` are refused with; "accepted" when they are not.
inline std::string usageError(const QStringList& arguments) {
  try {
    parseRenderCommand(arguments);
  } catch (const UsageError& error) {
    return error.message().toStdString();
  }
  return "accepted";
}

// Everything written to `stream` so far.
inline std::string textOf(std::FILE* stream) {
  std::rewind(stream);
  std::string content;
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) content += char(c);
  return content;
}

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
    qputenv("TMPDIR", QFile::encodeName(temporary.filePath(QStringLiteral("missing/below"))));
  }

  void TearDown() override {
    qputenv("TMPDIR", savedTemporaryFolder);
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
    std::fclose(output);
    std::fclose(errors);
  }

  // Runs "--render" and the words of `line`, "%" standing for each of
  // `values`, with a fresh error stream.
  int run(const QString& line, const QStringList& values = {}) {
    std::fclose(errors);
    errors = std::tmpfile();
    return runRenderCommand(
        QStringList{QStringLiteral("--render")} + commandWords(line, values),
        {QStringLiteral(SHIPPED_DATA), QStringLiteral(ENGINE_PATH), output, errors});
  }

  // Runs `line` that writes the picture `name` (its last "%") and reads it back.
  QImage rendered(const QString& line, const char* name, QStringList values = {}) {
    EXPECT_EQ(run(line, values << out(name)), 0) << line.toStdString() << errorText();
    return argb(name);
  }

  // Runs `line` with `values` and the picture "told.png" as its last "%":
  // it ends with `status` and tells `told`; the picture is written only when
  // the run succeeds.
  void expectTold(const QString& line, QStringList values, int status, const std::string& told) {
    EXPECT_EQ(run(line, values << out("told.png")), status) << line.toStdString();
    EXPECT_EQ(errorText(), told) << line.toStdString();
    EXPECT_EQ(QFile::remove(out("told.png")), status == 0) << line.toStdString();
  }
  std::string toldPath() const { return out("told.png").toStdString(); }

  QString out(const char* name) const { return pictures.filePath(QLatin1String(name)); }
  QImage argb(const char* name) const {
    return QImage(out(name)).convertToFormat(QImage::Format_ARGB32);
  }
  std::string errorText() const { return textOf(errors); }

  // A batch list of `content`.
  QString batchList(const QByteArray& content) const {
    const QString list = files.filePath(QStringLiteral("list.txt"));
    writeContent(list, content);
    return list;
  }

  QTemporaryDir files;
  QTemporaryDir pictures;
  QTemporaryDir temporary;
  QByteArray savedTemporaryFolder;
  std::FILE* output = std::tmpfile();
  std::FILE* errors = std::tmpfile();
};

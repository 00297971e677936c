#include "rendered_bytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "headless/render_run.h"

using namespace Qt::StringLiterals;

QByteArray renderedBytes(QStringList arguments, const QString& format) {
  QTemporaryDir folder;
  const QString output = folder.filePath(u"title."_s + format);
  arguments.prepend(u"--render"_s);
  arguments << u"-o"_s << output;
  std::FILE* sink = std::tmpfile();
  const int status = runRenderCommand(
      arguments, {QStringLiteral(SHIPPED_DATA), QStringLiteral(ENGINE_PATH), sink, sink});
  std::fclose(sink);
  QFile file(output);
  if (status != 0 || !file.open(QIODevice::ReadOnly)) return "render failed";
  return file.readAll();
}

// Feeds arbitrary bytes to the batch-list reader as a list. Every title it
// keeps must have a text and name a file of an output format inside the
// batch's folder, under a name no earlier title took, and the line numbers
// must rise; everything else must be a problem with a line number.
#include <QSet>
#include <cstdlib>

#include "headless/batch_list.h"
#include "headless/render_command.h"

namespace {

bool staysInTheFolder(const QString& name) {
  if (name.isEmpty() || name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\'))
    return false;
  for (const QChar character : name)
    if (character.unicode() < 0x20) return false;
  return !outputFormatOf(name).isEmpty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const BatchList list =
      parseBatchList(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  QSet<QString> names;
  int lastLine = 0;
  for (const BatchTitle& title : list.titles) {
    if (title.lineNumber <= lastLine || title.text.isEmpty() || !staysInTheFolder(title.fileName) ||
        names.contains(title.fileName))
      std::abort();
    names.insert(title.fileName);
    lastLine = title.lineNumber;
  }
  for (const BatchProblem& problem : list.problems)
    if (problem.lineNumber < 1 || problem.message.isEmpty()) std::abort();
  return 0;
}

#include "headless/batch_list.h"

#include <QSet>
#include <QStringDecoder>
#include <algorithm>

#include "design/text_picture.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

std::optional<QString> decodedLine(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString line = utf8(bytes);
  if (utf8.hasError()) return std::nullopt;
  return line;
}

// The problem of a file name, or empty when it will do.
QString fileNameProblem(const QString& fileName) {
  if (fileName.trimmed().isEmpty()) return u"no file name after the tab"_s;
  if (fileName.contains(u'/') || fileName.contains(u'\\'))
    return u"the file name '%1' must not name a folder"_s.arg(fileName);
  if (fileName.startsWith(u'.')) return u"the file name '%1' starts with a dot"_s.arg(fileName);
  // The system would end a name at a zero byte and write another file.
  if (std::any_of(fileName.begin(), fileName.end(), [](QChar c) { return c.unicode() < 0x20; }))
    return u"the file name '%1' holds a control character"_s.arg(fileName);
  if (outputFormatOf(fileName).isEmpty())
    return u"the file name '%1' does not end in .%2"_s.arg(fileName,
                                                           outputFormats().join(u", ."_s));
  return {};
}

}  // namespace

BatchList parseBatchList(const QByteArray& content) {
  BatchList list;
  QByteArray text = content.startsWith(byteOrderMark) ? content.mid(3) : content;
  if (text.endsWith('\n')) text.chop(1);
  if (text.isEmpty()) return list;
  QSet<QString> usedNames;
  int lineNumber = 0;
  for (QByteArray bytes : text.split('\n')) {
    ++lineNumber;
    if (bytes.endsWith('\r')) bytes.chop(1);
    auto problem = [&](const QString& message) { list.problems.push_back({lineNumber, message}); };
    const std::optional<QString> line = decodedLine(bytes);
    if (!line) {
      problem(u"the line is not UTF-8 text"_s);
      continue;
    }
    if (line->startsWith(u'#')) continue;
    if (line->trimmed().isEmpty()) {
      problem(u"empty line"_s);
      continue;
    }
    const qsizetype tab = line->indexOf(u'\t');
    if (tab < 0) {
      problem(u"no tab between the text and the file name"_s);
      continue;
    }
    if (line->indexOf(u'\t', tab + 1) >= 0) {
      problem(u"more than one tab on the line"_s);
      continue;
    }
    const QString title = line->left(tab);
    const QString fileName = line->mid(tab + 1).trimmed();
    if (title.isEmpty()) {
      problem(u"no text before the tab"_s);
      continue;
    }
    if (const QString titleFault = titleProblem(title); !titleFault.isEmpty()) {
      problem(titleFault);
      continue;
    }
    if (const QString nameProblem = fileNameProblem(fileName); !nameProblem.isEmpty()) {
      problem(nameProblem);
      continue;
    }
    if (usedNames.contains(fileName)) {
      problem(u"the file name '%1' is used by an earlier line"_s.arg(fileName));
      continue;
    }
    usedNames.insert(fileName);
    list.titles.push_back({lineNumber, title, fileName});
  }
  return list;
}

#include "document/document_container.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QByteArray signature = "VELLORO DOCUMENT "_ba;

// A plain name: never a path, never "..", so no reader is led to a folder.
bool isPlainPartName(QByteArrayView name) {
  static const QRegularExpression plain(u"^[a-z0-9-]+\\.[a-z0-9]+$"_s);
  return name.size() <= longestPartName && plain.match(QString::fromLatin1(name)).hasMatch();
}

// Reads the document's lines and parts front to back, never past its end.
class ContainerReader {
 public:
  explicit ContainerReader(QByteArrayView bytes) : bytes_(bytes) {}

  QByteArrayView line() {
    const qsizetype end = bytes_.indexOf('\n', at_);
    if (end < 0) throw DocumentRefusal(u"the file ends early"_s);
    const QByteArrayView text = bytes_.sliced(at_, end - at_);
    at_ = end + 1;
    return text;
  }

  QByteArray take(qint64 length) {
    if (length > bytes_.size() - at_) throw DocumentRefusal(u"the file ends early"_s);
    const QByteArray part = bytes_.sliced(at_, length).toByteArray();
    at_ += length;
    if (line().size() != 0) throw DocumentRefusal(u"a part is longer than its length says"_s);
    return part;
  }

 private:
  QByteArrayView bytes_;
  qsizetype at_ = 0;
};

void readVersion(QByteArrayView firstLine) {
  if (!firstLine.startsWith(signature)) throw DocumentRefusal(u"not a Velloro document"_s);
  bool number = false;
  const int version = firstLine.sliced(signature.size()).toInt(&number);
  if (!number || version < 1) throw DocumentRefusal(u"not a Velloro document"_s);
  if (version > documentFormatVersion)
    throw DocumentRefusal(
        u"made by a newer Velloro: format %1, this one reads format %2"_s.arg(version).arg(
            documentFormatVersion));
}

qint64 partLength(QByteArrayView text, QByteArrayView name) {
  bool number = false;
  const qint64 length = text.toLongLong(&number);
  const qint64 limit = name == manifestPart.toLatin1() ? largestManifest : largestDocument;
  if (!number || length < 0 || text.startsWith('+'))
    throw DocumentRefusal(u"the length of part %1 is no number"_s.arg(QString::fromLatin1(name)));
  if (length > limit)
    throw DocumentRefusal(
        u"part %1 is larger than %2 bytes"_s.arg(QString::fromLatin1(name)).arg(limit));
  return length;
}

}  // namespace

DocumentRefusal::DocumentRefusal(const QString& cause) : std::runtime_error(cause.toStdString()) {}

QString DocumentRefusal::cause() const { return QString::fromUtf8(what()); }

QByteArray containerBytes(const DocumentParts& parts) {
  QByteArray bytes = signature + QByteArray::number(documentFormatVersion) + '\n';
  auto put = [&](const QString& name, const QByteArray& part) {
    bytes += name.toLatin1() + ' ' + QByteArray::number(part.size()) + '\n' + part + '\n';
  };
  if (const auto manifest = parts.find(manifestPart); manifest != parts.end())
    put(manifest->first, manifest->second);
  for (const auto& [name, part] : parts)
    if (name != manifestPart) put(name, part);
  return bytes + "end\n";
}

DocumentParts readContainer(QByteArrayView bytes) {
  if (bytes.isEmpty()) throw DocumentRefusal(u"the file is empty"_s);
  if (bytes.size() > largestDocument)
    throw DocumentRefusal(u"larger than %1 bytes"_s.arg(largestDocument));
  ContainerReader reader(bytes);
  readVersion(reader.line());
  DocumentParts parts;
  for (QByteArrayView heading = reader.line(); heading != "end"; heading = reader.line()) {
    const qsizetype space = heading.indexOf(' ');
    const QByteArrayView name = space < 0 ? heading : heading.first(space);
    if (space < 0 || !isPlainPartName(name))
      throw DocumentRefusal(u"a part is named \"%1\", which is no plain name"_s.arg(
          QString::fromLatin1(name.first(std::min<qsizetype>(name.size(), longestPartName)))));
    if (parts.size() == size_t(mostDocumentParts))
      throw DocumentRefusal(u"more than %1 parts"_s.arg(mostDocumentParts));
    const QString key = QString::fromLatin1(name);
    if (parts.contains(key)) throw DocumentRefusal(u"part %1 appears twice"_s.arg(key));
    parts[key] = reader.take(partLength(heading.sliced(space + 1), name));
  }
  if (!parts.contains(manifestPart)) throw DocumentRefusal(u"no design.json part"_s);
  return parts;
}

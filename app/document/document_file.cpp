#include "document/document_file.h"

#include <QFile>

#include "document/document_reading.h"
#include "files/bounded_read.h"
#include "files/failure.h"
#include "files/file_writing.h"

using namespace Qt::StringLiterals;

namespace {

Failure unreadable(const QString& cause, const QString& path) {
  return Failure(errorNumber::UnreadableDocument,
                 u"Unreadable document (%1): %2"_s.arg(cause, path));
}

}  // namespace

bool isDocumentName(const QString& path) {
  return path.endsWith(documentSuffix, Qt::CaseInsensitive);
}

VelloroDocument readDocumentFile(const QString& path) {
  QFile file(path);
  openForReading(file);
  const std::optional<QByteArray> bytes = readRestWithin(file, largestDocument);
  if (!bytes) throw unreadable(u"larger than %1 bytes"_s.arg(largestDocument), path);
  try {
    return readDocument(*bytes);
  } catch (const DocumentRefusal& refusal) {
    throw unreadable(refusal.cause(), path);
  }
}

void writeDocumentFile(const QString& path, const VelloroDocument& document) {
  writeFileReplacing(path, documentBytes(document));
}

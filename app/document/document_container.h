// The container of a Velloro document (".velloro"): one file of named parts,
// each with its length in front, after a first line that names the format
// and its version (docs/document-format.md). The container knows only parts
// and their bytes; what they hold is read by the document's reader. Every
// length, name and count is held to the limits below before anything is
// allocated for it, so a hostile file costs no more than a good one.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <map>
#include <stdexcept>

inline constexpr int documentFormatVersion = 1;
inline constexpr qint64 largestDocument = qint64(512) << 20;
inline constexpr qint64 largestManifest = qint64(1) << 20;
inline constexpr int mostDocumentParts = 12;
inline constexpr int longestPartName = 40;

// Why the bytes of a document cannot be read, in words that follow the
// file's name in the reader's message.
class DocumentRefusal : public std::runtime_error {
 public:
  explicit DocumentRefusal(const QString& cause);
  QString cause() const;
};

// The parts of a document by name; the manifest is the part "design.json".
using DocumentParts = std::map<QString, QByteArray>;

inline const QString manifestPart = QStringLiteral("design.json");

// The file bytes of `parts`, the manifest first; names are the caller's
// own and are not checked.
QByteArray containerBytes(const DocumentParts& parts);

// The parts of `bytes`; throws a DocumentRefusal for a file that is empty,
// of another format, of a newer version, ends early, names a part with
// anything but small letters, digits, '-' and one '.', names one twice,
// holds too many, or lacks the manifest.
DocumentParts readContainer(QByteArrayView bytes);

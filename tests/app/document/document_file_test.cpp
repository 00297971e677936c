#include "document/document_file.h"

#include "core_test.h"
#include "document/document_container.h"
#include "document/document_reading.h"
#include "file_size_limit.h"
#include "files/png_encoding.h"

namespace {

QByteArray part(const QByteArray& name, const QByteArray& bytes) {
  return name + ' ' + QByteArray::number(bytes.size()) + '\n' + bytes + '\n';
}

const QByteArray minimalManifest = R"({"format": "velloro-document", "version": 1, "design": {}})";

QByteArray document(const QByteArray& parts) { return "VELLORO DOCUMENT 1\n" + parts + "end\n"; }

// The CRC of PNG chunks, worked out bit by bit.
quint32 crc32(QByteArrayView bytes) {
  quint32 crc = 0xffffffff;
  for (char byte : bytes) {
    crc ^= quint8(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

// A PNG whose header claims `width` x `height`, with no pixel data after it.
QByteArray pngHeaderOnly(quint32 width, quint32 height) {
  QByteArray bytes = encodedPicture(filledPicture(1, 1, Qt::red), "PNG");
  auto putBig = [&](int at, quint32 value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = char(value >> (24 - 8 * i));
  };
  putBig(16, width);
  putBig(20, height);
  putBig(29, crc32(QByteArrayView(bytes).sliced(12, 17)));
  return bytes;
}

QByteArray nested(int depth) {
  return R"({"format": "velloro-document", "version": 1, "design": )" + QByteArray(depth, '[') +
         QByteArray(depth, ']') + "}";
}

}  // namespace

// The exact message of each refusal: the cause in brackets, then the file.
TEST(DocumentFile, RefusesEachFaultyDocumentNamingTheFileAndTheCause) {
  const QByteArray good = document(part("design.json", minimalManifest));
  const QByteArray withPicture =
      R"({"format": "velloro-document", "version": 1, "design": {}, "pictures": ["canvas"]})";
  const struct {
    const char* name;
    QByteArray bytes;
    const char* cause;
  } cases[] = {
      {"empty", "", "the file is empty"},
      {"no signature", "PK\x03\x04 zip\n", "not a Velloro document"},
      {"newer container", "VELLORO DOCUMENT 2\n",
       "made by a newer Velloro: format 2, this one reads format 1"},
      {"newer manifest",
       document(part("design.json", R"({"format": "velloro-document", "version": 7})")),
       "made by a newer Velloro: format 7, this one reads format 1"},
      {"cut in the heading", good.first(25), "the file ends early"},
      {"cut in a part", good.first(good.size() - 10), "the file ends early"},
      {"no end line", good.first(good.size() - 4), "the file ends early"},
      {"part longer than said", "VELLORO DOCUMENT 1\ndesign.json 2\n{}}\nend\n",
       "a part is longer than its length says"},
      {"huge length", "VELLORO DOCUMENT 1\ncanvas.png 99999999999999\n",
       "part canvas.png is larger than 536870912 bytes"},
      {"huge manifest", "VELLORO DOCUMENT 1\ndesign.json 2000000\n",
       "part design.json is larger than 1048576 bytes"},
      {"negative length", "VELLORO DOCUMENT 1\ndesign.json -1\n",
       "the length of part design.json is no number"},
      {"path in a name", document(part("../evil.png", "x")),
       "a part is named \"../evil.png\", which is no plain name"},
      {"twice", document(part("design.json", minimalManifest) + part("design.json", "{}")),
       "part design.json appears twice"},
      {"no manifest", document(part("canvas.png", "x")), "no design.json part"},
      {"deep nesting", document(part("design.json", nested(17))),
       "design.json nests deeper than 16 levels"},
      {"not json", document(part("design.json", "{\"format\": ")),
       "design.json is no JSON (unterminated object at byte 11)"},
      {"other format", document(part("design.json", R"({"format": "Velloro style"})")),
       "design.json names no Velloro document"},
      {"missing picture", document(part("design.json", withPicture)),
       "the picture canvas is missing"},
      {"picture too wide",
       document(part("design.json", withPicture) + part("canvas.png", pngHeaderOnly(16385, 1))),
       "canvas.png is larger than 16384 pixels a side or 100000000 pixels"},
      {"picture too many pixels",
       document(part("design.json", withPicture) + part("canvas.png", pngHeaderOnly(16384, 16384))),
       "canvas.png is larger than 16384 pixels a side or 100000000 pixels"},
      {"picture cut",
       document(part("design.json", withPicture) +
                part("canvas.png", encodedPicture(patterned(40, 40), "PNG").chopped(30))),
       "canvas.png ends early"},
      {"no picture", document(part("design.json", withPicture) + part("canvas.png", "GIF89a")),
       "canvas.png is no PNG picture"},
      {"no font",
       document(part("design.json",
                     R"({"format": "velloro-document", "version": 1, "fontFile": "a.ttf"})") +
                part("font.font", "<html>not a font at all</html>")),
       "a.ttf is no font file"},
      {"font path",
       document(part("design.json",
                     R"({"format": "velloro-document", "version": 1, "fontFile": "../a.ttf"})") +
                part("font.font", QByteArray("\x00\x01\x00\x00", 4) + QByteArray(20, 'x'))),
       "the font file is named \"../a.ttf\", which is no plain name"},
  };
  QTemporaryDir folder;
  for (const auto& c : cases) {
    const QString path = writtenFile(folder, "title.velloro", c.bytes);
    EXPECT_EQ(failureText([&] { readDocumentFile(path); }).toStdString(),
              QStringLiteral("50004 Unreadable document (%1): %2").arg(c.cause, path).toStdString())
        << c.name;
  }
  EXPECT_EQ(failureText([&] { readDocumentFile(folder.filePath("none.velloro")); }),
            "53 File not found: " + folder.filePath("none.velloro"));
}

// A document holds the manifest first, then the parts by name, each with
// its length; what was written is read back byte for byte.
TEST(DocumentFile, WritesTheContainerAsDocumentedAndReadsItBack) {
  VelloroDocument written;
  written.design = {{"text", "Sunny"}};
  written.pictures["mask"] = filledPicture(2, 1, Qt::black);
  written.font = {"Sun.ttf", QByteArray("OTTO", 4) + QByteArray(12, '\0')};
  const QByteArray bytes = documentBytes(written);
  const QByteArray manifest = R"({
    "design": {
        "text": "Sunny"
    },
    "fontFile": "Sun.ttf",
    "format": "velloro-document",
    "pictures": [
        "mask"
    ],
    "version": 1
}
)";
  const QByteArray png = pngFileBytes(written.pictures["mask"]);
  EXPECT_EQ(bytes, document(part("design.json", manifest) + part("font.font", written.font.bytes) +
                            part("mask.png", png)));
  const VelloroDocument read = readDocument(bytes);
  EXPECT_EQ(read.design, written.design);
  EXPECT_EQ(read.font.name, "Sun.ttf");
  EXPECT_EQ(read.font.bytes, written.font.bytes);
  EXPECT_EQ(read.pictures.at("mask"), written.pictures["mask"]);
}

// A disk that fills during the write leaves the old document whole and no
// temporary file beside it.
TEST(DocumentFile, FullDiskKeepsTheOldDocument) {
  QTemporaryDir folder;
  VelloroDocument old;
  old.design = {{"text", "old"}};
  const QString path = folder.filePath("title.velloro");
  writeDocumentFile(path, old);
  const QByteArray before = contentOf(path);
  VelloroDocument large;
  large.pictures["canvas"] = patterned(300, 300);
  const QByteArray outcome = inChildWithFileLimit(before.size() + 100, [&] {
    writeDocumentFile(path, large);
    return QByteArray("written");
  });
  EXPECT_TRUE(outcome.startsWith("escaped: error 61: Disk full")) << outcome.toStdString();
  EXPECT_EQ(contentOf(path), before);
  EXPECT_EQ(entriesOf(folder.path()), QStringList{"title.velloro"});
}

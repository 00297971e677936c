// Font files the user adds: read from their own headers first, refused with
// the cause in one line, added with the family of the face asked for.
#include <QFontDatabase>

#include "core_test.h"
#include "design/font_file.h"
#include "design/font_file_check.h"
#include "test_fonts.h"

TEST(FontFileShape, HeadersTellAFontFromTruncatedOrForeignBytes) {
  const QByteArray face = installedBoldFace();
  ASSERT_GT(face.size(), 1000);
  const QByteArray web = webFontOf(face);
  const QByteArray collection = collectionOf({face});
  const std::pair<QByteArray, FontFileShape> cases[] = {
      {{}, {"the file is empty"}},
      {"ab", {"the file is no font (TTF, OTF, WOFF or WOFF2)"}},
      {QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'x'),
       {"the file is no font (TTF, OTF, WOFF or WOFF2)"}},
      {face, {{}, 1}},
      {face.left(face.size() / 2), {"the file is truncated"}},
      {face.left(10), {"the file is truncated"}},
      {testFonts::words({0x00010000, 0}), {"the font holds no tables"}},
      {web, {{}, 1}},
      {web.left(web.size() - 1), {"the file is truncated"}},
      {web + "x", {"the file holds more than its font"}},
      {QByteArray("wOF2") + testFonts::words({0, 12}), {{}, 1}},
      {collection, {{}, 1}},
      {collection.left(collection.size() - 100), {"the file is truncated"}},
      {testFonts::words({0x74746366, 0x00010000, 0}), {"the collection's header is damaged"}},
      {testFonts::words({0x74746366, 0x00010000, 100000}), {"the collection's header is damaged"}},
      {testFonts::words({0x74746366, 0x00010000, 2, 20}), {"the file is truncated"}},
      {testFonts::words({0x74746366, 0x00010000, 1, 16, 0x12345678, 0}),
       {"a face of the collection is no font"}},
  };
  int row = 0;
  for (const auto& [bytes, shape] : cases) {
    SCOPED_TRACE(row++);
    const FontFileShape found = fontFileShape(bytes);
    EXPECT_EQ(found.problem, shape.problem);
    EXPECT_EQ(found.faceCount, shape.faceCount);
  }
}

TEST(FontFile, AFaceIsNamedByAHashAndItsNumberUnlessTheFileIsNamedSo) {
  QTemporaryDir folder;
  const QString literal = writtenFile(folder, "odd#2", "x");
  EXPECT_EQ(fontFileName(literal).path, literal);
  EXPECT_EQ(fontFileName(literal).face, 0);
  EXPECT_EQ(fontFileName(u"/a/b.ttc#12"_qs).path, u"/a/b.ttc"_qs);
  EXPECT_EQ(fontFileName(u"/a/b.ttc#12"_qs).face, 12);
  EXPECT_EQ(fontFileName(u"/a/b.ttc#x"_qs).path, u"/a/b.ttc#x"_qs);
  EXPECT_EQ(fontFileName(u"#1"_qs).path, u"#1"_qs);
}

TEST(FontFile, EveryUnusableFileIsRefusedWithItsCauseAndAddsNothing) {
  QTemporaryDir folder;
  const QString huge = folder.filePath(u"huge.ttf"_qs);
  {
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(largestFontFile + 1));
  }
  const QString brand = writtenFile(folder, "brand.ttf", brandFontFile());
  const std::pair<QString, QString> cases[] = {
      {folder.filePath(u"none.ttf"_qs), u"no such file"_qs},
      {folder.path(), u"it is a folder, not a font file"_qs},
      {writtenFile(folder, "empty.otf", {}), u"the file is empty"_qs},
      {writtenFile(folder, "cut.ttf", brandFontFile().left(5000)), u"the file is truncated"_qs},
      {huge, u"the file is larger than 64 MB"_qs},
      {writtenFile(folder, "text.woff2", "not a font at all"),
       u"the file is no font (TTF, OTF, WOFF or WOFF2)"_qs},
      {brand + u"#1"_qs, u"the file has no face 1: it holds 1, counted from 0"_qs},
      {u"/dev/null"_qs, u"it is not a regular file"_qs},
      {writtenFile(folder, "blank.ttf", blankFamilyFontFile()), u"the font names no family"_qs},
  };
  const int fontsBefore = int(QFontDatabase::families().size());
  for (const auto& [written, problem] : cases) {
    SCOPED_TRACE(written.toStdString());
    const AddedFont added = addFontFile(written);
    EXPECT_EQ(added.problem, problem);
    EXPECT_EQ(added.id, -1);
  }
  EXPECT_EQ(int(QFontDatabase::families().size()), fontsBefore);
}

// Each face of a collection is asked for by its number.
TEST(FontFile, AFaceOfACollectionGivesItsOwnFamily) {
  QTemporaryDir folder;
  const QString both = writtenFile(
      folder, "both.ttc", collectionOf({brandFontFile("Primus"), brandFontFile("Second")}));
  EXPECT_EQ(addFontFile(both).family, u"Primus Sans"_qs);
  EXPECT_EQ(addFontFile(both + u"#1"_qs).family, u"Second Sans"_qs);
  EXPECT_EQ(addFontFile(both + u"#0"_qs).family, u"Primus Sans"_qs);
  EXPECT_EQ(addFontFile(both + u"#1"_qs).id, addFontFile(both).id);  // the file is added once
  EXPECT_EQ(addFontFile(both + u"#2"_qs).problem,
            u"the file has no face 2: it holds 2, counted from 0"_qs);
}

// The font as a file and as a web font gives the family of its name table;
// the same bytes again give the font already added.
TEST(FontFile, TheBrandsOwnFontJoinsTheFamiliesOfTheRun) {
  QTemporaryDir folder;
  const QString family = u"Brandy Sans"_qs;
  ASSERT_FALSE(QFontDatabase::families().contains(family));
  for (const char* name : {"brand.ttf", "brand.woff"}) {
    SCOPED_TRACE(name);
    const QByteArray bytes =
        QByteArray(name).endsWith("woff") ? webFontOf(brandFontFile()) : brandFontFile();
    const QString file = writtenFile(folder, name, bytes);
    const AddedFont added = addFontFile(file + u"#0"_qs);
    EXPECT_EQ(added.problem, QString());
    EXPECT_EQ(added.family, family);
    EXPECT_GE(added.id, 0);
    EXPECT_TRUE(QFontDatabase::families().contains(family));
    EXPECT_EQ(addFontFile(file).id, added.id);
  }
}

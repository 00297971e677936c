// The query of a title request: decoding, the one canonical spelling, and
// every refusal, each naming its parameter.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "service/query_error.h"
#include "service/query_pairs.h"
#include "service/title_query.h"
#include "test_files.h"

using namespace Qt::StringLiterals;

namespace {

std::string refusal(QByteArrayView query, const TitleFolders& folders, const QueryLimits& limits) {
  try {
    readTitleQuery(queryPairs(query), folders, limits);
  } catch (const QueryError& error) {
    return error.message().toStdString();
  }
  return "accepted";
}

std::string canonicalOf(QByteArrayView query) {
  try {
    return canonicalQuery(queryPairs(query)).toStdString();
  } catch (const QueryError& error) {
    return "refused: " + error.message().toStdString();
  }
}

TEST(QueryPairs, DecodesEscapesPlusAndFlags) {
  const std::vector<QueryPair> pairs =
      queryPairs("text=My+Site%21&transparent&size=&&t%C3%A9=%E2%82%AC");
  const std::vector<QueryPair> expected{{u"text"_s, u"My Site!"_s, true},
                                        {u"transparent"_s, {}, false},
                                        {u"size"_s, {}, true},
                                        {u"t\u00e9"_s, u"\u20ac"_s, true}};
  EXPECT_EQ(pairs, expected);
}

TEST(QueryPairs, CanonicalFormIsOneSpellingOrRefusal) {
  const struct {
    const char* query;
    std::string canonical;
  } cases[] = {
      {"size=48&text=Hi", "size=48&text=Hi"},
      {"text=Hi&size=48", "size=48&text=Hi"},
      {"text=H%69&size=4%38", "size=48&text=Hi"},
      {"text=a+b", "text=a%20b"},
      {"text=a%2Bb", "text=a%2Bb"},
      {"text=%3Cscript%3E&bold", "bold&text=%3Cscript%3E"},
      {"text=~-._", "text=~-._"},
      {"", ""},
      {"&&", ""},
      {"text=%", "refused: text: a broken %-escape"},
      {"text=%4", "refused: text: a broken %-escape"},
      {"text=%zz", "refused: text: a broken %-escape"},
      {"text=%FF", "refused: text: not UTF-8 text"},
      {"te%C0xt=1", "refused: a parameter's name: not UTF-8 text"},
      {"=Hi", "refused: a parameter without a name"},
      {"text=a&text=b", "refused: text: given twice"},
      {"effect=glow&text=Hi&effect=raised:width=3",
       "effect=glow&effect=raised%3Awidth%3D3&text=Hi"},
      {"effect=raised&text=Hi&effect=glow", "effect=raised&effect=glow&text=Hi"},
  };
  for (const auto& c : cases) EXPECT_EQ(canonicalOf(c.query), c.canonical) << c.query;
}

class TitleQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const QString& name : {u"styles/shop.vstyle"_s, u"outside.vstyle"_s, u"fonts/Brand.ttf"_s})
      writeContent(root.filePath(name), {});
    ASSERT_TRUE(
        QFile::link(root.filePath(u"outside.vstyle"_s), root.filePath(u"styles/leak.vstyle"_s)));
    folders = {root.filePath(u"styles"_s), root.filePath(u"fonts"_s),
               [](const QString& path) { return u"Family of "_s + QFileInfo(path).fileName(); }};
  }

  QTemporaryDir root;
  TitleFolders folders;
  QueryLimits limits{12, 2, 10000};
};

TEST_F(TitleQueryTest, EveryBadQueryIsRefusedNamingItsParameter) {
  const struct {
    const char* query;
    std::string refusal;
  } cases[] = {
      {"text=Hi", "accepted"},
      {"size=48", "text: missing"},
      {"text=", "text: missing"},
      {"text=%20%20", "text: the text holds nothing to draw"},
      {"text=Hi&colour2=%23ff0000", "colour2: unknown parameter"},
      {"text=Hi&output=x.png", "output: unknown parameter"},
      {"text=Hi&o=x.png", "o: unknown parameter"},
      {"text=Hi&batch=list", "batch: unknown parameter"},
      {"text=Hi&out-dir=/tmp", "out-dir: unknown parameter"},
      {"text=Hi&render", "render: unknown parameter"},
      {"text=Hi&help", "help: unknown parameter"},
      {"text=Hi&serve", "serve: unknown parameter"},
      {"text=Hi&key-file=/etc/passwd", "key-file: unknown parameter"},
      {"text=Hi&size=abc", "size: 'abc' is not a size in points from 1 to 300"},
      {"text=Hi&colour=red", "colour: 'red' is not a colour written #RRGGBB"},
      {"text=Hi&bold=1", "bold: takes no value"},
      {"text=Hi&effect=glow&effect=none", "effect: 'none' cannot be stacked with other effects"},
      {"text=Hi&effect=glow:x=1",
       "effect: 'glow:x=1': 'x' is not a setting of glow (width|colour|on)"},
      {"text=Hi&scale=9", "scale: '9' is not a whole number from 1 to 4"},
      {"text=Hi&style=shop", "accepted"},
      {"text=Hi&style=nothere", "style: 'nothere' is no style of the styles folder"},
      {"text=Hi&style=../outside", "style: '../outside' is no style of the styles folder"},
      {"text=Hi&style=..%2Foutside", "style: '../outside' is no style of the styles folder"},
      {"text=Hi&style=%2Fetc%2Fpasswd", "style: '/etc/passwd' is no style of the styles folder"},
      {"text=Hi&style=leak", "style: 'leak' is no style of the styles folder"},
      {"text=Hi&font=Brand.ttf", "accepted"},
      {"text=Hi&font=Other.ttf", "font: 'Other.ttf' is no font file of the fonts folder"},
      {"text=Hi&font=..%2Fstyles%2Fshop.ttf",
       "font: '../styles/shop.ttf' is no font file of the fonts folder"},
      {"text=Hi&font=DejaVu+Sans", "accepted"},
      {"text=Hi&background=%23000000", "accepted"},
      {"text=Hi&background=picture.png",
       "background: 'picture.png' is not a colour written #RRGGBB"},
      {"text=Hi&trim=2", "trim: needs transparent"},
      {"text=Hi&at=1,1", "at: needs canvas"},
      {"text=Hi&canvas=10x10&margin=1",
       "margin: goes with a canvas that fits the design, not with canvas"},
      {"text=Hi&canvas=100x100", "accepted"},
      {"text=Hi&canvas=101x100", "canvas: more than 10000 pixels"},
      {"text=Hi&canvas=50x50&scale=3", "canvas: more than 10000 pixels"},
      {"text=123456789012", "accepted"},
      {"text=1234567890123", "text: longer than 12 characters"},
      {"text=a%0Ab", "accepted"},
      {"text=a%0Ab%0Ac", "text: more than 2 lines"},
  };
  for (const auto& c : cases) EXPECT_EQ(refusal(c.query, folders, limits), c.refusal) << c.query;
}

TEST_F(TitleQueryTest, FontFilesAreRefusedWithoutAFontsFolder) {
  folders.fonts.clear();
  EXPECT_EQ(refusal("text=Hi&font=Brand.ttf", folders, limits), "font: no font files are served");
}

TEST_F(TitleQueryTest, AFontFileGivesItsFamilyAndTheCanonicalFormKeepsTheFileName) {
  const TitleQuery title = readTitleQuery(queryPairs("text=Hi&font=Brand.ttf"), folders, limits);
  EXPECT_EQ(std::get<QString>(title.request.overrides.at(Setting::FontFamily)),
            u"Family of Brand.ttf"_s);
  EXPECT_EQ(title.canonical, u"font=Brand.ttf&text=Hi"_s);
}

TEST_F(TitleQueryTest, FlagsHaveOneCanonicalSpelling) {
  for (const char* query : {"transparent&text=Hi", "text=Hi&transparent="}) {
    const TitleQuery title = readTitleQuery(queryPairs(query), folders, limits);
    EXPECT_TRUE(title.request.transparent) << query;
    EXPECT_EQ(title.canonical, u"text=Hi&transparent"_s) << query;
  }
}

}  // namespace

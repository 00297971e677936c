#include "headless/batch_list.h"

#include <gtest/gtest.h>

namespace {

std::string described(const BatchList& list) {
  std::string text;
  for (const BatchTitle& title : list.titles)
    text += std::to_string(title.lineNumber) + " " + title.text.toStdString() + " -> " +
            title.fileName.toStdString() + "\n";
  for (const BatchProblem& problem : list.problems)
    text += std::to_string(problem.lineNumber) + ": " + problem.message.toStdString() + "\n";
  return text;
}

}  // namespace

TEST(BatchList, LinesBecomeTitlesOrProblems) {
  struct Case {
    QByteArray content;
    const char* expected;
  };
  const Case cases[] = {
      {"Home\thome.png\nContact us\tcontact.webp\n",
       "1 Home -> home.png\n2 Contact us -> contact.webp\n"},
      {"\xEF\xBB\xBF# buttons\r\nShop\tshop.jpg\r\n", "2 Shop -> shop.jpg\n"},
      {"Caf\xC3\xA9\tcafe.bmp", "1 Café -> cafe.bmp\n"},
      {"A\ta.png\n\nB\tb.png\n", "1 A -> a.png\n3 B -> b.png\n2: empty line\n"},
      {"A a.png\n", "1: no tab between the text and the file name\n"},
      {"\ta.png\n", "1: no text before the tab\n"},
      {"A\t\n", "1: no file name after the tab\n"},
      {"A\tsub/a.png\n", "1: the file name 'sub/a.png' must not name a folder\n"},
      {"A\t../a.png\n", "1: the file name '../a.png' must not name a folder\n"},
      {"A\t.png\n", "1: the file name '.png' starts with a dot\n"},
      {"A\ta.tif\n", "1: the file name 'a.tif' does not end in .png, .webp, .jpg, .bmp\n"},
      {"A\ta.png\nB\ta.png\n",
       "1 A -> a.png\n2: the file name 'a.png' is used by an earlier line\n"},
      {"Bad \xFF\ta.png\n", "1: the line is not UTF-8 text\n"},
      {"Tab\tin\ttext.png\n", "1: more than one tab on the line\n"},
      {"A\tevil\x01.png\n", "1: the file name 'evil\x01.png' holds a control character\n"},
      {"", ""},
      {"# only a comment\n", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(described(parseBatchList(c.content)), c.expected) << c.content.toStdString();
  // The system would end the name at the zero byte.
  EXPECT_TRUE(parseBatchList(QByteArray("A\tevil\0.png\n", 12)).titles.empty());
}

// A title's print depends on its text, font, arrangement and dots per inch
// alone: not on what the same thread printed before, nor on other threads
// printing at the same time. Qt keeps its font caches per thread, so a
// fresh thread stands for a freshly started program.
#include <QFont>
#include <QImage>
#include <QString>
#include <barrier>
#include <thread>
#include <vector>

#include "core_test.h"
#include "design/text_picture.h"

namespace {

struct Print {
  QString text;
  QString family;
  double points = 75;
  bool bold = true;
};

QImage printed(const Print& print) {
  TextPicture picture;
  picture.font = QFont(print.family);
  picture.font.setBold(print.bold);
  picture.font.setPointSizeF(print.points);
  picture.setDotsPerInch(96);
  picture.print(print.text);
  return picture.picture;
}

// What `code` returns when run on a thread of its own.
QImage onFreshThread(const std::function<QImage()>& code) {
  QImage result;
  std::thread([&] { result = code(); }).join();
  return result;
}

const Print title{QStringLiteral("Velloro"), QStringLiteral("Tahoma")};

int differingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

}  // namespace

TEST(TextPictureHistory, APrintEqualsAFreshPrintWhateverTheThreadPrintedBefore) {
  const QImage fresh = onFreshThread([] { return printed(title); });
  ASSERT_FALSE(fresh.isNull());
  const std::pair<const char*, std::vector<Print>> histories[] = {
      {"1 pt", {{QStringLiteral("A"), title.family, 1}}},
      {"30 pt", {{QStringLiteral("A"), title.family, 30}}},
      {"200 pt", {{QStringLiteral("A"), title.family, 200}}},
      {"sizes from 120 down to 1 pt, as a slider dragged down prints them", {}},
      {"another font", {{QStringLiteral("Velloro"), QStringLiteral("DejaVu Serif"), 30, false}}},
      {"another text", {{QStringLiteral("Wg\u00e9\u0416"), title.family, 75}}},
      {"colour emoji", {{QStringLiteral("V\U0001F600o"), title.family, 30}}},
      {"several lines", {{QStringLiteral("Vel\nlo\nro"), title.family, 40}}},
  };
  for (const auto& [name, history] : histories) {
    SCOPED_TRACE(name);
    std::vector<Print> before = history;
    if (before.empty())
      for (int points = 120; points >= 1; points -= 7)
        before.push_back({title.text, title.family, double(points)});
    const QImage first = onFreshThread([&] {
      for (const Print& print : before) printed(print);
      return printed(title);
    });
    EXPECT_EQ(differingPixels(first, fresh), 0);
    const QImage again = onFreshThread([&] {
      printed(title);
      for (const Print& print : before) printed(print);
      return printed(title);
    });
    EXPECT_EQ(differingPixels(again, fresh), 0);
  }
}

// As the lanes of a service just started: every thread prints the title,
// some another size in between.
TEST(TextPictureHistory, PrintsFromEightThreadsAtOnceEqualASingleThreadsPrint) {
  const QImage single = onFreshThread([] { return printed(title); });
  constexpr int threadCount = 8;
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    std::vector<QImage> prints(threadCount);
    std::barrier start(threadCount);
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; ++i)
      threads.emplace_back([&, i] {
        start.arrive_and_wait();
        printed(title);
        if (i % 2 == 1) printed({QStringLiteral("A"), title.family, 10.0 * i});
        prints[i] = printed(title);
      });
    for (std::thread& thread : threads) thread.join();
    for (int i = 0; i < threadCount; ++i) EXPECT_EQ(differingPixels(prints[i], single), 0) << i;
  }
}

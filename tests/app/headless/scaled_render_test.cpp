// `--render --scale N`: the title drawn N times as dense, which shrunk back
// by N looks like the title at scale 1.
#include <gtest/gtest.h>

#include <QImage>

#include "render_run_fixture.h"

namespace {

QImage boxShrunk(const QImage& picture, int scale) {
  QImage small(picture.size() / scale, QImage::Format_RGB888);
  for (int y = 0; y < small.height(); ++y)
    for (int x = 0; x < small.width(); ++x) {
      int sum[3] = {};
      for (int d = 0; d < scale * scale; ++d) {
        const QRgb p = picture.pixel(x * scale + d % scale, y * scale + d / scale);
        sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
      }
      const int area = scale * scale;
      small.setPixel(x, y, qRgb(sum[0] / area, sum[1] / area, sum[2] / area));
    }
  return small;
}

// Mean absolute difference per channel over the whole pictures.
double meanDifference(const QImage& one, const QImage& other) {
  double sum = 0;
  for (int y = 0; y < one.height(); ++y)
    for (int x = 0; x < one.width(); ++x) {
      const QRgb a = one.pixel(x, y), b = other.pixel(x, y);
      sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
             std::abs(qBlue(a) - qBlue(b));
    }
  return sum / (3.0 * one.width() * one.height());
}

class ScaledRender : public RenderRunFixture {
 protected:
  QImage render(const QString& scale, const QStringList& more) {
    const QString path = out("title.png");
    const QStringList arguments{QStringLiteral("--render"),
                                QStringLiteral("--text"),
                                QStringLiteral("Ve"),
                                QStringLiteral("--size"),
                                QStringLiteral("40"),
                                QStringLiteral("--canvas"),
                                QStringLiteral("120x70"),
                                QStringLiteral("--at"),
                                QStringLiteral("9,4"),
                                QStringLiteral("--scale"),
                                scale,
                                QStringLiteral("-o"),
                                path};
    EXPECT_EQ(runArguments(arguments + more), 0) << errorText();
    return QImage(path).convertToFormat(QImage::Format_RGB888);
  }
};

}  // namespace

TEST_F(ScaledRender, ShrunkBackItMatchesTheTitleAtScaleOne) {
  const struct {
    const char* effect;
    int scale;
    double largest;
  } cases[] = {{"none", 2, 4}, {"drop-shadow", 3, 5}, {"glow", 2, 8}};
  for (const auto& c : cases) {
    const QStringList effect{QStringLiteral("--effect"), QLatin1String(c.effect)};
    const QImage one = render(QStringLiteral("1"), effect);
    const QImage dense = render(QString::number(c.scale), effect);
    ASSERT_EQ(dense.size(), QSize(120, 70) * c.scale) << c.effect;
    const double difference = meanDifference(one, boxShrunk(dense, c.scale));
    EXPECT_GT(difference, 0) << c.effect;  // drawn anew, not enlarged
    EXPECT_LT(difference, c.largest) << c.effect;
  }
}

TEST_F(ScaledRender, TrimMarginGrowsWithTheScale) {
  const QStringList trim{QStringLiteral("--effect"), QStringLiteral("none"),
                         QStringLiteral("--transparent"), QStringLiteral("--trim"),
                         QStringLiteral("10")};
  const QImage one = render(QStringLiteral("1"), trim);
  const QImage dense = render(QStringLiteral("3"), trim);
  // The faint pixel of smoothing around the edge is one pixel at either
  // density; an unscaled margin would leave the dense title 40 pixels short.
  EXPECT_NEAR(dense.width(), 3 * one.width(), 6);
  EXPECT_NEAR(dense.height(), 3 * one.height(), 6);
}

TEST_F(ScaledRender, ACanvasTooLargeOnceScaledIsRefused) {
  const QStringList arguments{
      QStringLiteral("--render"), QStringLiteral("--text"),  QStringLiteral("Ve"),
      QStringLiteral("--canvas"), QStringLiteral("3000x10"), QStringLiteral("--scale"),
      QStringLiteral("3"),        QStringLiteral("-o"),      out("big.png")};
  EXPECT_EQ(runArguments(arguments), 2);
  EXPECT_EQ(errorText(),
            "Velloro: --scale: the canvas would be 9000x30 pixels, more than 8192 a side\n");
  EXPECT_FALSE(QFile::exists(out("big.png")));
}

// How closely a title drawn with --scale N matches the title at scale 1:
// the N x picture is shrunk back by N with a box filter and compared with
// the 1 x picture, as the mean absolute difference per channel (of 255)
// over the rectangle the design covers in either picture, and the largest
// difference of a channel there. One row per outside effect (on the
// fresh-start material) and per material (with the fresh-start effect); the
// last row averages the means.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "design/setting_declarations.h"
#include "headless/render_run.h"

namespace {

const QString title = QStringLiteral("Sunny Bakery");
constexpr int scales[] = {2, 3, 4};

QImage shrunk(const QImage& picture, int scale) {
  QImage small(picture.size() / scale, QImage::Format_RGB888);
  const int area = scale * scale;
  for (int y = 0; y < small.height(); ++y)
    for (int x = 0; x < small.width(); ++x) {
      int red = 0, green = 0, blue = 0;
      for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx) {
          const QRgb p = picture.pixel(x * scale + dx, y * scale + dy);
          red += qRed(p), green += qGreen(p), blue += qBlue(p);
        }
      small.setPixel(
          x, y, qRgb((red + area / 2) / area, (green + area / 2) / area, (blue + area / 2) / area));
    }
  return small;
}

QRect drawnArea(const QImage& picture) {
  QRect area;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) != qRgb(255, 255, 255)) area |= QRect(x, y, 1, 1);
  return area;
}

struct Difference {
  double mean = 0;
  int largest = 0;
};

Difference difference(const QImage& one, const QImage& other) {
  const QRect area = drawnArea(one) | drawnArea(other);
  Difference result;
  if (area.isEmpty()) return result;
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb a = one.pixel(x, y), b = other.pixel(x, y);
      for (const int gap : {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                            std::abs(qBlue(a) - qBlue(b))}) {
        sum += gap;
        result.largest = std::max(result.largest, gap);
      }
    }
  result.mean = sum / (3.0 * area.width() * area.height());
  return result;
}

QImage rendered(const QStringList& options, int scale, const QDir& folder) {
  const QString path = folder.filePath(QStringLiteral("title%1.png").arg(scale));
  QStringList arguments{
      QStringLiteral("--render"), QStringLiteral("--text"), title, QStringLiteral("--scale"),
      QString::number(scale),     QStringLiteral("-o"),     path};
  if (runRenderCommand(arguments + options,
                       {QStringLiteral(DATA_FOLDER), QStringLiteral(ENGINE_PATH)}) != 0)
    std::exit(1);
  return QImage(path).convertToFormat(QImage::Format_RGB888);
}

}  // namespace

int main(int argc, char** argv) {
  prepareHeadlessRun();
  QGuiApplication application(argc, argv);
  QTemporaryDir folder;
  QTextStream out(stdout);
  QList<std::pair<QString, QStringList>> cases;
  for (const QLatin1StringView effect : declaration(Setting::Effects).choices)
    cases.append({QStringLiteral("effect ") + effect, {QStringLiteral("--effect"), effect}});
  for (int material = 0; material < 8; ++material)
    cases.append({QStringLiteral("material %1").arg(material),
                  {QStringLiteral("--material"), QString::number(material)}});
  out << QStringLiteral("%1").arg(QStringLiteral("case"), -20);
  for (const int scale : scales)
    out << QStringLiteral("%1").arg(QStringLiteral("%1x").arg(scale), 12);
  out << '\n';
  std::array<double, std::size(scales)> totals{};
  for (const auto& [name, options] : cases) {
    const QImage one = rendered(options, 1, QDir(folder.path()));
    out << QStringLiteral("%1").arg(name, -20);
    for (size_t i = 0; i < std::size(scales); ++i) {
      const Difference d =
          difference(one, shrunk(rendered(options, scales[i], QDir(folder.path())), scales[i]));
      totals[i] += d.mean;
      out << QStringLiteral("%1 /%2").arg(d.mean, 7, 'f', 2).arg(d.largest, 3);
    }
    out << '\n';
    out.flush();
  }
  out << QStringLiteral("%1").arg(QStringLiteral("average"), -20);
  for (const double total : totals)
    out << QStringLiteral("%1").arg(total / cases.size(), 7, 'f', 2) << QStringLiteral("     ");
  out << '\n';
  return 0;
}

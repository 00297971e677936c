#include "design/curve_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "files/failure.h"
#include "files/file_writing.h"
#include "platform/error_report.h"
#include "platform/platform.h"

namespace {

const QString builtInPositionLine = QStringLiteral(",0,50,100,150,200,255,");
const QString flatValueLine = QStringLiteral(",128,128,128,128,128,128,");
constexpr int curveLineFields = curvePointCount + 2;

void createIfMissing(const QString& path) {
  if (!QFile::exists(path)) writeFileReplacing(path, QByteArray());
}

QString readLine(QFile& file, qint64 offset) {
  if (!file.seek(offset)) return {};
  return QString::fromLatin1(file.read(curveLineLength));
}

int32_t toInteger16(const QString& field) {
  bool isNumber = false;
  const qlonglong value = field.trimmed().toLongLong(&isNumber);
  if (!isNumber) throw Failure(errorNumber::TypeMismatch, QStringLiteral("Type mismatch"));
  if (value < -32768 || value > 32767)
    throw Failure(errorNumber::Overflow, QStringLiteral("Overflow"));
  return int32_t(value);
}

// The spline divides by the gaps between positions, and the editor maps
// them onto 0..255, so a curve must keep them rising within that range.
void checkPositions(const CurvePoints& points, const QString& path) {
  bool rising = points.x.front() >= 0 && points.x.back() <= 255;
  for (int i = 0; i + 1 < curvePointCount; ++i) rising = rising && points.x[i] < points.x[i + 1];
  if (!rising)
    throw Failure(errorNumber::InvalidArgument,
                  QStringLiteral("Curve positions must rise from 0 to 255: ") + path);
}

void warnFlatCurve(Platform& platform, const QString& path) {
  platform.showMessage(
      {QStringLiteral("Cannot read : ''") + path + QStringLiteral("''\r\nI draw a flat curve ..."),
       MessageIcon::Exclamation, MessageButtons::Ok});
}

FileDialogRequest curveDialog(const QString& curvesFolder) {
  FileDialogRequest request;
  request.folder = curvesFolder;
  request.filter = QStringLiteral("Curves (*.txt)");
  request.defaultSuffix = QStringLiteral("txt");
  return request;
}

QString curvePath(const QString& name, const QString& curvesFolder) {
  return curvesFolder + '/' + name;
}

void reportUntagged(Platform& platform, const Failure& failure) {
  reportFailure(platform, {}, failure);
}

}  // namespace

QByteArray curveLine(const std::array<int32_t, curvePointCount>& numbers) {
  QByteArray line(",");
  for (int32_t number : numbers) line += QByteArray::number(number) + ',';
  return line;
}

CurvePoints readCurveFile(const QString& path, Platform& platform) {
  createIfMissing(path);
  QFile file(path);
  openForReading(file);
  QStringList positions = readLine(file, 0).split(',');
  QStringList values = readLine(file, curveValueLineOffset).split(',');
  file.close();

  if (positions.size() != curveLineFields) positions = builtInPositionLine.split(',');
  if (values.size() != curveLineFields) {
    warnFlatCurve(platform, path);
    values = flatValueLine.split(',');
  }
  CurvePoints points;
  // Each line begins with a comma: point i is field i + 1.
  for (int i = 0; i < curvePointCount; ++i) {
    points.x[i] = toInteger16(positions[i + 1]);
    points.y[i] = toInteger16(values[i + 1]);
  }
  checkPositions(points, path);
  return points;
}

// The file is exactly the two lines at their offsets, with zero bytes
// between them: a shorter curve written over a longer one leaves nothing of
// the old one behind.
void writeCurveFile(const QString& path, const CurvePoints& points) {
  const QByteArray valueLine = curveLine(points.y);
  QByteArray content = curveLine(points.x);
  content.append(curveValueLineOffset - content.size(), '\0');
  writeFileReplacing(path, content + valueLine);
}

void restoreShippedCurve(const QString& name, const QString& curvesFolder) {
  QFile shipped(QStringLiteral(":/shipped_curves/") + name);
  const QString path = curvePath(name, curvesFolder);
  if (name.contains('/') || !shipped.exists() || QFileInfo(path).size() > 0) return;
  openForReading(shipped);
  QDir().mkpath(curvesFolder);
  writeFileReplacing(path, shipped.readAll());
}

bool loadCurve(CurvePoints& points, const QString& name, const QString& curvesFolder,
               Platform& platform) {
  const QString path = name.isEmpty() ? platform.chooseFileToOpen(curveDialog(curvesFolder))
                                      : curvePath(name, curvesFolder);
  if (path.isEmpty()) return false;
  try {
    if (!name.isEmpty()) restoreShippedCurve(name, curvesFolder);
    points = readCurveFile(path, platform);
    return true;
  } catch (const Failure& failure) {
    reportUntagged(platform, failure);
    return false;
  }
}

bool saveCurve(const CurvePoints& points, const QString& name, const QString& curvesFolder,
               Platform& platform) {
  QDir().mkpath(curvesFolder);
  const QString path = name.isEmpty() ? platform.chooseFileToSave(curveDialog(curvesFolder))
                                      : curvePath(name, curvesFolder);
  if (path.isEmpty()) return false;
  try {
    writeCurveFile(path, points);
    return true;
  } catch (const Failure& failure) {
    reportUntagged(platform, failure);
    return false;
  }
}

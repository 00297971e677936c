// The floor of a whole `Velloro --render` process: the least a Qt program
// does for the same picture. It starts a QGuiApplication on the offscreen
// platform, prints the default title (Tahoma bold 75 points, on a white
// 631 x 331 canvas) into a QImage and writes it as PNG to the file named by
// its argument. bench/process_vs_floor.sh times both in one run.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QImage canvas(631, 331, QImage::Format_RGB888);
  canvas.fill(Qt::white);
  QFont font(QStringLiteral("Tahoma"), 75);
  font.setBold(true);
  QPainter painter(&canvas);
  painter.setFont(font);
  painter.setPen(QColor(0, 0, 200));
  painter.drawText(canvas.rect(), Qt::AlignCenter, QStringLiteral("Velloro"));
  painter.end();
  return canvas.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}

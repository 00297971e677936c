#include "widgets/picture_box.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

// What a box reported, as "press 5,3" lines, in order.
struct Reports {
  explicit Reports(PictureBox& box) {
    QObject::connect(&box, &PictureBox::mousePressed,
                     [this](Qt::MouseButton, Qt::MouseButtons, QPoint at) { add("press", at); });
    QObject::connect(&box, &PictureBox::mouseMoved, [this](Qt::MouseButtons buttons, QPoint at) {
      add(buttons == Qt::LeftButton ? "drag" : "move", at);
    });
    QObject::connect(&box, &PictureBox::mouseReleased,
                     [this](Qt::MouseButton, Qt::MouseButtons, QPoint at) { add("release", at); });
  }
  void add(const char* what, QPoint at) {
    lines << QStringLiteral("%1 %2,%3").arg(QLatin1String(what)).arg(at.x()).arg(at.y());
  }
  QStringList lines;
};

PictureBox* boxOf(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::black);
  auto* box = new PictureBox;
  box->setPicture(picture);
  return box;
}

}  // namespace

TEST(PictureBoxKeys, ArrowsMoveTheMarkerWithinTheBoxAndSpaceClicksThere) {
  std::unique_ptr<PictureBox> box(boxOf({11, 7}));
  box->takeKeyboardPointer(3);
  Reports reports(*box);
  for (int key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space})
    QTest::keyClick(box.get(), Qt::Key(key));
  EXPECT_EQ(reports.lines.join(" / "),
            "move 2,3 / move 0,3 / move 0,6 / move 0,6 / press 0,6 / release 0,6");
  EXPECT_TRUE(box->focusPolicy() & Qt::TabFocus);
}

TEST(PictureBoxKeys, ACarriedPressDragsUntilTheSecondSpaceOrLeavingTheBox) {
  std::unique_ptr<PictureBox> box(boxOf({20, 20}));
  box->takeKeyboardPointer(2, true);
  Reports reports(*box);
  for (int key : {Qt::Key_Return, Qt::Key_Up, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space})
    QTest::keyClick(box.get(), Qt::Key(key));
  EXPECT_EQ(reports.lines.join(" / "),
            "press 9,9 / drag 9,7 / release 9,7 / move 11,7 / press 11,7");
  QFocusEvent leaving(QEvent::FocusOut);
  QCoreApplication::sendEvent(box.get(), &leaving);
  EXPECT_EQ(reports.lines.last(), "release 11,7");
}

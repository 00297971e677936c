#include "widgets/picture_box.h"

#include <gtest/gtest.h>

#include <QTest>

// Keys on an 11 x 7 box whose marker steps 3 points, then the focus leaves:
// what it reported (Press, Release, Move, Drag).
TEST(PictureBoxKeys, TheMarkerStaysInsideAndSpaceClicksOrCarriesAPressWhereItStands) {
  for (auto [carries, expected] :
       {std::pair(false, "P5,3 R5,3 M2,3 M0,3 M0,6 M0,6 P0,6 R0,6 P0,6 R0,6"),
        std::pair(true, "P5,3 D2,3 D0,3 D0,6 D0,6 R0,6 P0,6 R0,6")}) {
    PictureBox box;
    box.setPicture(QImage(11, 7, QImage::Format_RGB32));
    box.takeKeyboardPointer(3, carries);
    QStringList reports;
    auto report = [&](char what, QPoint at) {
      reports << QStringLiteral("%1%2,%3").arg(what).arg(at.x()).arg(at.y());
    };
    QObject::connect(&box, &PictureBox::mousePressed,
                     [&](auto, auto, QPoint at) { report('P', at); });
    QObject::connect(&box, &PictureBox::mouseMoved, [&](Qt::MouseButtons buttons, QPoint at) {
      report(buttons == Qt::NoButton ? 'M' : 'D', at);
    });
    QObject::connect(&box, &PictureBox::mouseReleased,
                     [&](auto, auto, QPoint at) { report('R', at); });
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down,
                        Qt::Key_Space, Qt::Key_Enter})
      QTest::keyClick(&box, key);
    QFocusEvent leaving(QEvent::FocusOut);
    QCoreApplication::sendEvent(&box, &leaving);
    EXPECT_EQ(reports.join(' ').toStdString(), expected);
  }
}

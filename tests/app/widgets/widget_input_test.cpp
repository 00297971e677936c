// The program's own widgets under the pointer and the keys: the slider and
// the picture box.
#include "widgets/track_slider.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "widgets/picture_box.h"

// Across the track less 4 pixels at each end; presses outside it or with
// the right button leave the value.
TEST(TrackSlider, PointerPositionsMapToValuesTheThumbTravelsRepositioningsAndReleasesAreTold) {
  TrackSlider slider;
  slider.resize(100, 20);
  const std::tuple<int, Qt::MouseButton, int> presses[] = {
      {4, Qt::LeftButton, 0},  {94, Qt::LeftButton, 100}, {49, Qt::LeftButton, 50},
      {3, Qt::LeftButton, 50}, {95, Qt::LeftButton, 50},  {94, Qt::RightButton, 50},
      {5, Qt::LeftButton, 1},  // 1 x 100 / 90 = 1.11
  };
  for (const auto& [x, button, value] : presses) {
    QTest::mouseClick(&slider, button, {}, QPoint(x, 5));
    EXPECT_EQ(slider.Value(), value) << x;
  }
  // The thumb travels from the left edge to the width less the thumb less two;
  // each repositioning is told, and every release.
  slider.setValue(0);
  slider.show();
  QSignalSpy changes(&slider, &TrackSlider::valueChanged);
  QSignalSpy releases(&slider, &TrackSlider::released);
  EXPECT_EQ(slider.thumbLeft(), 0);
  slider.setValue(100);
  EXPECT_EQ(slider.thumbLeft(), 90);
  slider.setValue(50);
  EXPECT_EQ(slider.thumbLeft(), 45);
  EXPECT_EQ(changes.count(), 2);
  EXPECT_EQ(changes.last().at(0).toInt(), 50);
  EXPECT_EQ(slider.findChild<QWidget*>(QStringLiteral("Cd1"))->geometry(), QRect(45, 2, 8, 13));
  slider.resize(101, 20);  // counts as 100
  EXPECT_EQ(slider.thumbLeft(), 45);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(1, 5));  // no press before it
  EXPECT_EQ(releases.count(), 1);
  // Equal ends keep the thumb left, and presses give the minimum.
  slider.setMin(30);
  slider.setMax(30);
  slider.setValue(40);
  EXPECT_EQ(slider.thumbLeft(), 0);
  QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(60, 5));
  EXPECT_EQ(slider.Value(), 30);
}

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

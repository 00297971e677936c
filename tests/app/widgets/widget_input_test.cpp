#include "widgets/track_slider.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>

namespace {

void press(TrackSlider& slider, int x, Qt::MouseButton button = Qt::LeftButton) {
  QMouseEvent event(QEvent::MouseButtonPress, QPointF(x, 5), QPointF(x, 5), button, button,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(&slider, &event);
}

void release(TrackSlider& slider) {
  QMouseEvent event(QEvent::MouseButtonRelease, QPointF(1, 5), QPointF(1, 5), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&slider, &event);
}

}  // namespace

// Across the track less 4 pixels at each end; presses outside it or with
// the right button leave the value.
TEST(TrackSlider, PointerPositionsMapToValuesAcrossTheTrack) {
  TrackSlider slider;
  slider.resize(100, 20);
  const std::tuple<int, Qt::MouseButton, int> presses[] = {
      {4, Qt::LeftButton, 0},  {94, Qt::LeftButton, 100}, {49, Qt::LeftButton, 50},
      {3, Qt::LeftButton, 50}, {95, Qt::LeftButton, 50},  {94, Qt::RightButton, 50},
      {5, Qt::LeftButton, 1},  // 1 x 100 / 90 = 1.11
  };
  for (const auto& [x, button, value] : presses) {
    press(slider, x, button);
    EXPECT_EQ(slider.Value(), value) << x;
  }
}

TEST(TrackSlider, ThumbTravelsFromTheLeftEdgeToWidthLessThumbLessTwo) {
  TrackSlider slider;
  slider.resize(100, 20);
  EXPECT_EQ(slider.thumbLeft(), 0);
  slider.setValue(100);
  EXPECT_EQ(slider.thumbLeft(), 90);
  slider.setValue(50);
  EXPECT_EQ(slider.thumbLeft(), 45);
  EXPECT_EQ(slider.findChild<QWidget*>(QStringLiteral("Cd1"))->geometry(), QRect(45, 2, 8, 13));
  slider.resize(101, 20);  // counts as 100
  EXPECT_EQ(slider.thumbLeft(), 45);
  // Equal ends keep the thumb left, and presses give the minimum.
  slider.setMin(30);
  slider.setMax(30);
  slider.setValue(40);
  EXPECT_EQ(slider.thumbLeft(), 0);
  press(slider, 60);
  EXPECT_EQ(slider.Value(), 30);
}

TEST(TrackSlider, EventsOnEveryRepositioningAndOnRelease) {
  TrackSlider slider;
  slider.resize(100, 20);
  slider.show();
  QSignalSpy changes(&slider, &TrackSlider::valueChanged);
  QSignalSpy releases(&slider, &TrackSlider::released);
  slider.setValue(20);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(changes.takeFirst().at(0).toInt(), 20);
  slider.resize(120, 20);
  EXPECT_EQ(changes.count(), 1);
  release(slider);  // no press before it
  EXPECT_EQ(releases.count(), 1);
}

TEST(TrackSlider, PropertiesAreKeptOnlyWhenTheyDifferFromTheDefaults) {
  TrackSlider slider;
  EXPECT_TRUE(slider.writeProperties().isEmpty());
  slider.setMax(200);
  slider.setValue(7);
  const QVariantMap kept = slider.writeProperties();
  EXPECT_EQ(kept.size(), 2);
  EXPECT_EQ(kept.value(QStringLiteral("Max")).toInt(), 200);
  TrackSlider copy;
  copy.readProperties(kept);
  EXPECT_EQ(copy.Value(), 7);
  EXPECT_EQ(copy.Min(), 0);
  EXPECT_EQ(copy.Max(), 200);
}

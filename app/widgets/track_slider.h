// `TrackSlider`: the program's own horizontal slider, whose value follows a
// press or a drag of the left button anywhere on its track. An integer
// `Value` between `Min` (left end) and `Max` (right end), also set with the
// arrow, page, Home and End keys once Tab has reached it; the thumb
// (objectName `Cd1`) shows where it stands.
#pragma once

#include <QWidget>
#include <optional>

class QPushButton;

class TrackSlider : public QWidget {
  Q_OBJECT
 public:
  explicit TrackSlider(QWidget* parent = nullptr);

  int Value() const { return value_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  // Each stores the property and repositions the thumb, which raises
  // valueChanged. Nothing forces Min <= Value <= Max here.
  void setValue(int value);
  void setMin(int min);
  void setMax(int max);

  // The value a pointer at x on the track gives, or none outside the track.
  std::optional<int> valueAt(int x) const;
  int thumbLeft() const;

  QSize sizeHint() const override;

 signals:
  void valueChanged(int value);
  void released();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int trackWidth() const;
  void follow(QMouseEvent* event);
  void repositionThumb();

  int value_ = 0;
  int min_ = 0;
  int max_ = 100;
  QPushButton* thumb_;  // objectName "Cd1"
};

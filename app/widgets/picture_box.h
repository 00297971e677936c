// A picture box: a widget the size of its picture (times its zoom) that
// shows it, reports mouse presses, moves and releases in picture pixels (in
// points for a picture drawn at a higher pixel ratio), and can show an
// overlay drawn in inverting mode over the picture: a rubber band, or the
// figure being dragged out. The overlay lives only on the screen, never in
// the picture itself.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

class QPainter;

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  const QImage& picture() const { return picture_; }
  // Shows `picture` and takes its size in points.
  void setPicture(const QImage& picture);
  // Lets `change` alter the picture's pixels in place, keeping its size, and
  // shows again only the part of it that `change` returns.
  void changePicture(const std::function<QRect(QImage&)>& change);

  // Shows the picture `zoom` times its size: in square blocks of screen
  // pixels above 1, smoothed below. Mouse points and overlays stay in
  // picture pixels.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }

  // Draws `overlay` over the picture with a white pen in difference mode,
  // which inverts what lies below as an XOR pen would, until hidden.
  void showInverted(std::function<void(QPainter&)> overlay);
  void hideInverted();

  // The inverted rectangle between two corners, outline only.
  void showRubberBand(QRect rectangle, Qt::PenStyle style);
  void hideRubberBand();
  std::optional<QRect> rubberBand() const { return rubberBand_; }

  // Lets Tab reach the box and Space or Enter click it, for boxes a click
  // anywhere on chooses (a pattern, a material). Clicks never take the focus.
  void takeKeyboardClicks();
  // Lets Tab reach the box and the arrow keys move a marker over it by
  // `step` points; Space or Enter clicks where the marker stands, as a click
  // there would. With `carries`, the first Space presses, the arrows then
  // drag and the second Space releases, as a mouse drag would.
  void takeKeyboardPointer(int step, bool carries = false);
  QPoint keyboardPointer() const { return pointer_; }

  QSize sizeHint() const override;

 signals:
  void mousePressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
  void mouseMoved(Qt::MouseButtons buttons, QPoint at);
  void mouseReleased(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage picture_;
  double zoom_ = 1;
  std::optional<QRect> rubberBand_;
  std::function<void(QPainter&)> overlay_;
  bool keyClicks_ = false;
  int pointerStep_ = 0;
  bool carries_ = false;
  bool carrying_ = false;
  QPoint pointer_;

  QPoint picturePoint(const QMouseEvent& event) const;
  bool movePointer(int key);
  void clickAt(QPoint at);
  void drawPointerMarker(QPainter& painter) const;
};

// The status bar's message pane. It gives way to the panes beside it (the
// cut notice, the zoom, the date and time): a message longer than the room
// left ends in an ellipsis instead of pushing the others off or being cut
// mid-letter.
#pragma once

#include <QLabel>

class StatusPane : public QLabel {
  Q_OBJECT
 public:
  explicit StatusPane(QWidget* parent = nullptr);

  // The message as it fits the pane's current width.
  QString shownText() const;
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Live preview: once a design has been drawn, every change to a setting of
// its source draws it again, as "Draw it !" would, while the control moves.
// Changes that arrive faster than renders finish collapse into one render of
// the latest state on the next turn of the event loop, so the canvas never
// works through a queue of stale settings. While the changes keep coming the
// frames are drafts, which may turn and bend the design by faster
// approximations; once they rest, the design is drawn exactly once more.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QAction;

class LivePreview : public QObject {
  Q_OBJECT
 public:
  // `redraw` draws the current source exactly as the Draw button does.
  explicit LivePreview(std::function<void()> redraw, QObject* parent = nullptr);

  // The checkable menu entry that turns the preview on and off; it shows and
  // remembers the choice.
  void attachToggle(QAction* toggle);

  bool enabled() const { return enabled_; }
  void setEnabled(bool on);

  // A render put the design on the canvas: later setting changes redraw it.
  void designDrawn() { drawn_ = true; }
  bool designOnCanvas() const { return drawn_; }

  // A setting of the source changed; redraws on the next event-loop turn.
  void settingChanged();
  bool renderPending() const { return pending_.isActive(); }
  // Whether the exact frame of the changes so far is still to come.
  bool restPending() const { return rest_.isActive(); }
  // Whether the redraw in progress is the preview's.
  bool rendering() const { return rendering_; }
  // Whether the redraw in progress is a draft frame of a drag.
  bool drafting() const { return rendering_ && !atRest_; }
  // Changes this long apart, or a drag that stopped this long ago, rest.
  static constexpr int restMilliseconds = 150;

 signals:
  // A preview render ran.
  void redrawn();

 private:
  void renderLatest();
  void renderAtRest();

  std::function<void()> redraw_;
  QTimer pending_;
  QTimer rest_;  // the exact frame after the last draft
  QPointer<QAction> toggle_;
  bool enabled_;
  bool drawn_ = false;
  bool rendering_ = false;
  bool atRest_ = false;
};

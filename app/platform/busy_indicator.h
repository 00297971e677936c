// What shows that a long step runs: the hourglass pointer of the window, or
// nothing at all in a render without a window. A render is handed only this,
// not the whole platform.
#pragma once

class BusyIndicator {
 public:
  virtual ~BusyIndicator() = default;
  virtual void beginBusy() = 0;
  virtual void endBusy() = 0;
};

// Shows the indicator for its lifetime, so a failure never leaves it on.
class BusyPointer {
 public:
  explicit BusyPointer(BusyIndicator& target) : target_(target) { target_.beginBusy(); }
  ~BusyPointer() { target_.endBusy(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  BusyIndicator& target_;
};

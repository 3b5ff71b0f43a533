#pragma once
// PointerPosition: where the mouse pointer is on the screen, for hover help.

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

class PointerPosition {
 public:
  virtual ~PointerPosition() = default;
  virtual ScreenPoint current() const = 0;
};

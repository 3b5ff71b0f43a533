#pragma once
// FakePointer: a mouse pointer that stays where the test puts it.

#include "platform/PointerPosition.h"

class FakePointer : public PointerPosition {
 public:
  ScreenPoint position;
  ScreenPoint current() const override { return position; }
};

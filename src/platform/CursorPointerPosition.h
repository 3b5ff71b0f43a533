#pragma once
// CursorPointerPosition: the mouse pointer in global screen coordinates.
// Needs a running QGuiApplication.

#include "platform/PointerPosition.h"

class CursorPointerPosition : public PointerPosition {
 public:
  ScreenPoint current() const override;
};

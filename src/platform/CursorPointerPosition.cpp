#include "platform/CursorPointerPosition.h"

#include <QCursor>

ScreenPoint CursorPointerPosition::current() const {
  const QPoint p = QCursor::pos();
  return ScreenPoint{p.x(), p.y()};
}

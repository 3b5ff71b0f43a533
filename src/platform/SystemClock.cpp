#include "platform/SystemClock.h"

#include <QDateTime>

LocalTime SystemClock::now() const {
  // One reading, split into fields, so the date and the time always agree.
  const QDateTime moment = QDateTime::currentDateTime();
  const QDate date = moment.date();
  const QTime time = moment.time();
  LocalTime t;
  t.year = date.year();
  t.month = date.month();
  t.day = date.day();
  t.hour = time.hour();
  t.minute = time.minute();
  t.second = time.second();
  t.millisecond = time.msec();
  t.weekday = date.dayOfWeek();
  return t;
}

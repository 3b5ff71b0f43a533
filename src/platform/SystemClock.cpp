#include "platform/SystemClock.h"

#include <QDateTime>

LocalTime SystemClock::now() const {
  const qint64 msSinceEpoch = QDateTime::currentMSecsSinceEpoch();
  const qint64 second = msSinceEpoch >= 0 ? msSinceEpoch / 1000 : (msSinceEpoch - 999) / 1000;
  if (second != m_cachedSecond) {
    // One reading, split into fields, so the date and the time always agree.
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(second * 1000);
    const QDate date = moment.date();
    const QTime time = moment.time();
    m_cached.year = date.year();
    m_cached.month = date.month();
    m_cached.day = date.day();
    m_cached.hour = time.hour();
    m_cached.minute = time.minute();
    m_cached.second = time.second();
    m_cached.weekday = date.dayOfWeek();
    m_cachedSecond = second;
  }
  LocalTime t = m_cached;
  t.millisecond = static_cast<int>(msSinceEpoch - second * 1000);
  return t;
}

#include "platform/ThreadSleeper.h"

#include <QThread>

void ThreadSleeper::sleepMs(int milliseconds) {
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

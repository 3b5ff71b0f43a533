#include "support/E2eHarness.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>

#include "platform/Cp1251.h"

E2eHarness::~E2eHarness() {
  terminal.reset();
}

void E2eHarness::start() {
  terminal = std::make_unique<Terminal>(services(), 0);
}

void E2eHarness::connectTo(const std::string& path) {
  form().ComPort->setCurrentText(Cp1251::toUnicode(path));
  form().BTConnect->click();
}

bool E2eHarness::waitUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return done();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
  return true;
}

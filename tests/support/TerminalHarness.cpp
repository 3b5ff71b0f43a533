#include "support/TerminalHarness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "receive/ReceiveController.h"
#include "ui/LogWindow.h"

TerminalHarness::TerminalHarness() {
  port.existingPaths = {kDevice};
  ports.listing.available = true;
  ports.listing.ports = {{"USB0", "USB serial adapter"}};
  clock.time = LocalTime{2024, 3, 5, 14, 3, 7, 125, 2};
}

TerminalHarness::~TerminalHarness() {
  terminal.reset();
}

void TerminalHarness::start() {
  terminal = std::make_unique<Terminal>(PlatformServices{port, ports, clock, sleeper, pointer, notifier}, 0);
}

void TerminalHarness::startConnected() {
  start();
  form().ComPort->setCurrentText("USB0");
  form().BaudRate->setCurrentIndex(3);
  form().BTConnect->click();
  ASSERT_TRUE(terminal->link().PortOpen()) << "could not connect to the fake device";
  notifier.clear();
}

void TerminalHarness::typeAndEnter(const QString& text, bool ctrl) {
  form().MainStrCmd->setText(text);
  QTest::keyClick(form().MainStrCmd, Qt::Key_Return, ctrl ? Qt::ControlModifier : Qt::NoModifier);
}

QString TerminalHarness::log() const {
  return terminal->form().MainWindow->toPlainText();
}

void TerminalHarness::tickAfter(int ms) {
  clock.advanceMs(ms);
  terminal->receive().RxTimerTimer();
}

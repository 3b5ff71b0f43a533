// logshot: a picture of the main window after a short exchange with the
// virtual device, with time stamps on, in ASCII and in HEX mode.
//   logshot ASCII.png HEX.png
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <cstdio>

#include "app/Terminal.h"
#include "sending/ConsoleController.h"
#include "support/RealPlatform.h"
#include "support/TempWorkDir.h"
#include "support/VirtualDevice.h"
#include "ui/TForm1.h"

namespace {
void settle(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: logshot ASCII.png HEX.png\n");
    return 2;
  }
  QApplication app(argc, argv);
  TempWorkDir dir;
  RealPlatform platform;
  VirtualDevice device({"", "answer", "OK"});
  Terminal terminal(platform.services());
  TForm1& f = terminal.form();
  f.show();
  f.ComPort->setCurrentText(QString::fromStdString(device.path()));
  f.BaudRate->setCurrentIndex(7);
  f.BTConnect->click();
  f.VisTime->setChecked(true);
  f.StartLog->click();

  for (const char* line : {"AT", "AT+GMR", "Привет, устройство"}) {
    f.MainStrCmd->setText(QString::fromUtf8(line));
    f.ButtonSend->click();
    settle(150);
  }
  f.grab().save(argv[1]);

  f.RBHEX->click();
  f.AddStrCmd->setText(" [SUM_8(0..n)]");
  device.setMode("echo");
  for (const char* line : {"01 03 00 00 00 0A", "02 10 00 01"}) {
    f.MainStrCmd->setText(line);
    f.ButtonSend->click();
    settle(150);
  }
  f.grab().save(argv[2]);
  return 0;
}

// Quorvane: a terminal for one serial port at a time. Takes no arguments;
// keeps its data files in the current directory.
#include <QApplication>
#include <QScreen>

#include "app/Terminal.h"
#include "platform/CursorPointerPosition.h"
#include "platform/DialogNotifier.h"
#include "platform/PosixSerialPort.h"
#include "platform/SystemClock.h"
#include "platform/SystemPortList.h"
#include "platform/ThreadSleeper.h"
#include "ui/TForm1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quorvane");

  PosixSerialPort port;
  SystemPortList ports;
  SystemClock clock;
  ThreadSleeper sleeper;
  CursorPointerPosition pointer;
  DialogNotifier notifier;
  Terminal terminal({port, ports, clock, sleeper, pointer, notifier});

  TForm1& form = terminal.form();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    form.move(screen->availableGeometry().center() - form.rect().center());
  form.show();
  return QApplication::exec();
}

// terminal_bench: measures the whole program against the virtual device.
//
//   terminal_bench floor SECONDS        an idle Qt program with the same timers
//   terminal_bench connected SECONDS    the program connected to a silent device
//   terminal_bench stream text|binary BYTES
//   terminal_bench append LINES         cost of one log entry on a log of LINES lines
//
// Prints "name: value" lines. Run it under a display (xvfb-run) so the log
// window really paints; scripts/bench repeats runs and takes medians.
#include <sys/resource.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "app/Terminal.h"
#include "receive/LogFileController.h"
#include "receive/LogView.h"
#include "receive/ReceiveController.h"
#include "support/RealPlatform.h"
#include "support/TempWorkDir.h"
#include "support/VirtualDevice.h"
#include "ui/LogWindow.h"
#include "ui/TForm1.h"
#include "vdevice/StreamPattern.h"

namespace {

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for ms milliseconds, or until done() holds.
bool runFor(
    int ms, const std::function<bool()>& done = [] { return false; }) {
  QElapsedTimer timer;
  timer.start();
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done() || timer.elapsed() >= ms) loop.quit();
  });
  poll.start();
  loop.exec();
  return done();
}

struct CpuWindow {
  double cpu0 = cpuSeconds();
  QElapsedTimer wall;
  CpuWindow() { wall.start(); }
  double cpuMs() const { return (cpuSeconds() - cpu0) * 1000; }
  double percentOfCore() const { return 100.0 * (cpuSeconds() - cpu0) / (wall.elapsed() / 1000.0); }
};

// The program on the real platform, connected to the virtual device.
struct Program : RealPlatform {
  TempWorkDir dir;
  VirtualDevice device{{"", "silent", ""}};
  Terminal terminal{services()};
  long ticks = 0;
  long fullReads = 0;  // ticks that read a whole 2048 bytes
  long readingTicks = 0;
  int lastRx = 0;

  Program() {
    TForm1& f = terminal.form();
    // Connected after the receive controller, so it runs after each tick.
    QObject::connect(f.RxTimer, &QTimer::timeout, [this] {
      ++ticks;
      const int rx = terminal.totals().RxByteTotal;
      if (rx != lastRx) ++readingTicks;
      if (rx - lastRx == 2048) ++fullReads;
      lastRx = rx;
    });
    f.show();
    f.ComPort->setCurrentText(QString::fromStdString(device.path()));
    f.BaudRate->setCurrentIndex(7);
    f.BTConnect->click();
    if (!terminal.link().PortOpen()) {
      std::fprintf(stderr, "could not connect to %s\n", device.path().c_str());
      std::exit(1);
    }
  }
};

int floorMode(int seconds) {
  // The same timers as the program, doing nothing, behind a shown window.
  QWidget window;
  window.resize(943, 749);
  window.show();
  long ticks = 0;
  QTimer rx, housekeeping, supervision;
  rx.setTimerType(Qt::PreciseTimer);
  rx.setInterval(1);
  housekeeping.setInterval(10);
  supervision.setInterval(1000);
  QObject::connect(&rx, &QTimer::timeout, [&] { ++ticks; });
  QObject::connect(&housekeeping, &QTimer::timeout, [] {});
  QObject::connect(&supervision, &QTimer::timeout, [] {});
  rx.start();
  housekeeping.start();
  supervision.start();
  runFor(1000);
  ticks = 0;
  CpuWindow w;
  runFor(seconds * 1000);
  std::printf("cpu_percent: %.3f\nticks_per_second: %.1f\n", w.percentOfCore(),
              ticks / (w.wall.elapsed() / 1000.0));
  return 0;
}

int connectedMode(int seconds) {
  Program p;
  runFor(1000);
  p.ticks = 0;
  CpuWindow w;
  runFor(seconds * 1000);
  std::printf("cpu_percent: %.3f\nticks_per_second: %.1f\n", w.percentOfCore(),
              p.ticks / (w.wall.elapsed() / 1000.0));
  return 0;
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string withoutLineBreaks(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

std::string hexLinesToBytes(const std::string& s) {
  std::string out;
  auto digit = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
  for (size_t i = 0; i + 1 < s.size();) {
    if (std::isxdigit(static_cast<unsigned char>(s[i])) &&
        std::isxdigit(static_cast<unsigned char>(s[i + 1]))) {
      out += static_cast<char>(digit(s[i]) * 16 + digit(s[i + 1]));
      i += 2;
    } else {
      ++i;
    }
  }
  return out;
}

int streamMode(const std::string& kind, long bytes) {
  Program p;
  TForm1& f = p.terminal.form();
  const bool binary = kind == "binary";
  if (binary) f.RBHEX->click();
  p.terminal.logFile().StartLogClick();
  const std::string logName = p.terminal.logFile().LogFileName();

  runFor(500);
  p.ticks = 0;
  QElapsedTimer idle;
  idle.start();
  runFor(2000);
  const double ticksPerSecond = p.ticks / (idle.elapsed() / 1000.0);

  const int rx0 = p.terminal.totals().RxByteTotal;
  p.ticks = 0;
  p.readingTicks = 0;
  p.fullReads = 0;
  CpuWindow w;
  p.device.startStream(bytes, binary ? "binary" : "text");
  const bool complete = runFor(120000, [&] {
    return p.terminal.totals().RxByteTotal - rx0 >= bytes && p.terminal.receive().assembler().RxLength() == 0;
  });
  const double seconds = w.wall.elapsed() / 1000.0;
  const double cpuMs = w.cpuMs();
  const long received = p.terminal.totals().RxByteTotal - rx0;

  const std::string expected = StreamPattern::make(
      binary ? StreamPattern::Kind::Binary : StreamPattern::Kind::Text, static_cast<size_t>(bytes));
  const std::string file = readAll(p.dir.file(logName));
  const bool fileHoldsAll =
      binary ? hexLinesToBytes(file) == expected : withoutLineBreaks(file) == withoutLineBreaks(expected);
  const double ceiling = 2048.0 * ticksPerSecond;
  std::printf("complete: %s\nbytes_sent: %ld\nbytes_received: %ld\nlog_file_holds_all: %s\n",
              complete ? "yes" : "no", bytes, received, fileHoldsAll ? "yes" : "no");
  std::printf("seconds: %.3f\nbytes_per_second: %.0f\nticks_per_second_idle: %.1f\n", seconds,
              received / seconds, ticksPerSecond);
  std::printf("ticks_per_second_streaming: %.1f\nbytes_per_reading_tick: %.0f\nfull_reads_percent: %.1f\n",
              p.ticks / seconds, received / double(p.readingTicks), 100.0 * p.fullReads / p.readingTicks);
  std::printf("fraction_of_ceiling: %.3f\ncpu_ms: %.1f\nlog_lines: %d\n", (received / seconds) / ceiling,
              cpuMs, f.MainWindow->blockCount());
  return complete && fileHoldsAll ? 0 : 1;
}

int appendMode(int lines) {
  Program p;
  TForm1& f = p.terminal.form();
  LogView& log = p.terminal.logView();
  // The housekeeping clear would empty a log past 10000 lines mid-measurement.
  f.CustomFunctions->stop();
  const std::string entry = StreamPattern::make(StreamPattern::Kind::Text, 62);
  while (f.MainWindow->blockCount() < lines) log.append(entry);
  runFor(200);
  const int appends = 2000;
  QElapsedTimer t;
  t.start();
  for (int i = 0; i < appends; ++i) {
    log.append(entry);
    // Let the window paint as it would between receive ticks.
    if (i % 16 == 0) QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  std::printf("lines_before: %d\nus_per_append: %.2f\n", lines, t.nsecsElapsed() / 1000.0 / appends);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "floor" && argc > 2) return floorMode(std::atoi(argv[2]));
  if (mode == "connected" && argc > 2) return connectedMode(std::atoi(argv[2]));
  if (mode == "stream" && argc > 3) return streamMode(argv[2], std::atol(argv[3]));
  if (mode == "append" && argc > 2) return appendMode(std::atoi(argv[2]));
  std::fprintf(stderr,
               "usage: terminal_bench floor|connected SECONDS | stream text|binary BYTES | append LINES\n");
  return 2;
}

#pragma once
// HousekeepingController: the 10 ms housekeeping tick. It keeps the
// connection supervisor running exactly while AutoConnect is ticked, keeps
// the history drop-down as wide as the console line, empties the log window
// once it holds more than 10000 lines, and shows the time of day.

#include <QObject>
#include <QString>

class Clock;
class TForm1;

class HousekeepingController : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaxLogLines = 10000;

  HousekeepingController(TForm1& form, Clock& clock);

  void CustomFunctionsTimer();

 private:
  TForm1& m_form;
  Clock& m_clock;
};

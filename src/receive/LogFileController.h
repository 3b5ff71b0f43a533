#pragma once
// LogFileController: mirroring the log into a file. The first click creates
// "LOG_<date and time>.txt" in the working directory and starts writing;
// later clicks pause ("Go Log") and resume ("Pause Log") into the same file,
// which stays open until shut-down. A file that cannot be created or written
// is reported once; mirroring then stops and the status line says so.

#include <QObject>
#include <string>
#include <string_view>

#include "receive/LogFile.h"

class Clock;
class Notifier;
class TForm1;

class LogFileController : public QObject {
  Q_OBJECT
 public:
  LogFileController(TForm1& form, Clock& clock, Notifier& notifier);

  void StartLogClick();
  // Writes one log entry while mirroring is on.
  void write(std::string_view entry);
  // Shut-down: closes the file if one was created.
  void close();

  bool LogFileActive() const { return m_active; }
  bool LogFileOpen() const { return m_file.isOpen(); }
  const std::string& LogFileName() const { return m_name; }

 private:
  void setStatus(const QString& text);

  TForm1& m_form;
  Clock& m_clock;
  Notifier& m_notifier;
  LogFile m_file;
  std::string m_name;
  bool m_active = false;  // writing; off, paused or stopped by an error otherwise
};

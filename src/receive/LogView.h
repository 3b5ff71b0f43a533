#pragma once
// LogView: the log window and the controls around it. Every entry that
// passes the filter (sent echo or received packet) is appended here and
// mirrored to the log file. Also: Clear, pause with a frozen editable copy,
// the statistics labels and their reset, and the filter field's colour.
// Called by the send path and the receive path for each entry.

#include <QObject>
#include <string>
#include <string_view>

#include "receive/PacketStatistics.h"
#include "ui/DeferredLabels.h"

class LogFileController;
class TForm1;

class LogView : public QObject {
  Q_OBJECT
 public:
  // labelRefreshMs: how often the counter labels may repaint (0: at once).
  LogView(TForm1& form, LogFileController& logFile, int labelRefreshMs);

  // The filter test on an entry: the filter is empty or occurs in it.
  bool passes(std::string_view entry) const;
  // Appends an entry to the window and, while mirroring, to the log file.
  void append(std::string_view entry);

  PacketStatistics& statistics() { return m_stats; }
  DeferredLabels& labels() { return m_labels; }
  // Shows the four statistics labels from the counters.
  void showStatistics();
  void showGaps();

  void BTLogClick();
  void StartStopClick();
  void BTClrStatClick();
  void FiltrLogClick();
  void FiltrLogExit();
  bool paused() const { return m_paused; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TForm1& m_form;
  LogFileController& m_logFile;
  PacketStatistics m_stats;
  DeferredLabels m_labels;
  std::string m_filter;  // FiltrLog's text as bytes, kept in step with the field
  bool m_paused = false;
};

#pragma once
// DeferredLabels: counter labels that change up to a thousand times a second
// (the byte totals, the packet counts) are set here instead of directly.
// Each label keeps only its latest text, and the texts are put on screen
// together at most once per interval: repainting a label on every receive
// tick would cost more than receiving. An interval of 0 sets texts at once.

#include <QObject>
#include <QString>
#include <QTimer>
#include <utility>
#include <vector>

class QLabel;

class DeferredLabels : public QObject {
  Q_OBJECT
 public:
  explicit DeferredLabels(int intervalMs);

  void setText(QLabel* label, const QString& text);
  // Puts every pending text on its label now.
  void flush();

 private:
  std::vector<std::pair<QLabel*, QString>> m_pending;
  QTimer m_timer;
  int m_intervalMs;
};

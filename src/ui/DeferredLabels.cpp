#include "ui/DeferredLabels.h"

#include <QLabel>

DeferredLabels::DeferredLabels(int intervalMs) : m_intervalMs(intervalMs) {
  m_timer.setSingleShot(true);
  m_timer.setInterval(intervalMs);
  connect(&m_timer, &QTimer::timeout, this, &DeferredLabels::flush);
}

void DeferredLabels::setText(QLabel* label, const QString& text) {
  if (m_intervalMs <= 0) {
    label->setText(text);
    return;
  }
  bool found = false;
  for (auto& [pendingLabel, pendingText] : m_pending)
    if (pendingLabel == label) {
      pendingText = text;
      found = true;
    }
  if (!found) m_pending.emplace_back(label, text);
  if (!m_timer.isActive()) m_timer.start();
}

void DeferredLabels::flush() {
  m_timer.stop();
  for (auto& [label, text] : m_pending)
    if (label->text() != text) label->setText(text);
  m_pending.clear();
}

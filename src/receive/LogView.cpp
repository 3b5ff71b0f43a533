#include "receive/LogView.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/Cp1251.h"
#include "receive/LogEntry.h"
#include "receive/LogFileController.h"
#include "ui/Colors.h"
#include "ui/LogWindow.h"
#include "ui/TForm1.h"
#include "ui/WidgetColors.h"

LogView::LogView(TForm1& form, LogFileController& logFile, int labelRefreshMs)
    : m_form(form), m_logFile(logFile), m_labels(labelRefreshMs) {
  connect(m_form.BTLog, &QPushButton::clicked, this, &LogView::BTLogClick);
  connect(m_form.StartStop, &QPushButton::clicked, this, &LogView::StartStopClick);
  connect(m_form.BTClrStat, &QPushButton::clicked, this, &LogView::BTClrStatClick);
  connect(m_form.FiltrLog, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_filter = Cp1251::fromUnicode(text); });
  m_form.FiltrLog->installEventFilter(this);
}

bool LogView::passes(std::string_view entry) const {
  return passesFilter(entry, m_filter);
}

void LogView::append(std::string_view entry) {
  m_form.MainWindow->appendPlainText(Cp1251::toUnicode(displayText(entry)));
  m_logFile.write(entry);
}

void LogView::showStatistics() {
  m_labels.setText(m_form.LSend, QString::fromStdString(m_stats.sendLabel()));
  m_labels.setText(m_form.LRead, QString::fromStdString(m_stats.readLabel()));
  showGaps();
}

void LogView::showGaps() {
  m_labels.setText(m_form.MinTimeWait, QString::fromStdString(m_stats.minLabel()));
  m_labels.setText(m_form.MaxTimeWait, QString::fromStdString(m_stats.maxLabel()));
}

void LogView::BTLogClick() {
  m_form.MainWindow->clear();
}

void LogView::StartStopClick() {
  m_form.SecondWindow->clear();
  m_paused = !m_paused;
  if (m_paused) {
    m_form.StartStop->setText(">");
    // The frozen copy is taken straight from the log; the clipboard is left
    // alone so whatever the user had copied survives a pause.
    m_form.SecondWindow->setPlainText(m_form.MainWindow->toPlainText() +
                                      QStringLiteral("\n\n>>>>>>>>>> STOP <<<<<<<<<<"));
    m_form.MainWindow->hide();
    m_form.SecondWindow->show();
  } else {
    m_form.StartStop->setText("||");
    m_form.SecondWindow->hide();
    m_form.MainWindow->show();
  }
}

void LogView::BTClrStatClick() {
  m_stats.reset();
  showStatistics();
}

void LogView::FiltrLogClick() {
  setBackgroundColor(m_form.FiltrLog, colors::yellow());
}

void LogView::FiltrLogExit() {
  setBackgroundColor(m_form.FiltrLog,
                     m_form.FiltrLog->text().isEmpty() ? colors::buttonFace() : colors::yellow());
}

bool LogView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_form.FiltrLog) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) FiltrLogClick();
    if (event->type() == QEvent::FocusOut) FiltrLogExit();
  }
  return QObject::eventFilter(watched, event);
}

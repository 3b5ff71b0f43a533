#include "sending/ConsoleController.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "platform/Cp1251.h"
#include "sending/CommandHistory.h"
#include "serial/SerialLink.h"
#include "transmit/TransmitController.h"
#include "ui/TForm1.h"

namespace {
bool isEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}
}  // namespace

ConsoleController::ConsoleController(TForm1& form, TransmitController& transmit, CommandHistory& history,
                                     SerialLink& link)
    : m_form(form), m_transmit(transmit), m_history(history), m_link(link) {
  connect(m_form.ButtonSend, &QPushButton::clicked, this, &ConsoleController::ButtonSendClick);
  // The tail is reset when a mode button becomes selected, by a click or by
  // the settings being applied; clicking the selected one changes nothing.
  connect(m_form.RBASCII, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RBASCIIClick();
  });
  connect(m_form.RBHEX, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RBHEXClick();
  });
  connect(m_form.FastOldCmd, &QListWidget::itemDoubleClicked, this,
          [this] { choose(m_form.FastOldCmd, m_form.MainStrCmd); });
  connect(m_form.LBTail, &QListWidget::itemDoubleClicked, this,
          [this] { choose(m_form.LBTail, m_form.AddStrCmd); });
  m_transmit.onHistoryChanged = [this] {
    if (HistoryShown) ReadOldCmd();
  };
  for (QObject* watched : {static_cast<QObject*>(m_form.MainStrCmd), static_cast<QObject*>(m_form.AddStrCmd),
                           static_cast<QObject*>(m_form.FastOldCmd), static_cast<QObject*>(m_form.LBTail)})
    watched->installEventFilter(this);
}

void ConsoleController::ButtonSendClick() {
  sendConsoleLine();
}

void ConsoleController::sendConsoleLine() {
  m_transmit.SendPortData(Cp1251::fromUnicode(m_form.MainStrCmd->text()));
}

void ConsoleController::ReadOldCmd() {
  m_form.FastOldCmd->clear();
  for (const std::string& line : m_history.entries()) m_form.FastOldCmd->addItem(Cp1251::toUnicode(line));
  m_form.FastOldCmd->setCurrentRow(-1);
}

void ConsoleController::RBASCIIClick() {
  m_form.AddStrCmd->setText("$0D");
}

void ConsoleController::RBHEXClick() {
  m_form.AddStrCmd->clear();
}

void ConsoleController::openHistory() {
  ReadOldCmd();
  m_form.FastOldCmd->show();
  m_form.FastOldCmd->raise();
  m_form.FastOldCmd->setFocus();
}

void ConsoleController::openTemplates() {
  m_form.LBTail->setCurrentRow(-1);
  m_form.LBTail->show();
  m_form.LBTail->raise();
  m_form.LBTail->setFocus();
}

bool ConsoleController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_form.MainStrCmd) return consoleKey(event);
  if (watched == m_form.AddStrCmd) return tailKey(event);
  if (watched == m_form.FastOldCmd) return dropDownKey(m_form.FastOldCmd, m_form.MainStrCmd, event);
  if (watched == m_form.LBTail) return dropDownKey(m_form.LBTail, m_form.AddStrCmd, event);
  return false;
}

bool ConsoleController::consoleKey(QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) openHistory();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (isEnter(key)) {
    if (key->modifiers() & Qt::ControlModifier) {
      sendConsoleLine();
    } else {
      sendConsoleLine();
      if (m_link.PortOpen()) m_form.MainStrCmd->clear();
    }
    return true;
  }
  if (key->key() == Qt::Key_Escape) {
    m_form.MainStrCmd->clear();
    return true;
  }
  return false;
}

bool ConsoleController::tailKey(QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) openTemplates();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (isEnter(key)) return true;
  if (key->key() == Qt::Key_Escape) {
    m_form.AddStrCmd->clear();
    return true;
  }
  return false;
}

bool ConsoleController::dropDownKey(QListWidget* list, QLineEdit* field, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    list->hide();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (isEnter(key)) {
    choose(list, field);
    return true;
  }
  if (key->key() == Qt::Key_Escape) {
    closeDropDown(list, field);
    return true;
  }
  // The list opens with nothing chosen, but the view has already put its
  // cursor on the first row, so its own Down would skip to the second: the
  // first arrow key chooses the top row (the newest line, the first template).
  if ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) && list->selectedItems().isEmpty() &&
      list->count() > 0) {
    list->setCurrentRow(0);
    return true;
  }
  return false;
}

void ConsoleController::choose(QListWidget* list, QLineEdit* field) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  if (selected.isEmpty()) return;
  field->setText(selected.first()->text());
  closeDropDown(list, field);
}

void ConsoleController::closeDropDown(QListWidget* list, QLineEdit* field) {
  list->hide();
  field->setFocus();
}

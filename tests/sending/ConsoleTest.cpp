// The console line, the tail field and their drop-down lists driven through
// the real widgets with the keyboard and the mouse, and the history file
// across a restart of the program.
#include <sys/resource.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "support/FileSizeLimit.h"
#include "support/TerminalHarness.h"

namespace {

class ConsoleTest : public TerminalHarness {
 protected:
  // Focus moves only inside an active window.
  void showWindow() {
    form().show();
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  }
  static QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  void sendLines(const QStringList& lines) {
    for (const QString& line : lines) typeAndEnter(line);
  }
  QWidget* focused() const { return QApplication::focusWidget(); }
};

TEST_F(ConsoleTest, ConsoleKeysSendKeepOrClearTheLine) {
  enum class Key { Enter, CtrlEnter, Escape, Button };
  struct Case {
    const char* what;
    bool connected;
    Key key;
    std::string written;
    bool errorWindow;
    QString lineAfter;
  };
  const Case cases[] = {
      {"Enter, port open", true, Key::Enter, "AT\r", false, ""},
      {"Ctrl+Enter, port open", true, Key::CtrlEnter, "AT\r", false, "AT"},
      {"button, port open", true, Key::Button, "AT\r", false, "AT"},
      {"Esc, port open", true, Key::Escape, "", false, ""},
      {"Enter, port closed", false, Key::Enter, "", true, "AT"},
      {"Ctrl+Enter, port closed", false, Key::CtrlEnter, "", true, "AT"},
      {"button, port closed", false, Key::Button, "", true, "AT"},
      {"Esc, port closed", false, Key::Escape, "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    terminal.reset();
    port = FakeSerialPort{};
    port.existingPaths = {kDevice};
    notifier.clear();
    c.connected ? startConnected() : start();
    form().MainStrCmd->setText("AT");
    switch (c.key) {
      case Key::Enter:
        QTest::keyClick(form().MainStrCmd, Qt::Key_Return);
        break;
      case Key::CtrlEnter:
        QTest::keyClick(form().MainStrCmd, Qt::Key_Return, Qt::ControlModifier);
        break;
      case Key::Escape:
        QTest::keyClick(form().MainStrCmd, Qt::Key_Escape);
        break;
      case Key::Button:
        form().ButtonSend->click();
        break;
    }
    EXPECT_EQ(port.written, c.written);
    EXPECT_EQ(notifier.modalWindows, c.errorWindow ? QStringList({"TOpenPortError"}) : QStringList());
    EXPECT_EQ(form().MainStrCmd->text(), c.lineAfter);
  }
}

TEST_F(ConsoleTest, HistoryListOpensNewestFirstAndCopiesTheChosenLine) {
  startConnected();
  showWindow();
  sendLines({"one", "two", "three", "two"});
  form().MainStrCmd->setText("draft");
  form().MainStrCmd->setFocus();

  QTest::keyClick(form().MainStrCmd, Qt::Key_Down);
  QListWidget* list = form().FastOldCmd;
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(focused(), list);
  EXPECT_EQ(items(list), QStringList({"two", "three", "one"}));
  EXPECT_TRUE(list->selectedItems().isEmpty());

  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_TRUE(list->isVisible()) << "Enter with nothing chosen keeps the list open";
  EXPECT_EQ(form().MainStrCmd->text(), "draft");

  list->setCurrentRow(1);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(form().MainStrCmd->text(), "three");
  EXPECT_EQ(focused(), form().MainStrCmd);
  EXPECT_EQ(port.written, "one\rtwo\rthree\rtwo\r") << "choosing copies, it does not send";
}

TEST_F(ConsoleTest, HistoryListIsRefilledOnEveryOpening) {
  startConnected();
  showWindow();
  sendLines({"one"});
  QTest::keyClick(form().MainStrCmd, Qt::Key_Down);
  QTest::keyClick(form().FastOldCmd, Qt::Key_Down);
  QTest::keyClick(form().FastOldCmd, Qt::Key_Escape);
  sendLines({"two"});
  QTest::keyClick(form().MainStrCmd, Qt::Key_Down);
  EXPECT_EQ(items(form().FastOldCmd), QStringList({"two", "one"}));
  EXPECT_TRUE(form().FastOldCmd->selectedItems().isEmpty()) << "an earlier choice does not linger";
}

TEST_F(ConsoleTest, ArrowKeysInTheHistoryListStartAtTheNewestLine) {
  startConnected();
  showWindow();
  sendLines({"old", "new"});
  QTest::keyClick(form().MainStrCmd, Qt::Key_Down);
  QTest::keyClick(form().FastOldCmd, Qt::Key_Down);
  QTest::keyClick(form().FastOldCmd, Qt::Key_Return);
  EXPECT_EQ(form().MainStrCmd->text(), "new");
}

TEST_F(ConsoleTest, DropDownsCloseOnEscAndOnFocusLossWithoutChanges) {
  struct Case {
    const char* what;
    QListWidget* TForm1::*list;
    QLineEdit* TForm1::*field;
    bool escape;  // otherwise the focus moves elsewhere
  };
  const Case cases[] = {
      {"history, Esc", &TForm1::FastOldCmd, &TForm1::MainStrCmd, true},
      {"history, focus lost", &TForm1::FastOldCmd, &TForm1::MainStrCmd, false},
      {"templates, Esc", &TForm1::LBTail, &TForm1::AddStrCmd, true},
      {"templates, focus lost", &TForm1::LBTail, &TForm1::AddStrCmd, false},
  };
  startConnected();
  showWindow();
  sendLines({"one"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QListWidget* list = form().*c.list;
    QLineEdit* field = form().*c.field;
    field->setText("kept");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down);
    ASSERT_TRUE(list->isVisible());
    list->setCurrentRow(0);
    if (c.escape) {
      QTest::keyClick(list, Qt::Key_Escape);
      EXPECT_EQ(focused(), field);
    } else {
      form().FiltrLog->setFocus();
    }
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(field->text(), "kept");
  }
  EXPECT_EQ(port.written, "one\r");
}

TEST_F(ConsoleTest, DoubleClickChoosesLikeEnter) {
  startConnected();
  showWindow();
  sendLines({"one", "two"});
  for (QLineEdit* field : {form().MainStrCmd, form().AddStrCmd}) {
    QListWidget* list = field == form().MainStrCmd ? form().FastOldCmd : form().LBTail;
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down);
    ASSERT_TRUE(list->isVisible());
    const QRect row = list->visualItemRect(list->item(1));
    // A real double click is a click followed by the double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(field->text(), list->item(1)->text());
  }
  EXPECT_EQ(form().MainStrCmd->text(), "one");
  EXPECT_EQ(form().AddStrCmd->text(), "[SUM_8(1..n)]");
  EXPECT_EQ(port.written, "one\rtwo\r");
}

TEST_F(ConsoleTest, TailFieldKeysAndTheTemplateList) {
  startConnected();
  showWindow();
  QLineEdit* tail = form().AddStrCmd;
  tail->setText("$0D$0A");
  tail->setFocus();

  QTest::keyClick(tail, Qt::Key_Return);
  EXPECT_TRUE(port.written.empty()) << "Enter in the tail field sends nothing";
  EXPECT_EQ(tail->text(), "$0D$0A");

  QTest::keyClick(tail, Qt::Key_Down);
  QListWidget* list = form().LBTail;
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(focused(), list);
  EXPECT_EQ(list->count(), 9);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_TRUE(list->isVisible()) << "Enter with nothing chosen keeps the list open";

  list->setCurrentRow(4);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(tail->text(), "[XOR_8 (1..n)]") << "a template replaces the whole tail";
  EXPECT_EQ(focused(), tail);

  typeAndEnter("123");
  EXPECT_EQ(port.written, "12301");

  QTest::keyClick(tail, Qt::Key_Escape);
  EXPECT_TRUE(tail->text().isEmpty());
  typeAndEnter("AT");
  EXPECT_EQ(port.written, "12301AT") << "with the tail emptied the line goes out alone";
}

TEST_F(ConsoleTest, SelectingAnOutputModeResetsTheTailOnlyOnAChange) {
  start();
  struct Step {
    QRadioButton* TForm1::*button;
    bool click;  // otherwise selected from code, as the settings file does
    QString tailBefore;
    QString tailAfter;
  };
  const Step steps[] = {
      {&TForm1::RBASCII, true, "typed", "typed"},                                          // already selected
      {&TForm1::RBHEX, true, "typed", ""},        {&TForm1::RBHEX, true, " 0D", " 0D"},    // already selected
      {&TForm1::RBASCII, true, "x", "$0D"},       {&TForm1::RBASCII, true, "$0A", "$0A"},  // already selected
      {&TForm1::RBHEX, false, "typed", ""},       {&TForm1::RBASCII, true, "x", "$0D"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.tailBefore.toStdString());
    QRadioButton* button = form().*s.button;
    form().AddStrCmd->setText(s.tailBefore);
    s.click ? button->click() : button->setChecked(true);
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(form().AddStrCmd->text(), s.tailAfter);
  }
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ConsoleTest, HistoryComesBackAfterARestartUnlessItsFileWasDeleted) {
  struct Case {
    bool deleteFile;
    QStringList shownAfterRestart;
  };
  for (const Case& c : {Case{false, {"beta", "alpha"}}, Case{true, {}}}) {
    SCOPED_TRACE(c.deleteFile ? "file deleted during the run" : "file kept");
    std::filesystem::remove("OldCmd");
    port = FakeSerialPort{};
    port.existingPaths = {kDevice};
    startConnected();
    sendLines({"alpha", "beta"});
    if (c.deleteFile) std::filesystem::remove("OldCmd");
    ASSERT_TRUE(terminal->FormClose());
    EXPECT_EQ(std::filesystem::exists("OldCmd"), !c.deleteFile) << "a deleted history is not recreated";
    terminal.reset();

    start();
    EXPECT_EQ(items(form().FastOldCmd), c.shownAfterRestart);
    form().MainStrCmd->setFocus();
    QTest::keyClick(form().MainStrCmd, Qt::Key_Down);
    EXPECT_EQ(items(form().FastOldCmd), c.shownAfterRestart);
    terminal.reset();
  }
}

TEST_F(ConsoleTest, FailedHistorySaveKeepsTheWindowOpenAndTheNextCloseSavesOnceTheDiskHasRoom) {
  startConnected();
  typeAndEnter("kept");
  {
    FileSizeLimit full(100);
    EXPECT_FALSE(terminal->FormClose());
  }
  ASSERT_EQ(notifier.errors.size(), 1);
  EXPECT_TRUE(notifier.errors.first().contains("OldCmd"));
  EXPECT_TRUE(terminal->FormClose());
  EXPECT_EQ(notifier.errors.size(), 1);
  EXPECT_EQ(readFile("OldCmd").substr(0, 5), std::string("\x04kept"));
}

}  // namespace

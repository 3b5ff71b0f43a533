// Mirroring the log into a file through the real widgets: the StartLog
// button's three states, what reaches the file and in which encoding, and
// how a file that cannot be created or written is reported (once).
#include <sys/resource.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "receive/LogFileController.h"
#include "receive/ReceiveController.h"
#include "support/FileSizeLimit.h"
#include "support/TerminalHarness.h"
#include "ui/LogWindow.h"

namespace {

namespace fs = std::filesystem;

// The fake clock starts at 5 March 2024, 14:03:07.125.
const std::string kName = "LOG_2024 3 5 14 3 7.txt";
const QString kWriting = QStringLiteral("Лог записывается в файл LOG_2024 3 5 14 3 7.txt");
const QString kPaused = QStringLiteral("Запись в файл лога приостановлена (LOG_2024 3 5 14 3 7.txt)");

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int logFilesIn(const std::string& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().rfind("LOG_", 0) == 0) ++count;
  return count;
}

class LogMirrorTest : public TerminalHarness {
 protected:
  void SetUp() override {
    startConnected();
    terminal->receive().setRxIdleTimeoutMs(0);
  }

  // The device sends `bytes`; two ticks later they are logged.
  void deliver(const std::string& bytes) {
    port.incoming += bytes;
    tickAfter(1);
    tickAfter(1);
  }

  void expectState(const QString& caption, const QString& status) {
    EXPECT_EQ(form().StartLog->text(), caption);
    EXPECT_EQ(form().STLog->text(), status);
  }
};

TEST_F(LogMirrorTest, StartPauseAndResumeUseOneFileNamedAfterTheFirstStart) {
  expectState("Start Log", QStringLiteral("Запись в файл не ведётся"));
  EXPECT_FALSE(terminal->logFile().LogFileActive());

  std::ofstream(kName) << "left by an earlier run in the same second";
  form().StartLog->click();
  expectState("Pause Log", kWriting);
  EXPECT_TRUE(terminal->logFile().LogFileActive());
  EXPECT_EQ(terminal->logFile().LogFileName(), kName);
  EXPECT_EQ(readFile(dir.file(kName)), "") << "the file is created empty, replacing the old one";

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    clock.advanceMs(61000);
    form().StartLog->click();
    expectState("Go Log", kPaused);
    EXPECT_FALSE(terminal->logFile().LogFileActive());
    clock.advanceMs(61000);
    form().StartLog->click();
    expectState("Pause Log", kWriting);
    EXPECT_TRUE(terminal->logFile().LogFileActive());
  }
  EXPECT_EQ(logFilesIn(dir.path()), 1);
  EXPECT_TRUE(notifier.errors.isEmpty());
}

TEST_F(LogMirrorTest, FileHoldsTheEntriesWrittenWhileOnAsWindows1251Lines) {
  form().VisTime->setChecked(true);
  form().AddStrCmd->clear();  // no tail: the sent entry is the line itself
  form().StartLog->click();

  typeAndEnter(QStringLiteral("Привет"));
  deliver("\xCE\xF2\xE2\xE5\xF2");  // "Ответ"
  form().StartLog->click();
  typeAndEnter("not mirrored");
  deliver("not mirrored either");
  form().StartLog->click();
  deliver("A\rB\r\n");

  EXPECT_EQ(readFile(dir.file(kName)),
            " [ 14:03:07:125 > ] \xCF\xF0\xE8\xE2\xE5\xF2\r\n"
            " [ 14:03:07:127 < ] \xCE\xF2\xE2\xE5\xF2\r\n"
            " [ 14:03:07:131 < ] A\r\nB\r\r\n");
  EXPECT_EQ(form().MainWindow->toPlainText(), QStringLiteral(" [ 14:03:07:125 > ] Привет\n"
                                                             " [ 14:03:07:127 < ] Ответ\n"
                                                             " [ 14:03:07:127 > ] not mirrored\n"
                                                             " [ 14:03:07:129 < ] not mirrored either\n"
                                                             " [ 14:03:07:131 < ] A\nB"));
}

TEST_F(LogMirrorTest, FileThatCannotBeCreatedIsReportedOnceAndMirroringStaysOff) {
  fs::create_directory(kName);
  form().StartLog->click();
  ASSERT_EQ(notifier.errors.size(), 1);
  EXPECT_TRUE(notifier.errors.first().startsWith(QString::fromStdString(kName)))
      << notifier.errors.first().toStdString();
  EXPECT_EQ(form().StartLog->text(), "Start Log");
  EXPECT_TRUE(
      form().STLog->text().startsWith(QStringLiteral("Не удалось создать файл лога LOG_2024 3 5 14 3 7.txt")))
      << form().STLog->text().toStdString();
  EXPECT_FALSE(terminal->logFile().LogFileActive());
  EXPECT_FALSE(terminal->logFile().LogFileOpen());

  deliver("received\r\n");
  typeAndEnter("sent");
  EXPECT_EQ(notifier.errors.size(), 1) << "later entries do not fail again";
  EXPECT_EQ(form().MainWindow->toPlainText(), "received\nsent");

  fs::remove(kName);
  form().StartLog->click();
  expectState("Pause Log", kWriting);
  deliver("now mirrored");
  EXPECT_EQ(readFile(dir.file(kName)), "now mirrored\r\n");
  EXPECT_EQ(notifier.errors.size(), 1);
}

// The first entry that cannot be written comes from the device or from the
// console; either way the failure is reported once.
class LogWriteFailure : public LogMirrorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LogWriteFailure, IsReportedOnceAndStopsMirroringUntilResumed) {
  const bool failsInASend = GetParam();
  form().AddStrCmd->clear();
  form().StartLog->click();
  deliver("one");
  ASSERT_EQ(readFile(dir.file(kName)), "one\r\n");
  {
    FileSizeLimit full(5);
    if (failsInASend) {
      typeAndEnter("two");
    } else {
      deliver("two");
    }
    deliver("three");
    typeAndEnter("four");
  }
  ASSERT_EQ(notifier.errors.size(), 1);
  EXPECT_TRUE(notifier.errors.first().contains(QString::fromStdString(kName)));
  EXPECT_EQ(form().StartLog->text(), "Go Log");
  EXPECT_EQ(form().STLog->text(),
            QStringLiteral(
                "Запись в файл лога остановлена из-за ошибки (LOG_2024 3 5 14 3 7.txt: File too large)"));
  EXPECT_FALSE(terminal->logFile().LogFileActive());
  EXPECT_EQ(form().MainWindow->toPlainText(), "one\ntwo\nthree\nfour") << "the window is not affected";

  form().StartLog->click();
  expectState("Pause Log", kWriting);
  deliver("five");
  EXPECT_EQ(readFile(dir.file(kName)), "one\r\nfive\r\n") << "resuming appends to the same file";
  EXPECT_EQ(notifier.errors.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(ReceivedOrSent, LogWriteFailure, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "InASend" : "InAReceivedEntry");
                         });

}  // namespace

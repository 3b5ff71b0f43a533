// Start-up and shut-down of the whole program in a fresh working directory.
#include <sys/resource.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "support/FileSizeLimit.h"
#include "support/TerminalHarness.h"
#include "ui/LogWindow.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using StartupTest = TerminalHarness;

TEST_F(StartupTest, FirstStartInAnEmptyFolderShowsTheDesignDefaults) {
  start();
  TForm1& f = form();
  EXPECT_EQ(readFile("OldCmd"), std::string(12800, '\0'));
  EXPECT_TRUE(notifier.messages.isEmpty());
  EXPECT_TRUE(notifier.errors.isEmpty());

  EXPECT_EQ(f.windowTitle(), "Quorvane v1_14");
  EXPECT_EQ(f.BaudRate->currentText(), "1200");
  EXPECT_EQ(f.ComBits->currentText(), "8");
  EXPECT_EQ(f.ComStopBits->currentText(), "1");
  EXPECT_TRUE(f.RBASCII->isChecked());
  EXPECT_TRUE(f.RBManual->isChecked());
  EXPECT_EQ(f.AddStrCmd->text(), "$0D");
  EXPECT_EQ(f.TimeOutAns->text(), "TimeRX: 0");
  EXPECT_FALSE(f.ListDec->isEnabled());
  EXPECT_TRUE(f.ListInc->isEnabled());
  EXPECT_EQ(f.SriftText->text(), "8");
  EXPECT_EQ(f.MinTimeWait->text(), "MIN_T_W:  NA");
  EXPECT_EQ(f.MaxTimeWait->text(), "MAX_T_W: NA");
  EXPECT_EQ(f.LRead->text(), "Read: 0");
  EXPECT_EQ(f.LSend->text(), "Send: 0");
  EXPECT_EQ(f.StaticText3->text(), "TX: 0, RX: 0");
  EXPECT_TRUE(f.MainWindow->toPlainText().isEmpty());
  EXPECT_EQ(f.ComPort->currentText(), "USB0");
  EXPECT_FALSE(terminal->link().PortOpen());
}

TEST_F(StartupTest, DamagedHistoryIsReportedAndTheRestOfStartupStillRuns) {
  std::ofstream("OldCmd", std::ios::binary) << std::string(300, 'x');
  start();
  ASSERT_EQ(notifier.errors.size(), 1);
  EXPECT_TRUE(notifier.errors.first().contains("OldCmd"));
  EXPECT_EQ(form().ComPort->currentText(), "USB0") << "the port rescan after the history still ran";
  EXPECT_EQ(readFile("OldCmd").size(), 300u) << "a damaged file is left for the user to look at";
}

TEST_F(StartupTest, CloseRewritesTheHistoryOnlyWhileItsFileExists) {
  startConnected();
  typeAndEnter("first");
  ASSERT_TRUE(terminal->FormClose());
  EXPECT_EQ(readFile("OldCmd").substr(0, 6), std::string("\x05"
                                                         "first"));

  typeAndEnter("second");
  std::filesystem::remove("OldCmd");
  ASSERT_TRUE(terminal->FormClose());
  EXPECT_FALSE(std::filesystem::exists("OldCmd"));
}

TEST_F(StartupTest, FailedSaveKeepsTheWindowOpenOnceThenLetsTheUserLeave) {
  startConnected();
  typeAndEnter("line");
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(terminal->FormClose());
    EXPECT_EQ(notifier.errors.size(), 1);
    EXPECT_TRUE(terminal->FormClose());
  }
  EXPECT_EQ(readFile("OldCmd"), std::string(12800, '\0')) << "the old file survives a failed save";
}

}  // namespace

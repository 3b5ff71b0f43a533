// Receiving from a real pseudo-terminal with the program's own timers
// running: the idle gap on the line cuts the byte stream into log entries,
// which reach both the log window and the log file.
#include <poll.h>
#include <unistd.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Cp1251.h"
#include "receive/LogFileController.h"
#include "receive/ReceiveController.h"
#include "support/E2eHarness.h"
#include "support/PtyPair.h"
#include "ui/LogWindow.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
    parts.push_back(text.substr(from, at - from));
  parts.push_back(text.substr(from));
  return parts;
}

class ReceiveE2eTest : public E2eHarness {
 protected:
  void connectDevice(PtyPair& device, int separationMs) {
    start();
    connectTo(device.slavePath());
    ASSERT_TRUE(terminal->link().PortOpen());
    terminal->receive().setRxIdleTimeoutMs(separationMs);
    form().StartLog->click();
    ASSERT_TRUE(terminal->logFile().LogFileActive());
  }

  std::string logFile() const { return readFile(dir.file(terminal->logFile().LogFileName())); }
  QString readLabel(int n) const { return QStringLiteral("Read: %1").arg(n); }
  bool logged(int n) { return form().LRead->text() == readLabel(n); }
};

struct BurstCase {
  const char* name;
  bool hex;
  bool visTime;
  std::string first;
  std::string second;
  // Entries without their time stamps, as the window shows them and as the
  // file holds them (each file line is followed by CR LF).
  QString shownFirst;
  QString shownSecond;
  std::string fileFirst;
  std::string fileSecond;
};

void PrintTo(const BurstCase& c, std::ostream* os) {
  *os << c.name;
}

class ReceiveBursts : public ReceiveE2eTest, public ::testing::WithParamInterface<BurstCase> {};

// " [ hh:mm:ss:zzz < ] ": 20 characters.
const QRegularExpression kStamp(QStringLiteral("^ \\[ \\d\\d:\\d\\d:\\d\\d:\\d\\d\\d < \\] "));

TEST_P(ReceiveBursts, EachBurstBecomesOneEntryInTheWindowAndTheFile) {
  const BurstCase& c = GetParam();
  PtyPair device;
  connectDevice(device, 50);
  if (c.hex) form().RBHEX->click();
  form().VisTime->setChecked(c.visTime);

  device.send(c.first);
  ASSERT_TRUE(waitUntil([&] { return logged(1); }));
  // The first entry is out, so the line has been quiet longer than the
  // separation time before the second burst starts.
  device.send(c.second);
  ASSERT_TRUE(waitUntil([&] { return logged(2); })) << form().LRead->text().toStdString();
  EXPECT_EQ(form().StaticText3->text(), QStringLiteral("TX: 0 RX: %1").arg(c.first.size() + c.second.size()));

  QStringList shown = form().MainWindow->toPlainText().split('\n');
  std::vector<std::string> lines = split(logFile(), "\r\n");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "") << "the file ends with a complete line";
  lines.pop_back();
  // Each entry's first window line and first file line carry the same stamp.
  for (int entry : {0, 1}) {
    const int windowLine = entry == 0 ? 0 : static_cast<int>(c.shownFirst.split('\n').size());
    const std::size_t fileLine = entry == 0 ? 0 : split(c.fileFirst, "\r\n").size();
    ASSERT_LT(windowLine, shown.size());
    ASSERT_LT(fileLine, lines.size());
    if (!c.visTime) continue;
    const QRegularExpressionMatch match = kStamp.match(shown[windowLine]);
    ASSERT_TRUE(match.hasMatch()) << shown[windowLine].toStdString();
    EXPECT_EQ(lines[fileLine].substr(0, 20), match.captured(0).toStdString());
    shown[windowLine].remove(0, 20);
    lines[fileLine].erase(0, 20);
  }
  EXPECT_EQ(shown.join('\n'), c.shownFirst + "\n" + c.shownSecond);
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  EXPECT_EQ(file, c.fileFirst + "\r\n" + c.fileSecond + "\r\n");
  EXPECT_TRUE(notifier.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    AsciiAndHex, ReceiveBursts,
    ::testing::Values(BurstCase{"Ascii", false, false, "hello\r\n", "two\rlines\r\n", "hello", "two\nlines",
                                "hello\r", "two\r\nlines\r"},
                      BurstCase{"AsciiStamped", false, true, "hello\r\n", "\xCF\xF0\xE8\xE2\xE5\xF2", "hello",
                                QStringLiteral("Привет"), "hello\r", "\xCF\xF0\xE8\xE2\xE5\xF2"},
                      BurstCase{"Hex", true, false, "\x01\x02\xFF", "OK\r\n", "01 02 FF", "4F 4B 0D 0A",
                                "01 02 FF", "4F 4B 0D 0A"},
                      BurstCase{"HexStamped", true, true, "\x01\x02\xFF", std::string(1, '\0'), "01 02 FF",
                                "00", "01 02 FF", "00"}),
    [](const ::testing::TestParamInfo<BurstCase>& info) { return std::string(info.param.name); });

TEST_F(ReceiveE2eTest, LongBurstArrivesWholeCutIntoPacketsOfAtMost2048Bytes) {
  PtyPair device;
  // A long separation time, so only the 1500-byte threshold cuts the burst
  // even when this machine is slow to move the bytes along.
  connectDevice(device, 500);
  std::string data;
  for (int i = 0; i < 5000; ++i) data += static_cast<char>('A' + i % 26);

  // Written in slices, with the program running between them, in case the
  // pseudo-terminal takes less than the whole burst at once.
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n =
        write(device.masterFd(), data.data() + done, std::min<std::size_t>(1024, data.size() - done));
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else {
      ASSERT_TRUE(n < 0 && errno == EAGAIN) << "write to the device side failed";
    }
    waitUntil([] { return false; }, 1);
  }

  ASSERT_TRUE(waitUntil([&] { return form().StaticText3->text() == "TX: 0 RX: 5000"; }))
      << form().StaticText3->text().toStdString();
  ASSERT_TRUE(waitUntil([&] { return logFile().size() >= data.size(); }));
  // The last packet ends when the line goes quiet.
  ASSERT_TRUE(waitUntil([&] {
    std::string joined;
    for (const std::string& line : split(logFile(), "\r\n")) joined += line;
    return joined == data;
  })) << logFile().size();

  std::vector<std::string> packets = split(logFile(), "\r\n");
  ASSERT_EQ(packets.back(), "");
  packets.pop_back();
  ASSERT_GE(packets.size(), 3u);
  EXPECT_EQ(form().LRead->text(), readLabel(static_cast<int>(packets.size())));
  for (std::size_t i = 0; i < packets.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_LE(packets[i].size(), 2048u);
    if (i + 1 < packets.size()) {
      EXPECT_GT(packets[i].size(), 1500u);
    }
  }
  EXPECT_EQ(Cp1251::fromUnicode(form().MainWindow->toPlainText().remove('\n')), data);
}

}  // namespace

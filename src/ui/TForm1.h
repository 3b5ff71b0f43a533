#pragma once
// TForm1: the main window, built in code with the controls at their design
// geometry (client area 943 x 749) and their design captions, hints, fonts
// and initial states. It holds no behaviour: the controllers in the
// subsystem folders connect to the controls, and app/ runs start-up and
// shut-down. Every control is a named member, named as the product names it;
// repeated controls are arrays in order (MacroButtons[0] is Button1).

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class ClickableLabel;
class LogWindow;
class UpDownArrows;

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 943;
  static constexpr int kClientHeight = 749;
  static constexpr int kMacroCount = 48;
  static constexpr int kHelpLineCount = 12;

  explicit TForm1(QWidget* parent = nullptr);

  // Called when the user closes the window; returning false keeps it open.
  std::function<bool()> onCloseRequest;

  // Top bar.
  QFrame* Panel1 = nullptr;
  QPushButton* BTConnect = nullptr;
  QPushButton* BTRescan = nullptr;
  QComboBox* ComPort = nullptr;
  QComboBox* BaudRate = nullptr;
  QComboBox* ComBits = nullptr;
  QComboBox* ComStopBits = nullptr;
  QCheckBox* AutoConnect = nullptr;
  UpDownArrows* TimeOutRx = nullptr;
  QLabel* TimeOutAns = nullptr;
  QLineEdit* FiltrLog = nullptr;
  UpDownArrows* Srift = nullptr;
  QLabel* SriftText = nullptr;
  QPushButton* BTLog = nullptr;
  QPushButton* StartLog = nullptr;
  QPushButton* StartStop = nullptr;
  QPushButton* BTPalitra = nullptr;
  QPushButton* MonDialog = nullptr;
  QPushButton* BtInfo = nullptr;

  // The log and its frozen copy, in the same rectangle.
  LogWindow* MainWindow = nullptr;
  QPlainTextEdit* SecondWindow = nullptr;

  // Log panel: output mode, send mode, clock, statistics.
  QFrame* LogPanel = nullptr;
  QFrame* OutMode = nullptr;
  QCheckBox* VisTime = nullptr;
  QRadioButton* RBASCII = nullptr;
  QRadioButton* RBHEX = nullptr;
  QFrame* InputMode = nullptr;
  QLabel* Label1 = nullptr;
  QRadioButton* RBManual = nullptr;
  QRadioButton* RBAfterAns = nullptr;
  QRadioButton* RBSel = nullptr;
  QRadioButton* RBPeriod = nullptr;
  QLineEdit* PeriodTX = nullptr;
  QCheckBox* SendAsReconn = nullptr;
  QCheckBox* CiklSend = nullptr;
  QLabel* TextTime = nullptr;
  QFrame* PStats = nullptr;
  QLabel* LSend = nullptr;
  QLabel* LRead = nullptr;
  QLabel* MinTimeWait = nullptr;
  QLabel* MaxTimeWait = nullptr;
  QPushButton* BTClrStat = nullptr;

  // Macro panel: console, lists, macro grid, descriptions, status lines.
  QFrame* MainPanel = nullptr;
  QLineEdit* MainStrCmd = nullptr;
  ClickableLabel* Str1 = nullptr;
  QLabel* LPlus = nullptr;
  QLineEdit* AddStrCmd = nullptr;
  ClickableLabel* Str2 = nullptr;
  QComboBox* CBLists = nullptr;
  QLabel* STListName = nullptr;
  QLineEdit* ListNameEDT = nullptr;
  QRadioButton* RBName = nullptr;
  QRadioButton* RbData = nullptr;
  QPushButton* SaveF = nullptr;
  QPushButton* ListDec = nullptr;
  QPushButton* ListInc = nullptr;
  QPushButton* ButtonReadFile = nullptr;
  QPushButton* DelList = nullptr;
  QPushButton* EditAllCmd = nullptr;
  QPushButton* SendStart = nullptr;
  QPushButton* ButtonSend = nullptr;
  std::array<QPushButton*, kMacroCount> MacroButtons{};
  std::array<QLineEdit*, kMacroCount> MacroEdits{};
  QListWidget* OldCmdList = nullptr;
  QListWidget* FastOldCmd = nullptr;
  QListWidget* LBTail = nullptr;
  std::array<QLabel*, kHelpLineCount> HelpLabels{};
  QLabel* STLog = nullptr;
  QLabel* StaticText1 = nullptr;
  QLabel* StaticText3 = nullptr;

  // The four timers, with their design intervals.
  QTimer* RxTimer = nullptr;
  QTimer* TimerPeriod = nullptr;
  QTimer* CustomFunctions = nullptr;
  QTimer* CheckConnect = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildTopBar();
  void buildLogViews();
  void buildLogPanel();
  void buildMainPanel();
  void buildMacroGrid();
  void buildTimers();
};

#include "ui/TForm1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "transmit/ChecksumTemplates.h"
#include "ui/ClickableLabel.h"
#include "ui/Colors.h"
#include "ui/FormWidgets.h"
#include "ui/LogWindow.h"
#include "ui/UpDownArrows.h"
#include "ui/WidgetColors.h"

namespace fw = formwidgets;

namespace {

constexpr int kRegionLeft = 4;
constexpr int kRegionWidth = 937;
constexpr int kLogTop = 28;
constexpr int kLogHeight = 373;
constexpr int kLogPanelTop = 404;
constexpr int kLogPanelHeight = 45;
constexpr int kMainPanelTop = 450;
constexpr int kMainPanelHeight = 297;
constexpr int kComboHeight = 23;

constexpr int kStatsWidth = 268;
constexpr int kStatsHeight = 43;

const QString kLogHint = "Двойной клик переключает режим окна";
const QString kTailHint =
    "Примеры: $0D$0A, *[XOR_8(1..n)]$0D$0A. Список алгоритмов расчёта контрольной суммы появляется при "
    "нажатии \"Стрелка вниз\". ";

// The log views follow the window's height and the two lower panels stay at
// the bottom. Only the change of height is applied, so whatever else has
// changed the views' heights (the monitor mode) is kept.
class BottomAnchor : public QObject {
 public:
  BottomAnchor(TForm1* form) : QObject(form), m_form(form), m_height(TForm1::kClientHeight) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_form && event->type() == QEvent::Resize) {
      const int delta = m_form->height() - m_height;
      m_height = m_form->height();
      if (delta != 0) {
        for (QWidget* view :
             {static_cast<QWidget*>(m_form->MainWindow), static_cast<QWidget*>(m_form->SecondWindow)})
          view->resize(view->width(), view->height() + delta);
        for (QWidget* panel : {m_form->LogPanel, m_form->MainPanel})
          panel->move(panel->x(), panel->y() + delta);
      }
    }
    return false;
  }

 private:
  TForm1* m_form;
  int m_height;
};

// Keeps the statistics box against the right edge of the log panel,
// whatever width the panel is given.
class RightEdgeKeeper : public QObject {
 public:
  RightEdgeKeeper(QWidget* container, QWidget* child)
      : QObject(container), m_container(container), m_child(child) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_container && event->type() == QEvent::Resize) place();
    return false;
  }

  void place() { m_child->move(m_container->width() - m_child->width() - 1, m_child->y()); }

 private:
  QWidget* m_container;
  QWidget* m_child;
};

// Lays widgets out left to right at their natural width.
int placeInRow(std::initializer_list<QWidget*> widgets, int left, int top, int height, int gap) {
  for (QWidget* widget : widgets) {
    const int width = widget->sizeHint().width();
    widget->setGeometry(left, top, width, height);
    left += width + gap;
  }
  return left;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName("Form1");
  setWindowTitle("Quorvane v1_14");
  setFont(QFont("Liberation Sans", 8));
  // Only the window's own face: text areas keep the palette's page colour.
  QPalette face = palette();
  face.setColor(QPalette::Window, colors::buttonFace());
  setPalette(face);
  resize(kClientWidth, kClientHeight);

  buildTopBar();
  buildLogViews();
  buildLogPanel();
  buildMainPanel();
  buildTimers();

  installEventFilter(new BottomAnchor(this));
}

void TForm1::buildTopBar() {
  Panel1 = fw::panel(this, "Panel1", {kRegionLeft, 0, kRegionWidth, 25}, false);
  QWidget* p = Panel1;

  BTConnect = fw::button(p, "BTConnect", "Connect", {0, 0, 65, 25});
  BTRescan = fw::button(p, "BTRescan", "ReScan", {64, 0, 65, 25});
  ComPort = fw::comboBox(p, "ComPort", {}, -1, {128, 1, 61, kComboHeight}, "Port");
  BaudRate =
      fw::comboBox(p, "BaudRate", {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}, 0,
                   {188, 1, 61, kComboHeight}, "BaudRate");
  ComBits = fw::comboBox(p, "ComBits", {"5", "6", "7", "8"}, 3, {248, 1, 37, kComboHeight}, "Bits");
  ComStopBits = fw::comboBox(p, "ComStopBits", {"1", "1,5", "2"}, 0, {284, 1, 37, kComboHeight}, "StopBit");

  AutoConnect = fw::checkBox(p, "AutoConnect", "AutoConnect");
  AutoConnect->setGeometry(324, 4, 89, 17);

  TimeOutRx = new UpDownArrows(p);
  TimeOutRx->setObjectName("TimeOutRx");
  TimeOutRx->setGeometry(408, 0, 17, 24);
  TimeOutRx->setToolTip("Временнй интервал разделения пакетов, мс");
  TimeOutAns = fw::label(p, "TimeOutAns", "TimeRX: 0", {428, 4, 89, 17}, true);

  FiltrLog = fw::edit(p, "FiltrLog", {}, {520, 4, 61, 19}, 250, "Фильтр сообщений");
  FiltrLog->setFont(fw::boldFont(this));

  Srift = new UpDownArrows(p);
  Srift->setObjectName("Srift");
  Srift->setGeometry(588, 0, 17, 24);
  Srift->setToolTip("Размер шрифта");
  SriftText = fw::label(p, "SriftText", "8", {608, 4, 29, 17}, true);
  SriftText->setAlignment(Qt::AlignCenter);

  BTLog = fw::button(p, "BTLog", "Clear", {640, 0, 61, 25}, "Очистить окно лога");
  StartLog = fw::button(p, "StartLog", "Start Log", {700, 0, 61, 25});
  StartStop = fw::button(p, "StartStop", "||", {760, 0, 61, 25}, "Остановить/продолжить вывод лога");
  StartStop->setFont(fw::pixelFont(this, 32, true));
  BTPalitra = fw::button(p, "BTPalitra", "Colors", {820, 0, 61, 25}, "Цвет окна лога");
  MonDialog = fw::button(p, "MonDialog", "M", {880, 0, 29, 25}, "Режим \"монитор-диалог\"");
  BtInfo = fw::button(p, "BtInfo", "I", {908, 0, 29, 25});
}

void TForm1::buildLogViews() {
  MainWindow = new LogWindow(this);
  MainWindow->setObjectName("MainWindow");
  MainWindow->setReadOnly(true);

  SecondWindow = new QPlainTextEdit(this);
  SecondWindow->setObjectName("SecondWindow");
  setBackgroundColor(SecondWindow, colors::tooltipBackground());
  SecondWindow->hide();

  for (QAbstractScrollArea* view :
       {static_cast<QAbstractScrollArea*>(MainWindow), static_cast<QAbstractScrollArea*>(SecondWindow)}) {
    view->setGeometry(kRegionLeft, kLogTop, kRegionWidth, kLogHeight);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setToolTip(kLogHint);
  }
}

void TForm1::buildLogPanel() {
  LogPanel = fw::panel(this, "LogPanel", {kRegionLeft, kLogPanelTop, kRegionWidth, kLogPanelHeight}, true);

  TextTime = fw::label(LogPanel, "TextTime", {}, {4, 16, 53, 17}, true);
  TextTime->setAlignment(Qt::AlignCenter);

  OutMode = fw::panel(LogPanel, "OutMode", {64, 0, 117, 45}, true);
  VisTime = fw::checkBox(OutMode, "VisTime", "TIME + ");
  VisTime->setGeometry(8, 5, 100, 17);
  RBASCII = fw::radioButton(OutMode, "RBASCII", "ASCII", "Пример: \"command\"");
  RBASCII->setGeometry(8, 23, 52, 17);
  RBASCII->setChecked(true);
  RBHEX = fw::radioButton(OutMode, "RBHEX", "HEX", "Пример: \"00 01 02 03 0D 0E 12 13\"");
  RBHEX->setGeometry(62, 23, 50, 17);

  InputMode = fw::panel(LogPanel, "InputMode", {184, 0, 477, 45}, true);
  Label1 = fw::label(InputMode, "Label1", "Отправка:", {});
  Label1->setFont(fw::boldFont(this));
  RBManual = fw::radioButton(InputMode, "RBManual", "Ручная");
  RBManual->setChecked(true);
  RBSel = fw::radioButton(InputMode, "RBSel", "При выборе");
  RBAfterAns = fw::radioButton(InputMode, "RBAfterAns", "После ответа");
  RBPeriod = fw::radioButton(InputMode, "RBPeriod", "Период, мс:");
  PeriodTX = fw::edit(InputMode, "PeriodTX", "1000", {}, 5);
  const int modesLeft = placeInRow({Label1}, 6, 4, 17, 6);
  const int periodRight = placeInRow({RBManual, RBSel, RBAfterAns, RBPeriod}, modesLeft, 4, 17, 8);
  PeriodTX->setGeometry(periodRight - 6, 3, 40, 19);
  SendAsReconn = fw::checkBox(InputMode, "SendAsReconn", "Отправить при соединении");
  CiklSend = fw::checkBox(InputMode, "CiklSend", "Циклическая отправка из файла");
  placeInRow({SendAsReconn, CiklSend}, modesLeft, 24, 17, 16);
  CiklSend->hide();

  PStats =
      fw::panel(LogPanel, "PStats", {kRegionWidth - kStatsWidth - 1, 1, kStatsWidth, kStatsHeight}, true);
  LSend = fw::label(PStats, "LSend", "Send: 0", {4, 5, 98, 15}, false,
                    "Число отправленных пакетов с учётом настроек фильтра");
  LRead = fw::label(PStats, "LRead", "Read: 0", {4, 23, 98, 15}, false,
                    "Число принятых пакетов с учётом настроек фильтра");
  MinTimeWait = fw::label(PStats, "MinTimeWait", "MIN_T_W:  NA", {104, 5, 130, 15}, false,
                          "Минимальное время между принятыми пакетами");
  MaxTimeWait = fw::label(PStats, "MaxTimeWait", "MAX_T_W: NA", {104, 23, 130, 15}, false,
                          "Максимальное время между принятыми пакетами");
  BTClrStat = fw::button(PStats, "BTClrStat", "0", {236, 8, 27, 27}, "Обнулить статистику");
  BTClrStat->setFont(fw::boldFont(this));
  auto* keeper = new RightEdgeKeeper(LogPanel, PStats);
  LogPanel->installEventFilter(keeper);
}

void TForm1::buildMainPanel() {
  MainPanel =
      fw::panel(this, "MainPanel", {kRegionLeft, kMainPanelTop, kRegionWidth, kMainPanelHeight}, true);
  QWidget* p = MainPanel;

  MainStrCmd = fw::edit(p, "MainStrCmd", {}, {8, 6, 641, 19});
  AddStrCmd = fw::edit(p, "AddStrCmd", "$0D", {668, 6, 261, 19}, -1, kTailHint);
  // The arrow glyphs sit inside the right end of both fields: keep typed text clear of them.
  MainStrCmd->setTextMargins(0, 0, 12, 0);
  AddStrCmd->setTextMargins(0, 0, 12, 0);

  LPlus = fw::label(p, "LPlus", "+", {652, 4, 13, 21});
  LPlus->setFont(fw::pixelFont(this, 19, true));
  LPlus->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  const auto makeArrow = [&](const char* name, const QRect& geometry) {
    auto* arrow = new ClickableLabel("▼", p);
    arrow->setObjectName(name);
    arrow->setGeometry(geometry);
    arrow->setFont(fw::boldFont(this));
    arrow->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    arrow->setCursor(Qt::PointingHandCursor);
    return arrow;
  };
  Str1 = makeArrow("Str1", {636, 8, 27, 17});
  Str2 = makeArrow("Str2", {916, 8, 27, 17});

  CBLists = fw::comboBox(p, "CBLists", {}, -1, {8, 32, 289, 33}, "Можно дважды кликнуть мышкой");
  CBLists->setFont(fw::pixelFont(this, 20, true));
  STListName = fw::label(p, "STListName", {}, {8, 32, 289, 33}, true, "Список откроется по двойному клику");
  STListName->setFont(fw::pixelFont(this, 24, true));
  STListName->hide();
  ListNameEDT = fw::edit(p, "ListNameEDT", {}, {8, 32, 289, 33}, 150);
  ListNameEDT->setFont(fw::pixelFont(this, 20, true));
  ListNameEDT->hide();

  RBName = fw::radioButton(p, "RBName", "Имя ");
  RBName->setGeometry(300, 32, 93, 17);
  RBName->setChecked(true);
  RbData = fw::radioButton(p, "RbData", "Команда");
  RbData->setGeometry(300, 48, 93, 17);

  SaveF = fw::button(p, "SaveF", "Сохранить", {396, 44, 85, 17}, "Сохранить все изменения в файл");
  SaveF->hide();
  ListDec = fw::button(p, "ListDec", "<<<<<", {396, 32, 85, 33});
  ListInc = fw::button(p, "ListInc", ">>>>>", {480, 32, 85, 33});
  for (QPushButton* arrow : {ListDec, ListInc}) arrow->setFont(fw::pixelFont(this, 19, true));
  ListDec->setEnabled(false);
  ButtonReadFile = fw::button(p, "ButtonReadFile", "Файл команд", {564, 32, 85, 33});
  DelList = fw::button(p, "DelList", "Очистить", {564, 32, 85, 33}, "Очистить весь список команд");
  DelList->hide();
  EditAllCmd = fw::button(p, "EditAllCmd", "Редактор", {668, 32, 129, 33});
  SendStart = fw::button(p, "SendStart", "Команда из файла", {668, 32, 129, 33});
  SendStart->hide();
  ButtonSend = fw::button(p, "ButtonSend", "Отправить", {800, 32, 129, 33});

  buildMacroGrid();

  for (int k = 0; k < kHelpLineCount; ++k) {
    QLabel* line = fw::label(p, QString("STH%1").arg(k + 1), {}, {668, 72 + 16 * k, 261, 17});
    setBackgroundColor(line, colors::cream());
    line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    HelpLabels[k] = line;
  }
  HelpLabels[0]->setFont(fw::boldFont(this));
  HelpLabels[0]->setAlignment(Qt::AlignCenter);

  STLog = fw::label(p, "STLog", "Запись в файл не ведётся", {8, 272, 641, 17}, true);
  StaticText1 =
      fw::label(p, "StaticText1", "Двойной клик по команде откроет окно полного редактирования макроса",
                {8, 272, 641, 17}, true);
  setBackgroundColor(StaticText1, colors::yellow());
  StaticText1->hide();
  StaticText3 = fw::label(p, "StaticText3", "TX: 0, RX: 0", {668, 272, 261, 17}, true);

  // The lists drop down over the grid and the help lines, so they are made last.
  OldCmdList = new QListWidget(p);
  OldCmdList->setObjectName("OldCmdList");
  OldCmdList->setGeometry(8, 72, 921, 193);
  FastOldCmd = new QListWidget(p);
  FastOldCmd->setObjectName("FastOldCmd");
  FastOldCmd->setGeometry(8, 24, 641, 241);
  LBTail = new QListWidget(p);
  LBTail->setObjectName("LBTail");
  LBTail->setGeometry(668, 24, 261, 241);
  for (std::string_view templ : kTailTemplates)
    LBTail->addItem(QString::fromLatin1(templ.data(), static_cast<qsizetype>(templ.size())));
  for (QListWidget* list : {OldCmdList, FastOldCmd, LBTail}) list->hide();

  // The arrows lie over the fields' right ends and must stay clickable.
  Str1->raise();
  Str2->raise();
}

void TForm1::buildMacroGrid() {
  constexpr int kRows = 8;
  constexpr std::array<int, 6> kColumnLeft = {8, 96, 184, 272, 360, 448};
  for (int i = 0; i < kMacroCount; ++i) {
    const int column = i / kRows;
    const int row = i % kRows;
    const int width = column == 5 ? 201 : 89;
    const QRect cell(kColumnLeft[column], 72 + 24 * row, width, 25);
    MacroButtons[i] = fw::button(MainPanel, QString("Button%1").arg(i + 1), {}, cell);
  }
  // The fields come second so that each lies above its button when shown.
  for (int i = 0; i < kMacroCount; ++i) {
    MacroEdits[i] = fw::edit(MainPanel, QString("Edit%1").arg(i + 1), {}, MacroButtons[i]->geometry(), 50);
    MacroEdits[i]->hide();
  }
}

void TForm1::buildTimers() {
  const auto makeTimer = [this](const char* name, int intervalMs, Qt::TimerType type) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    timer->setTimerType(type);
    return timer;
  };
  RxTimer = makeTimer("RxTimer", 1, Qt::PreciseTimer);
  TimerPeriod = makeTimer("TimerPeriod", 1, Qt::PreciseTimer);
  CustomFunctions = makeTimer("CustomFunctions", 10, Qt::CoarseTimer);
  CheckConnect = makeTimer("CheckConnect", 1000, Qt::CoarseTimer);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (onCloseRequest && !onCloseRequest()) {
    event->ignore();
    return;
  }
  event->accept();
}

// The main window as built: geometry of the controls that other code moves
// or reads, the captions and states that start-up and the controllers rely
// on, the fixed lists, the timers and the close veto.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui/ClickableLabel.h"
#include "ui/LogWindow.h"
#include "ui/TForm1.h"
#include "ui/UpDownArrows.h"

namespace {

class TForm1Test : public ::testing::Test {
 protected:
  TForm1 form;

  template <typename T = QWidget>
  T* control(const char* name) {
    T* found = form.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
};

struct Placement {
  const char* name;
  QRect geometry;  // relative to the control's parent
};

TEST_F(TForm1Test, ControlsStandAtTheirDesignGeometry) {
  EXPECT_EQ(form.size(), QSize(943, 749));
  const Placement table[] = {
      {"Panel1", {4, 0, 937, 25}},         {"MainWindow", {4, 28, 937, 373}},
      {"SecondWindow", {4, 28, 937, 373}}, {"LogPanel", {4, 404, 937, 45}},
      {"MainPanel", {4, 450, 937, 297}},   {"BTConnect", {0, 0, 65, 25}},
      {"BTRescan", {64, 0, 65, 25}},       {"AutoConnect", {324, 4, 89, 17}},
      {"TimeOutRx", {408, 0, 17, 24}},     {"TimeOutAns", {428, 4, 89, 17}},
      {"FiltrLog", {520, 4, 61, 19}},      {"Srift", {588, 0, 17, 24}},
      {"SriftText", {608, 4, 29, 17}},     {"BTLog", {640, 0, 61, 25}},
      {"StartLog", {700, 0, 61, 25}},      {"StartStop", {760, 0, 61, 25}},
      {"BTPalitra", {820, 0, 61, 25}},     {"MonDialog", {880, 0, 29, 25}},
      {"BtInfo", {908, 0, 29, 25}},        {"OutMode", {64, 0, 117, 45}},
      {"InputMode", {184, 0, 477, 45}},    {"TextTime", {4, 16, 53, 17}},
      {"PStats", {668, 1, 268, 43}},       {"MainStrCmd", {8, 6, 641, 19}},
      {"Str1", {636, 8, 27, 17}},          {"AddStrCmd", {668, 6, 261, 19}},
      {"Str2", {916, 8, 27, 17}},          {"CBLists", {8, 32, 289, 33}},
      {"STListName", {8, 32, 289, 33}},    {"ListNameEDT", {8, 32, 289, 33}},
      {"SaveF", {396, 44, 85, 17}},        {"ListDec", {396, 32, 85, 33}},
      {"ListInc", {480, 32, 85, 33}},      {"ButtonReadFile", {564, 32, 85, 33}},
      {"DelList", {564, 32, 85, 33}},      {"EditAllCmd", {668, 32, 129, 33}},
      {"SendStart", {668, 32, 129, 33}},   {"ButtonSend", {800, 32, 129, 33}},
      {"Button1", {8, 72, 89, 25}},        {"Button8", {8, 240, 89, 25}},
      {"Button9", {96, 72, 89, 25}},       {"Button40", {360, 240, 89, 25}},
      {"Button41", {448, 72, 201, 25}},    {"Button48", {448, 240, 201, 25}},
      {"Edit1", {8, 72, 89, 25}},          {"Edit48", {448, 240, 201, 25}},
      {"OldCmdList", {8, 72, 921, 193}},   {"FastOldCmd", {8, 24, 641, 241}},
      {"LBTail", {668, 24, 261, 241}},     {"STH1", {668, 72, 261, 17}},
      {"STH12", {668, 248, 261, 17}},      {"STLog", {8, 272, 641, 17}},
      {"StaticText1", {8, 272, 641, 17}},  {"StaticText3", {668, 272, 261, 17}},
  };
  for (const Placement& row : table) {
    QWidget* widget = control(row.name);
    if (widget) {
      EXPECT_EQ(widget->geometry(), row.geometry) << row.name;
    }
  }
}

TEST_F(TForm1Test, ControlListsHoldTheGridAndHelpLinesInOrder) {
  for (int i = 0; i < TForm1::kMacroCount; ++i) {
    ASSERT_NE(form.MacroButtons[i], nullptr);
    ASSERT_NE(form.MacroEdits[i], nullptr);
    EXPECT_EQ(form.MacroButtons[i]->objectName(), QString("Button%1").arg(i + 1));
    EXPECT_EQ(form.MacroEdits[i]->objectName(), QString("Edit%1").arg(i + 1));
    EXPECT_EQ(form.MacroEdits[i]->geometry(), form.MacroButtons[i]->geometry()) << i + 1;
    EXPECT_EQ(form.MacroEdits[i]->maxLength(), 50);
    EXPECT_TRUE(form.MacroEdits[i]->isHidden());
  }
  // Numbered down the columns: Button10 is the second row of column 2.
  EXPECT_EQ(form.MacroButtons[9]->geometry(), QRect(96, 96, 89, 25));
  for (int k = 0; k < TForm1::kHelpLineCount; ++k) {
    ASSERT_NE(form.HelpLabels[k], nullptr);
    EXPECT_EQ(form.HelpLabels[k]->objectName(), QString("STH%1").arg(k + 1));
    EXPECT_EQ(form.HelpLabels[k]->geometry(), QRect(668, 72 + 16 * k, 261, 17));
  }
  EXPECT_TRUE(form.HelpLabels[0]->font().bold());
  EXPECT_TRUE(form.HelpLabels[0]->alignment() & Qt::AlignHCenter);
  EXPECT_FALSE(form.HelpLabels[1]->font().bold());
}

TEST_F(TForm1Test, CaptionsThatOtherCodeReadsBack) {
  struct Caption {
    const char* name;
    const char* text;
  };
  const Caption buttons[] = {
      {"BTConnect", "Connect"},
      {"BTRescan", "ReScan"},
      {"BTLog", "Clear"},
      {"StartLog", "Start Log"},
      {"StartStop", "||"},
      {"BTPalitra", "Colors"},
      {"MonDialog", "M"},
      {"BtInfo", "I"},
      {"BTClrStat", "0"},
      {"ListDec", "<<<<<"},
      {"ListInc", ">>>>>"},
      {"ButtonReadFile", "Файл команд"},
      {"DelList", "Очистить"},
      {"EditAllCmd", "Редактор"},
      {"SendStart", "Команда из файла"},
      {"ButtonSend", "Отправить"},
      {"SaveF", "Сохранить"},
  };
  for (const Caption& row : buttons)
    if (auto* button = control<QPushButton>(row.name)) {
      EXPECT_EQ(button->text(), QString(row.text)) << row.name;
    }

  const Caption labels[] = {
      {"StaticText3", "TX: 0, RX: 0"},
      {"STLog", "Запись в файл не ведётся"},
      {"LSend", "Send: 0"},
      {"LRead", "Read: 0"},
      {"MinTimeWait", "MIN_T_W:  NA"},
      {"MaxTimeWait", "MAX_T_W: NA"},
      {"Label1", "Отправка:"},
      {"LPlus", "+"},
  };
  for (const Caption& row : labels)
    if (auto* label = control<QLabel>(row.name)) {
      EXPECT_EQ(label->text(), QString(row.text)) << row.name;
    }

  EXPECT_EQ(form.AddStrCmd->text(), "$0D");
  EXPECT_EQ(form.PeriodTX->text(), "1000");
  EXPECT_TRUE(form.MainStrCmd->text().isEmpty());
  EXPECT_EQ(form.windowTitle(), "Quorvane v1_14");
}

TEST_F(TForm1Test, FontsOfTheLargeCaptions) {
  EXPECT_EQ(form.StartStop->font().pixelSize(), 32);
  EXPECT_TRUE(form.StartStop->font().bold());
  EXPECT_EQ(form.CBLists->font().pixelSize(), 20);
  EXPECT_EQ(form.STListName->font().pixelSize(), 24);
  EXPECT_EQ(form.ListNameEDT->font().pixelSize(), 20);
  EXPECT_EQ(form.ListInc->font().pixelSize(), 19);
  EXPECT_EQ(form.LPlus->font().pixelSize(), 19);
  for (QWidget* bold : std::initializer_list<QWidget*>{form.FiltrLog, form.Str1, form.Str2, form.BTClrStat})
    EXPECT_TRUE(bold->font().bold()) << bold->objectName().toStdString();
  EXPECT_EQ(form.font().family(), "Liberation Sans");
  EXPECT_EQ(form.font().pointSize(), 8);
}

TEST_F(TForm1Test, DropDownListsOfferTheLineSettings) {
  struct Combo {
    QComboBox* box;
    QStringList items;
    QString selected;
  };
  const Combo table[] = {
      {form.BaudRate, {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}, "1200"},
      {form.ComBits, {"5", "6", "7", "8"}, "8"},
      {form.ComStopBits, {"1", "1,5", "2"}, "1"},
  };
  for (const Combo& row : table) {
    QStringList items;
    for (int i = 0; i < row.box->count(); ++i) items << row.box->itemText(i);
    EXPECT_EQ(items, row.items) << row.box->objectName().toStdString();
    EXPECT_EQ(row.box->currentText(), row.selected);
    EXPECT_TRUE(row.box->isEditable());
  }
  EXPECT_TRUE(form.ComPort->isEditable());
  EXPECT_EQ(form.ComPort->count(), 0);
}

TEST_F(TForm1Test, TailTemplateListHoldsTheNineTemplatesInOrder) {
  const QStringList expected = {
      "[SUM_8(0..n)]",  "[SUM_8(1..n)]",      "[SUM_8(2..n)]",      "[XOR_8 (0..n)]",     "[XOR_8 (1..n)]",
      "[XOR_8 (2..n)]", "[FF - SUM_8(0..n)]", "[FF - SUM_8(1..n)]", "[FF - SUM_8(2..n)]",
  };
  QStringList items;
  for (int i = 0; i < form.LBTail->count(); ++i) items << form.LBTail->item(i)->text();
  EXPECT_EQ(items, expected);
}

TEST_F(TForm1Test, InitialStatesOfToggledControls) {
  const char* hidden[] = {"SecondWindow", "STListName", "ListNameEDT", "SaveF",  "DelList",    "SendStart",
                          "CiklSend",     "OldCmdList", "FastOldCmd",  "LBTail", "StaticText1"};
  for (const char* name : hidden)
    if (QWidget* widget = control(name)) {
      EXPECT_TRUE(widget->isHidden()) << name;
    }
  const char* shown[] = {"MainWindow", "CBLists", "STLog", "ButtonReadFile", "EditAllCmd", "Button1", "STH1"};
  for (const char* name : shown)
    if (QWidget* widget = control(name)) {
      EXPECT_FALSE(widget->isHidden()) << name;
    }

  EXPECT_FALSE(form.ListDec->isEnabled());
  EXPECT_TRUE(form.ListInc->isEnabled());
  EXPECT_TRUE(form.RBASCII->isChecked());
  EXPECT_FALSE(form.RBHEX->isChecked());
  EXPECT_TRUE(form.RBManual->isChecked());
  EXPECT_TRUE(form.RBName->isChecked());
  EXPECT_FALSE(form.RbData->isChecked());
  EXPECT_FALSE(form.AutoConnect->isChecked());
  EXPECT_FALSE(form.VisTime->isChecked());
  EXPECT_FALSE(form.SendAsReconn->isChecked());
  EXPECT_TRUE(form.MainWindow->isReadOnly());
  EXPECT_FALSE(form.SecondWindow->isReadOnly());
}

TEST_F(TForm1Test, RadioGroupsAreIndependent) {
  // Choosing a send mode must not clear the output mode or the display mode.
  form.RBPeriod->setChecked(true);
  EXPECT_FALSE(form.RBManual->isChecked());
  EXPECT_TRUE(form.RBASCII->isChecked());
  EXPECT_TRUE(form.RBName->isChecked());
  form.RbData->setChecked(true);
  EXPECT_FALSE(form.RBName->isChecked());
  EXPECT_TRUE(form.RBPeriod->isChecked());
}

TEST_F(TForm1Test, EditLimits) {
  EXPECT_EQ(form.FiltrLog->maxLength(), 250);
  EXPECT_EQ(form.PeriodTX->maxLength(), 5);
  EXPECT_EQ(form.ListNameEDT->maxLength(), 150);
}

TEST_F(TForm1Test, HintsOfTheLogViewsAndLineSettings) {
  EXPECT_EQ(form.MainWindow->toolTip(), "Двойной клик переключает режим окна");
  EXPECT_EQ(form.SecondWindow->toolTip(), "Двойной клик переключает режим окна");
  EXPECT_EQ(form.BaudRate->toolTip(), "BaudRate");
  EXPECT_EQ(form.FiltrLog->toolTip(), "Фильтр сообщений");
  EXPECT_TRUE(form.AddStrCmd->toolTip().endsWith("\"Стрелка вниз\". "));
  // The console line's own hint is never shown as a tooltip.
  EXPECT_TRUE(form.MainStrCmd->toolTip().isEmpty());
}

TEST_F(TForm1Test, TimersHaveTheirIntervalsAndWaitToBeStarted) {
  struct TimerRow {
    QTimer* timer;
    const char* name;
    int interval;
  };
  const TimerRow table[] = {
      {form.RxTimer, "RxTimer", 1},
      {form.TimerPeriod, "TimerPeriod", 1},
      {form.CustomFunctions, "CustomFunctions", 10},
      {form.CheckConnect, "CheckConnect", 1000},
  };
  for (const TimerRow& row : table) {
    ASSERT_NE(row.timer, nullptr) << row.name;
    EXPECT_EQ(row.timer->objectName(), row.name);
    EXPECT_EQ(row.timer->interval(), row.interval) << row.name;
    EXPECT_FALSE(row.timer->isActive()) << row.name;
  }
  EXPECT_EQ(form.RxTimer->timerType(), Qt::PreciseTimer);
  EXPECT_EQ(form.TimerPeriod->timerType(), Qt::PreciseTimer);
}

TEST_F(TForm1Test, CloseRequestCanKeepTheWindowOpen) {
  form.show();
  int asked = 0;
  form.onCloseRequest = [&] {
    ++asked;
    return false;
  };
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  form.onCloseRequest = [&] {
    ++asked;
    return true;
  };
  EXPECT_TRUE(form.close());
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(asked, 2);
}

TEST_F(TForm1Test, CloseWithoutHandlerGoesAhead) {
  form.show();
  EXPECT_TRUE(form.close());
}

TEST_F(TForm1Test, TallerWindowGrowsTheLogAndKeepsThePanelsAtTheBottom) {
  form.show();
  form.resize(TForm1::kClientWidth, TForm1::kClientHeight + 100);
  EXPECT_EQ(form.MainWindow->height(), 373 + 100);
  EXPECT_EQ(form.SecondWindow->height(), 373 + 100);
  EXPECT_EQ(form.LogPanel->y(), 404 + 100);
  EXPECT_EQ(form.MainPanel->y(), 450 + 100);
  // A view made taller by someone else keeps that extra height.
  form.MainWindow->resize(form.MainWindow->width(), form.MainWindow->height() + 342);
  form.resize(TForm1::kClientWidth, TForm1::kClientHeight);
  EXPECT_EQ(form.MainWindow->height(), 373 + 342);
  EXPECT_EQ(form.MainPanel->y(), 450);
}

TEST_F(TForm1Test, StatisticsBoxFollowsTheRightEdgeOfTheLogPanel) {
  form.show();
  form.LogPanel->resize(1000, form.LogPanel->height());
  EXPECT_EQ(form.PStats->x() + form.PStats->width(), 1000 - 1);
}

}  // namespace

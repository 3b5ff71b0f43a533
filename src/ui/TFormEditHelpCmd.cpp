#include "ui/TFormEditHelpCmd.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/FormWidgets.h"

namespace fw = formwidgets;

TFormEditHelpCmd::TFormEditHelpCmd(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("TFormEditHelpCmd");
  setWindowTitle("Редактор макроса");
  setFont(QFont("Liberation Sans", 8));

  Label1 = fw::label(this, "Label1", "Имя команды", {8, 4, kFieldWidth, 15});
  CmdName = fw::edit(this, "CmdName", {}, {8, 20, kFieldWidth, 21}, 50);
  CmdName->setFont(fw::boldFont(this));
  Label2 = fw::label(this, "Label2", "Командная строка", {8, 46, kFieldWidth, 15});
  CmdData = fw::edit(this, "CmdData", {}, {8, 62, kFieldWidth, 21}, 250);
  Label3 = fw::label(this, "Label3", "Описание команды", {8, 92, kFieldWidth, 15});
  for (int j = 0; j < kDescriptionLines; ++j) {
    Edits[j] = fw::edit(this, QString("Edit%1").arg(j + 1), {}, {8, 112 + 20 * j, kFieldWidth, 21}, 50);
    Edits[j]->setFont(fw::pixelFont(this, 13, true));
  }

  resize(kDesignWidth, kDesignHeight);
}

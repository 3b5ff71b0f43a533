// formshot: renders the main window and the port-closed picture window to
// PNG files, to look at the layout without running the whole program.
// Usage: formshot MAIN.png OPENPORT.png [EDITOR.png [INFO.png]]
// The help lines get the start-up topic so the Cyrillic text can be checked
// for clipping.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cstdio>

#include "ui/TForm1.h"
#include "ui/TFormEditHelpCmd.h"
#include "ui/TInfo.h"
#include "ui/TOpenPortError.h"

namespace {

bool save(QWidget& window, const char* path) {
  window.show();
  QApplication::processEvents();
  if (window.grab().save(path)) return true;
  std::fprintf(stderr, "formshot: cannot write %s\n", path);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: formshot MAIN.png OPENPORT.png [EDITOR.png [INFO.png]]\n");
    return 2;
  }
  QApplication app(argc, argv);

  TForm1 form;
  const char* sample[TForm1::kHelpLineCount] = {
      "Краткая справка по каждой команде",
      "   Здесь будет отображаться описание команд.",
      "   Редактируемая  справка  отображается при",
      "   наведении  указателя  мышки  на кнопку с",
      "   соответствующей командой.",
      "   Для редактирования справки нужно открыть",
      "   редактор  и  дважды  кликнуть  мышкой по",
      "   соответствующей   команде    в    режиме",
      "   редактирования. ",
      "   Для вывода справки по элементам управле-",
      "   ния нужно задержать указатель мыши в не-",
      "   подвижном состоянии над нужным элементом.",
  };
  for (int k = 0; k < TForm1::kHelpLineCount; ++k) form.HelpLabels[k]->setText(QString::fromUtf8(sample[k]));
  for (int i = 0; i < TForm1::kMacroCount; ++i)
    form.MacroButtons[i]->setText(QString("Команда %1").arg(i + 1));

  form.TextTime->setText("23:59:59");
  form.CBLists->addItem("[1]");
  form.ComPort->addItem("USB0");
  form.LSend->setText("Send: 2147483647");
  form.MinTimeWait->setText("MIN_T_W:  2147483647");

  TOpenPortError openPortError;
  TFormEditHelpCmd editor;
  TInfo info;

  bool ok = save(form, argv[1]) && save(openPortError, argv[2]);
  if (ok && argc > 3) ok = save(editor, argv[3]);
  if (ok && argc > 4) ok = save(info, argv[4]);
  return ok ? 0 : 1;
}

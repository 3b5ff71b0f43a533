#pragma once
// TFormEditHelpCmd: the full macro editor, a modal window with the macro's
// name, its command and its twelve description lines. This class only
// builds the window and its fields at their design geometry; the macro
// controller fills them when the window opens and writes them back. Created
// once at start-up, after the main window, and kept until the end.

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;

class TFormEditHelpCmd : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kDesignWidth = 384;
  static constexpr int kDesignHeight = 397;
  static constexpr int kFieldWidth = 361;
  static constexpr int kDescriptionLines = 12;

  explicit TFormEditHelpCmd(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QLineEdit* CmdName = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* CmdData = nullptr;
  QLabel* Label3 = nullptr;
  // Edit1..Edit12 of this window, the description lines in order.
  std::array<QLineEdit*, kDescriptionLines> Edits{};
};

#include "ui/TInfo.h"

#include <QLabel>

#include "ui/FormWidgets.h"
#include "ui/WidgetColors.h"

namespace fw = formwidgets;

TInfo::TInfo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("TInfo");
  setWindowTitle("Info");
  setFont(QFont("Liberation Sans", 8));
  setBackgroundColor(this, Qt::white);
  setFixedSize(kWidth, kHeight);

  TitleLabel = fw::label(this, "TitleLabel", "Терминал для работы с COM-портом", {0, 12, kWidth, 20});
  TitleLabel->setFont(fw::pixelFont(this, 13, true));
  ProductLabel = fw::label(this, "ProductLabel", "Quorvane v1.14", {0, 34, kWidth, 32});
  ProductLabel->setFont(fw::pixelFont(this, 24, true));
  for (QLabel* caption : {TitleLabel, ProductLabel}) caption->setAlignment(Qt::AlignCenter);
}

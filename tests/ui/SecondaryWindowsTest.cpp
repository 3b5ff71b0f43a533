// The three secondary windows as built: their names, captions and sizes,
// the fields of the macro editor, and the port-closed picture.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "ui/OpenPortPicture.h"
#include "ui/TFormEditHelpCmd.h"
#include "ui/TInfo.h"
#include "ui/TOpenPortError.h"

namespace {

TEST(TOpenPortErrorTest, ShowsThePictureInASizeableWindowWithOnlyACloseButton) {
  TOpenPortError window;
  EXPECT_EQ(window.objectName(), "TOpenPortError");
  EXPECT_EQ(window.windowTitle(), "OpenPortError");
  EXPECT_EQ(window.size(), QSize(603, 519));
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::MSWindowsFixedSizeDialogHint);

  ASSERT_NE(window.Image1, nullptr);
  EXPECT_EQ(window.Image1->objectName(), "Image1");
  EXPECT_EQ(window.Image1->pixmap().size(), QSize(599, 499));
  window.show();
  window.resize(700, 600);
  EXPECT_EQ(window.Image1->geometry(), window.rect());
}

TEST(OpenPortPictureTest, IsAFixedTwentyFourBitPictureWithRedLettering) {
  const QImage picture = openportpicture::draw();
  EXPECT_EQ(picture.size(), QSize(openportpicture::kWidth, openportpicture::kHeight));
  EXPECT_EQ(picture.format(), QImage::Format_RGB888);
  // The same jitter every time, so the window never changes between runs.
  EXPECT_EQ(picture, openportpicture::draw());

  // The lettering band at the top is mostly red ink on white.
  int red = 0;
  for (int y = 40; y < 130; ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++red;
    }
  EXPECT_GT(red, 5000);
}

TEST(TFormEditHelpCmdTest, HoldsNameCommandAndTwelveDescriptionLines) {
  TFormEditHelpCmd editor;
  EXPECT_EQ(editor.objectName(), "TFormEditHelpCmd");
  EXPECT_EQ(editor.windowTitle(), "Редактор макроса");
  EXPECT_EQ(editor.size(), QSize(384, 397));
  EXPECT_EQ(editor.CmdName->maxLength(), 50);
  EXPECT_EQ(editor.CmdData->maxLength(), 250);
  EXPECT_TRUE(editor.CmdName->font().bold());
  for (int j = 0; j < TFormEditHelpCmd::kDescriptionLines; ++j) {
    QLineEdit* line = editor.Edits[j];
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->objectName(), QString("Edit%1").arg(j + 1));
    EXPECT_EQ(line->y(), 112 + 20 * j);
    EXPECT_EQ(line->width(), 361);
    EXPECT_EQ(line->maxLength(), 50);
    EXPECT_EQ(line->font().pixelSize(), 13);
  }
}

TEST(TInfoTest, IsAFixedSizeAboutWindow) {
  TInfo info;
  EXPECT_EQ(info.objectName(), "TInfo");
  EXPECT_EQ(info.windowTitle(), "Info");
  EXPECT_EQ(info.minimumSize(), QSize(581, 476));
  EXPECT_EQ(info.maximumSize(), QSize(581, 476));
  EXPECT_EQ(info.ProductLabel->text(), "Quorvane v1.14");
}

}  // namespace

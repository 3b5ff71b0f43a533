// The two small custom controls: the clickable arrow label and the up-down
// arrows report what the user did, and nothing else.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "ui/ClickableLabel.h"
#include "ui/UpDownArrows.h"

namespace {

TEST(ClickableLabelTest, LeftClickInsideEmitsClicked) {
  ClickableLabel label("▼");
  label.resize(27, 17);
  label.show();
  QSignalSpy spy(&label, &ClickableLabel::clicked);
  QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(spy.count(), 1);
  QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(spy.count(), 1);
}

TEST(ClickableLabelTest, ReleaseOutsideCancelsTheClick) {
  ClickableLabel label("▼");
  label.resize(27, 17);
  label.show();
  QSignalSpy spy(&label, &ClickableLabel::clicked);
  QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(60, 40));
  EXPECT_EQ(spy.count(), 0);
}

TEST(UpDownArrowsTest, EachArrowReportsItsDirection) {
  UpDownArrows arrows;
  EXPECT_EQ(arrows.size(), QSize(17, 24));
  arrows.show();
  QSignalSpy spy(&arrows, &UpDownArrows::stepped);
  QTest::mouseClick(arrows.upButton(), Qt::LeftButton);
  QTest::mouseClick(arrows.downButton(), Qt::LeftButton);
  QTest::mouseClick(arrows.downButton(), Qt::LeftButton);
  ASSERT_EQ(spy.count(), 3);
  EXPECT_TRUE(spy.at(0).at(0).toBool());
  EXPECT_FALSE(spy.at(1).at(0).toBool());
  EXPECT_FALSE(spy.at(2).at(0).toBool());
  // Upper half is "up", lower half "down", at the design size.
  EXPECT_EQ(arrows.upButton()->geometry(), QRect(0, 0, 17, 12));
  EXPECT_EQ(arrows.downButton()->geometry(), QRect(0, 12, 17, 12));
}

}  // namespace

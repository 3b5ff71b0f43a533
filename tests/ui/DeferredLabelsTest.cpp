#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <functional>

#include "ui/DeferredLabels.h"

namespace {

bool runUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

TEST(DeferredLabelsTest, KeepsOnlyTheLatestTextOfEachLabelUntilTheInterval) {
  QLabel a("a0"), b("b0");
  DeferredLabels labels(20);
  for (int i = 1; i <= 100; ++i) labels.setText(&a, QString("a%1").arg(i));
  labels.setText(&b, "b1");
  EXPECT_EQ(a.text(), "a0") << "nothing is shown before the interval";
  EXPECT_TRUE(runUntil([&] { return a.text() == "a100"; }));
  EXPECT_EQ(b.text(), "b1");
}

TEST(DeferredLabelsTest, FlushShowsAtOnceAndZeroIntervalNeverWaits) {
  QLabel a("a0");
  DeferredLabels deferred(1000);
  deferred.setText(&a, "a1");
  deferred.flush();
  EXPECT_EQ(a.text(), "a1");

  DeferredLabels immediate(0);
  immediate.setText(&a, "a2");
  EXPECT_EQ(a.text(), "a2");
}

}  // namespace

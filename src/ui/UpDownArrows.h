#pragma once
// UpDownArrows: a pair of stacked arrow buttons (17 x 24 at design size) for
// stepping a number up or down: the packet separation time and the log font
// size. It reports only the direction; the owner keeps the value and its
// limits. Holding an arrow down repeats the step, like a spin box.

#include <QWidget>

class QToolButton;

class UpDownArrows : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kDesignWidth = 17;
  static constexpr int kDesignHeight = 24;

  explicit UpDownArrows(QWidget* parent = nullptr);

  QToolButton* upButton() const { return m_up; }
  QToolButton* downButton() const { return m_down; }

 signals:
  void stepped(bool up);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* m_up = nullptr;
  QToolButton* m_down = nullptr;
};

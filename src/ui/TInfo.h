#pragma once
// TInfo: the about window, opened modally from the main window's "I" button.
// A fixed-size white window with the program's title; it has no behaviour.
// Created once at start-up and kept until the end.

#include <QDialog>

class QLabel;

class TInfo : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 581;
  static constexpr int kHeight = 476;

  explicit TInfo(QWidget* parent = nullptr);

  QLabel* TitleLabel = nullptr;
  QLabel* ProductLabel = nullptr;
};

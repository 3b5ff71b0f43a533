#pragma once
// LogWindow: the live log view. It keeps the log as a plain list of lines and
// paints only the lines on screen, so an append costs a few microseconds
// however long the log is, where a rich text view would shape and lay out
// every entry as it arrives.
//
// Invariants: there is always at least one line (an empty log is one empty
// line); appendPlainText, toPlainText and blockCount give exactly what a
// plain text edit gives for the same calls. The vertical scroll bar counts
// logical lines: its value is the top line, its maximum the top line of the
// last page. Wrapping is computed only for lines being shown. Appends only
// mark the view dirty; one short single-shot timer repaints, and a hidden
// view does nothing until it is shown.
//
// Created by TForm1 as MainWindow; the log view appends, clears and copies it
// into the pause view; the housekeeping tick trims it by blockCount.

#include <QAbstractScrollArea>
#include <QHash>
#include <QString>
#include <QTimer>
#include <array>
#include <vector>

class LogWindow : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit LogWindow(QWidget* parent = nullptr);

  // Appends one entry; '\n', '\r' and "\r\n" inside it start new lines.
  void appendPlainText(const QString& text);
  QString toPlainText() const;
  void setPlainText(const QString& text);
  void clear();
  int blockCount() const { return static_cast<int>(m_lines.size()); }
  bool isReadOnly() const { return true; }
  // The log is never editable; accepted so the view can stand in for a text edit.
  void setReadOnly(bool) {}

  // How often at most the view repaints while entries stream in.
  static constexpr int kRepaintIntervalMs = 25;

 signals:
  void mouseDoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  // Where painting starts: the first line drawn and the y of its top row,
  // negative when only the lower rows of a tall line are on screen.
  struct Start {
    int line = 0;
    int y = 0;
  };

  void insertText(const QString& text);
  void contentChanged();
  void flush();
  void updateScrollRange();
  void invalidateFont();
  void invalidateRows();
  Start paintStart();
  bool pinnedLayout() const;
  qreal advance(QChar c);
  int rowEnd(const QString& line, int start);
  int rowCount(int line);
  int wrapWidth() const;
  int textHeight() const;

  std::vector<QString> m_lines{QString()};
  // Rows each line wraps into at the current width and font; 0 = not known yet.
  std::vector<int> m_rowCounts{0};
  bool m_pinned = true;
  bool m_adjusting = false;
  bool m_rangeDirty = true;
  // The last page starts with a line shown whole when the text does not fit.
  bool m_allFits = true;
  QTimer m_repaintTimer;

  int m_lineSpacing = 0;
  int m_ascent = 0;
  int m_rowsWidth = -1;                         // the wrap width m_rowCounts were computed for
  std::array<qreal, 0x500> m_commonAdvances{};  // Latin and Cyrillic; negative = not measured
  QHash<QChar, qreal> m_otherAdvances;
};

#include "ui/LogWindow.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

// Space between the text and the frame, as a text edit leaves it.
constexpr int kMargin = 4;

// The characters a text document takes as the end of a paragraph.
bool isLineBreak(char16_t c) {
  return c == u'\n' || c == u'\r' || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

}  // namespace

LogWindow::LogWindow(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The view fills every pixel itself.
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

  m_repaintTimer.setSingleShot(true);
  m_repaintTimer.setInterval(kRepaintIntervalMs);
  connect(&m_repaintTimer, &QTimer::timeout, this, &LogWindow::flush);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    // Only the user moves the bar outside m_adjusting; at the end the view
    // follows new lines again.
    if (!m_adjusting) m_pinned = value >= verticalScrollBar()->maximum();
  });
  invalidateFont();
}

void LogWindow::appendPlainText(const QString& text) {
  // Like a text document: an entry opens a new line unless the log is still
  // completely empty.
  if (m_lines.size() > 1 || !m_lines.front().isEmpty()) {
    m_lines.emplace_back();
    m_rowCounts.push_back(0);
  }
  insertText(text);
  contentChanged();
}

void LogWindow::insertText(const QString& text) {
  m_rowCounts.back() = 0;
  const QChar* chars = text.constData();
  const qsizetype size = text.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t c = chars[i].unicode();
    if (!isLineBreak(c)) continue;
    m_lines.back() += QStringView(chars + start, i - start);
    if (c == u'\r' && i + 1 < size && chars[i + 1] == u'\n') ++i;
    m_lines.emplace_back();
    m_rowCounts.push_back(0);
    start = i + 1;
  }
  // The common entry has no line break: share its buffer instead of copying.
  if (start == 0 && m_lines.back().isEmpty())
    m_lines.back() = text;
  else
    m_lines.back() += QStringView(chars + start, size - start);
}

QString LogWindow::toPlainText() const {
  qsizetype total = static_cast<qsizetype>(m_lines.size()) - 1;
  for (const QString& line : m_lines) total += line.size();
  QString text;
  text.reserve(total);
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    if (i > 0) text += u'\n';
    text += m_lines[i];
  }
  // A text document hands these out as plain spaces and line breaks; the
  // pause view and the tests expect the same text from this view.
  for (QChar& c : text) {
    if (c == QChar::Nbsp)
      c = u' ';
    else if (c == QChar::LineSeparator)
      c = u'\n';
  }
  return text;
}

void LogWindow::setPlainText(const QString& text) {
  m_lines.assign(1, QString());
  m_rowCounts.assign(1, 0);
  insertText(text);
  m_pinned = true;
  contentChanged();
}

void LogWindow::clear() {
  setPlainText(QString());
}

void LogWindow::contentChanged() {
  m_rangeDirty = true;
  if (isVisible() && !m_repaintTimer.isActive()) m_repaintTimer.start();
}

void LogWindow::flush() {
  updateScrollRange();
  viewport()->update();
}

int LogWindow::wrapWidth() const {
  // One pixel of slack against rounding between measured and drawn text.
  return std::max(1, viewport()->width() - 2 * kMargin - 1);
}

int LogWindow::textHeight() const {
  return std::max(m_lineSpacing, viewport()->height() - 2 * kMargin);
}

void LogWindow::updateScrollRange() {
  m_rangeDirty = false;
  if (m_rowsWidth != wrapWidth()) invalidateRows();
  // The last page: as many whole lines from the bottom as fit.
  const int available = textHeight();
  int first = static_cast<int>(m_lines.size()) - 1;
  int used = rowCount(first) * m_lineSpacing;
  while (first > 0) {
    const int height = rowCount(first - 1) * m_lineSpacing;
    if (used + height > available) break;
    used += height;
    --first;
  }
  m_allFits = first == 0 && used <= available;

  QScrollBar* bar = verticalScrollBar();
  m_adjusting = true;
  bar->setSingleStep(1);
  bar->setPageStep(std::max(1, available / std::max(1, m_lineSpacing)));
  bar->setRange(0, first);
  if (m_pinned) bar->setValue(first);
  m_adjusting = false;
}

bool LogWindow::pinnedLayout() const {
  const QScrollBar* bar = verticalScrollBar();
  return !m_allFits && bar->value() >= bar->maximum();
}

LogWindow::Start LogWindow::paintStart() {
  if (!pinnedLayout()) return {verticalScrollBar()->value(), kMargin};
  // Lay out from the bottom line upwards until the top edge is passed; the
  // topmost line may show only its lower rows.
  int y = viewport()->height() - kMargin;
  int line = static_cast<int>(m_lines.size()) - 1;
  for (;;) {
    y -= rowCount(line) * m_lineSpacing;
    if (y <= 0 || line == 0) break;
    --line;
  }
  return {line, y};
}

void LogWindow::paintEvent(QPaintEvent* event) {
  if (m_rangeDirty || m_rowsWidth != wrapWidth()) updateScrollRange();
  QPainter painter(viewport());
  const QRect area = event->rect();
  painter.fillRect(area, palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Text));
  painter.setFont(font());

  const int bottom = std::min(viewport()->height(), area.bottom() + 1);
  const Start start = paintStart();
  int y = start.y;
  for (int i = start.line; i < static_cast<int>(m_lines.size()) && y < bottom; ++i) {
    const QString& line = m_lines[i];
    int from = 0;
    do {
      const int to = rowEnd(line, from);
      if (y + m_lineSpacing > area.top())
        painter.drawText(kMargin, y + m_ascent, QString(line.constData() + from, to - from));
      y += m_lineSpacing;
      from = to;
    } while (from < line.size() && y < bottom);
  }
}

int LogWindow::rowEnd(const QString& line, int start) {
  const qreal width = wrapWidth();
  const int size = static_cast<int>(line.size());
  qreal x = 0;
  int i = start;
  while (i < size) {
    const qreal a = advance(line[i]);
    // A row holds at least one character, however narrow the view.
    if (x + a > width && i > start) break;
    x += a;
    ++i;
  }
  return i;
}

int LogWindow::rowCount(int lineIndex) {
  int& rows = m_rowCounts[lineIndex];
  if (rows > 0) return rows;
  const QString& line = m_lines[lineIndex];
  int from = 0;
  int count = 0;
  do {
    from = rowEnd(line, from);
    ++count;
  } while (from < line.size());
  rows = count;
  return rows;
}

qreal LogWindow::advance(QChar c) {
  const char16_t code = c.unicode();
  if (code < m_commonAdvances.size()) {
    qreal& known = m_commonAdvances[code];
    if (known < 0) known = QFontMetricsF(font()).horizontalAdvance(c);
    return known;
  }
  auto it = m_otherAdvances.find(c);
  if (it == m_otherAdvances.end()) it = m_otherAdvances.insert(c, QFontMetricsF(font()).horizontalAdvance(c));
  return *it;
}

void LogWindow::invalidateFont() {
  m_commonAdvances.fill(-1);
  m_otherAdvances.clear();
  const QFontMetrics metrics(font());
  m_lineSpacing = std::max(1, metrics.lineSpacing());
  m_ascent = metrics.ascent();
  invalidateRows();
}

void LogWindow::invalidateRows() {
  std::fill(m_rowCounts.begin(), m_rowCounts.end(), 0);
  m_rowsWidth = wrapWidth();
  m_rangeDirty = true;
}

void LogWindow::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  // Both the frame and the viewport report here; a new width rewraps, a new
  // height changes the last page.
  if (m_rowsWidth != wrapWidth()) invalidateRows();
  m_rangeDirty = true;
  viewport()->update();
}

void LogWindow::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  // Appends made while hidden only marked the view dirty.
  if (m_rangeDirty) updateScrollRange();
}

void LogWindow::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    invalidateFont();
    if (isVisible()) flush();
  } else if (event->type() == QEvent::PaletteChange) {
    viewport()->update();
  }
}

void LogWindow::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = verticalScrollBar();
  switch (event->key()) {
    case Qt::Key_PageUp:
      bar->triggerAction(QAbstractSlider::SliderPageStepSub);
      break;
    case Qt::Key_PageDown:
      bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
      break;
    case Qt::Key_Home:
      bar->triggerAction(QAbstractSlider::SliderToMinimum);
      break;
    case Qt::Key_End:
      bar->triggerAction(QAbstractSlider::SliderToMaximum);
      break;
    case Qt::Key_Up:
      bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Down:
      bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
}

void LogWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  emit mouseDoubleClicked();
}

void LogWindow::scrollContentsBy(int, int) {
  // Scrolling during a range update is repainted by whoever started it.
  if (!m_adjusting) viewport()->update();
}

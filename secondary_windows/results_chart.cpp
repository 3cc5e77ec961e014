#include "secondary_windows/results_chart.h"

#include <QPainter>
#include <algorithm>

namespace lucen {

namespace {

// Rows of text: the counts above the bars and the labels below them; the bars between.
constexpr int kBarRows = 3;

}  // namespace

ResultsChart::ResultsChart(std::vector<int> counts, QStringList labels, QWidget* parent)
    : QWidget(parent), counts_(std::move(counts)), labels_(std::move(labels)) {
  QStringList spoken;
  for (std::size_t i = 0; i < counts_.size(); ++i) {
    spoken
        << QStringLiteral("%1: %2").arg(labels_.value(static_cast<qsizetype>(i))).arg(counts_[i]);
  }
  setAccessibleDescription(spoken.join(QStringLiteral("; ")));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

std::vector<int> ResultsChart::BarHeights(int tallest) const {
  const int most = counts_.empty() ? 0 : *std::max_element(counts_.begin(), counts_.end());
  std::vector<int> heights;
  for (int count : counts_) {
    const int height =
        most > 0 ? static_cast<int>(static_cast<long long>(count) * tallest / most) : 0;
    heights.push_back(count > 0 ? std::max(height, 1) : 0);
  }
  return heights;
}

int ResultsChart::ColumnWidth() const {
  int widest = fontMetrics().horizontalAdvance(QStringLiteral("00"));
  for (const QString& label : labels_) {
    widest = std::max(widest, fontMetrics().horizontalAdvance(label));
  }
  for (int count : counts_) {
    widest = std::max(widest, fontMetrics().horizontalAdvance(QString::number(count)));
  }
  return widest + fontMetrics().averageCharWidth();
}

QSize ResultsChart::sizeHint() const {
  const int line = fontMetrics().height();
  return {ColumnWidth() * static_cast<int>(counts_.size()), line * (2 + kBarRows)};
}

void ResultsChart::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int line = fontMetrics().height();
  const int column = ColumnWidth();
  const int barTop = line;
  const int barBottom = height() - line;
  const std::vector<int> heights = BarHeights(barBottom - barTop - line / 2);
  const QColor bar = palette().color(QPalette::Highlight);
  for (std::size_t i = 0; i < counts_.size(); ++i) {
    const int left = static_cast<int>(i) * column;
    const QRect bars(left + column / 5, barBottom - heights[i], column - 2 * (column / 5),
                     heights[i]);
    painter.fillRect(bars, bar);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(left, bars.top() - line, column, line), Qt::AlignCenter,
                     QString::number(counts_[i]));
    painter.drawText(QRect(left, barBottom, column, line), Qt::AlignCenter,
                     labels_.value(static_cast<qsizetype>(i)));
  }
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, barBottom, width() - 1, barBottom);
}

}  // namespace lucen

#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

namespace lucen {

// A small bar chart of how often each result came out: one bar per group of results, its count
// above it and the group's name below, the tallest bar filling the height. Drawn with QPainter,
// in the window's own colours; a screen reader reads it as a line of text.
class ResultsChart : public QWidget {
  Q_OBJECT

 public:
  // `counts` and `labels` are in step, the best result first.
  ResultsChart(std::vector<int> counts, QStringList labels, QWidget* parent = nullptr);

  const std::vector<int>& Counts() const { return counts_; }
  // The height of each bar for a chart whose bars may reach `tallest` pixels: in proportion to
  // its count, and at least one pixel for any count above 0.
  std::vector<int> BarHeights(int tallest) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int ColumnWidth() const;

  std::vector<int> counts_;
  QStringList labels_;
};

}  // namespace lucen

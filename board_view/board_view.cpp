#include "board_view/board_view.h"

#include "board/board.h"
#include "board_view/board_layout.h"
#include "board_view/cell_button.h"
#include "board_view/glow_overlay.h"
#include "board_view/window_design.h"
#include "desktop/accessibility.h"

namespace lucen {

BoardView::BoardView(QWidget* parent)
    : QWidget(parent), template_(new CellButton(this)), glow_(new GlowOverlay(this)) {
  setFixedSize(TwipsToPixels(kClientArea).size());
  // The template is the design's model of a cell; a built board always covers it, so it never
  // takes the focus.
  template_->setFocusPolicy(Qt::NoFocus);
  SetTwipsRect(template_, kTemplatePlace);
  ListShownChildrenOnly(this, template_);  // a screen reader meets the cells, not the template
  // One clock for every changing cell; the first share is painted at once, the rest follows.
  change_.setStartValue(CellButton::kFirstShare);
  change_.setEndValue(1.0F);
  change_.setDuration(static_cast<int>(kChangeMs * (1 - CellButton::kFirstShare)));
  connect(&change_, &QVariantAnimation::valueChanged, this, [this](const QVariant& share) {
    for (CellButton* cell : changing_) cell->SetChangeShare(share.toFloat());
  });
}

void BoardView::SetZoom(float zoom) {
  zoom_ = zoom;
  setFixedSize(TwipsToPixels(Zoomed(kClientArea, zoom_)).size());
  PlaceCells();
}

void BoardView::PlaceCells() {
  const std::vector<TwipsRect> places = CellRects(columns_ > 0 ? columns_ : Board::kMinSize);
  // The template takes the cell size once a board is built.
  SetTwipsRect(template_, Zoomed(columns_ > 0 ? places.front() : kTemplatePlace, zoom_));
  template_->SetZoom(zoom_);
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    SetTwipsRect(cells_[i], Zoomed(places[i], zoom_));
    cells_[i]->SetZoom(zoom_);
  }
  // The glow lies over the board's cells alone.
  glow_->setGeometry(cells_.empty() ? QRect()
                                    : cells_.front()->geometry().united(cells_.back()->geometry()));
  glow_->raise();
}

void BoardView::SetAnimated(bool animated) {
  animated_ = animated;
  if (!animated) FinishAnimations();
}

void BoardView::FinishAnimations() {
  change_.stop();
  for (CellButton* cell : changing_) cell->SetChangeShare(1);
  changing_.clear();
  glow_->Stop();
}

void BoardView::Glow() {
  if (animated_) glow_->Start();
}

void BoardView::Rebuild(const Board& board) {
  FinishAnimations();
  for (CellButton* cell : cells_) delete cell;
  cells_.clear();
  hint_ = nullptr;

  columns_ = board.Size();
  for (std::size_t i = 0; i < board.CellCount(); ++i) {
    auto* cell = new CellButton(this);
    const int row = static_cast<int>(i) / columns_;
    const int column = static_cast<int>(i) % columns_;
    cell->SetGridPlace(static_cast<int>(i) + 1, row + 1, column + 1);
    cell->SetColour(board.Colour(i));
    cell->SetSymbolShown(symbolsShown_);
    connect(cell, &QPushButton::clicked, this,
            [this, i] { emit cellClicked(static_cast<int>(i)); });
    connect(cell, &CellButton::focusStepRequested, this,
            [this, i](int rows, int columns) { StepFocus(i, rows, columns); });
    connect(cell, &CellButton::keyboardFocusIn, this, [this] { SetFocusCue(true); });
    connect(cell, &CellButton::pointerPressed, this, [this] { SetFocusCue(false); });
    cell->raise();
    cell->show();
    cells_.push_back(cell);
  }
  PlaceCells();
  cells_.front()->setFocus(Qt::OtherFocusReason);
}

void BoardView::ShowCells(const Board& board, const std::vector<std::size_t>& cells) {
  ClearHint();  // a hint holds for the position it was given on
  FinishAnimations();
  for (std::size_t cell : cells) {
    cells_.at(cell)->SetColour(board.Colour(cell), animated_);
    if (animated_) changing_.push_back(cells_[cell]);
  }
  if (animated_ && !changing_.empty()) change_.start();
}

void BoardView::ShowAllCells(const Board& board) {
  ClearHint();
  FinishAnimations();
  for (std::size_t cell = 0; cell < cells_.size(); ++cell) {
    cells_[cell]->SetColour(board.Colour(cell));
  }
}

void BoardView::MarkHint(std::size_t cell) {
  ClearHint();
  hint_ = cells_.at(cell);
  hint_->SetHint(true);
  hint_->setFocus(Qt::OtherFocusReason);
  SetFocusCue(true);  // Space plays the hint: show where it is
}

void BoardView::ClearHint() {
  if (hint_ != nullptr) hint_->SetHint(false);
  hint_ = nullptr;
}

CellButton* BoardView::Cell(std::size_t cell) const {
  return cell < cells_.size() ? cells_[cell] : nullptr;
}

void BoardView::SetSymbolsShown(bool shown) {
  symbolsShown_ = shown;
  for (CellButton* cell : cells_) cell->SetSymbolShown(shown);
}

void BoardView::SetFocusCue(bool cue) {
  for (CellButton* cell : cells_) cell->SetFocusCue(cue);
}

void BoardView::StepFocus(std::size_t from, int rows, int columns) {
  SetFocusCue(true);
  const int row = static_cast<int>(from) / columns_ + rows;
  const int column = static_cast<int>(from) % columns_ + columns;
  if (row < 0 || row >= columns_ || column < 0 || column >= columns_) return;  // stop at edges
  cells_[static_cast<std::size_t>(row * columns_ + column)]->setFocus(Qt::TabFocusReason);
}

}  // namespace lucen

#include "main_window/board_view.h"

#include <QLabel>
#include <QMessageBox>

#include "main_window/application_title.h"
#include "main_window/cell_button.h"
#include "main_window/history_list.h"
#include "platform/twips.h"

namespace lucen {

namespace {

QColor ToQColor(Rgb colour) {
  return {colour.red, colour.green, colour.blue};
}

}  // namespace

BoardView::BoardView(QWidget* area, CellButton* templateCell, HistoryList* history,
                     QLabel* boardArea)
    : area_(area), cells_{templateCell}, history_(history), boardArea_(boardArea) {}

CellButton* BoardView::Cell(int index) const {
  return index >= 0 && index < cells_.size() ? cells_[index] : nullptr;
}

void BoardView::FocusFirstCell() {
  if (CellButton* first = Cell(1)) first->setFocus(Qt::OtherFocusReason);
}

void BoardView::StepFocus(int from, int rows, int columns) {
  const int row = (from - 1) / columns_ + rows;
  const int column = (from - 1) % columns_ + columns;
  if (row < 0 || column < 0 || column >= columns_) return;  // the focus stops at the edges
  if (CellButton* target = Cell(row * columns_ + column + 1)) target->setFocus(Qt::TabFocusReason);
}

void BoardView::SetClickHandler(std::function<void(std::int16_t)> handler) {
  onClick_ = std::move(handler);
}

float BoardView::BoardAreaWidth() const {
  return GetTwipsRect(boardArea_).width;
}
float BoardView::TemplateLeft() const {
  return GetTwipsRect(cells_[0]).left;
}
float BoardView::TemplateTop() const {
  return GetTwipsRect(cells_[0]).top;
}
float BoardView::TemplateWidth() const {
  return GetTwipsRect(cells_[0]).width;
}
float BoardView::TemplateHeight() const {
  return GetTwipsRect(cells_[0]).height;
}

void BoardView::SetTemplateWidth(float twips) {
  TwipsRect rect = GetTwipsRect(cells_[0]);
  rect.width = twips;
  SetTwipsRect(cells_[0], rect);
}

void BoardView::SetTemplateHeight(float twips) {
  TwipsRect rect = GetTwipsRect(cells_[0]);
  rect.height = twips;
  SetTwipsRect(cells_[0], rect);
}

void BoardView::LoadCell(std::int16_t index) {
  const CellButton* model = cells_[0];
  auto* cell = new CellButton(area_);
  cell->setObjectName(QStringLiteral("Command1_%1").arg(index));
  cell->hide();
  cell->SetColour(model->Colour());
  cell->setFont(model->font());
  cell->setFocusPolicy(Qt::StrongFocus);  // the template, always covered, never takes the focus
  cell->SetGridPlace(index, (index - 1) / columns_ + 1, (index - 1) % columns_ + 1);
  SetTwipsRect(cell, GetTwipsRect(model));
  QObject::connect(cell, &QPushButton::clicked, cell, [this, index] {
    if (onClick_) onClick_(index);
  });
  QObject::connect(cell, &CellButton::focusStepRequested, cell,
                   [this, index](int rows, int columns) { StepFocus(index, rows, columns); });

  if (cells_.size() <= index) cells_.resize(index + 1, nullptr);
  cells_[index] = cell;
}

void BoardView::UnloadCell(std::int16_t index) {
  if (index < 1 || index >= cells_.size() || cells_[index] == nullptr) return;
  delete cells_[index];
  cells_[index] = nullptr;
  while (cells_.size() > 1 && cells_.back() == nullptr) cells_.removeLast();
}

void BoardView::MoveCell(std::int16_t index, float left, float top) {
  TwipsRect rect = GetTwipsRect(cells_[index]);
  rect.left = left;
  rect.top = top;
  SetTwipsRect(cells_[index], rect);
}

void BoardView::BringCellToFront(std::int16_t index) {
  cells_[index]->raise();
}
void BoardView::ShowCell(std::int16_t index) {
  cells_[index]->show();
}

void BoardView::ShowCellColour(std::int16_t index, Rgb colour) {
  cells_[index]->SetColour(ToQColor(colour));
}

void BoardView::AppendHistoryEntry(const std::string& entry) {
  history_->addItem(QString::fromStdString(entry));
}

void BoardView::ClearHistory() {
  history_->clear();
}

void BoardView::AnnounceWin() {
  // No title of its own: the application's title stands in, as for any untitled message.
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), QStringLiteral("Lo lograste!!"),
                  QMessageBox::Ok, area_->window());
  box.setObjectName(QStringLiteral("WinMessage"));
  box.exec();
}

}  // namespace lucen

#include "secondary_windows/past_days_dialog.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "progress/day_mark.h"

namespace lucen {

namespace {

class PastDaysTexts {
  Q_DECLARE_TR_FUNCTIONS(PastDaysTexts)

 public:
  static QString Title() { return tr("Días anteriores"); }
  static QString Play() { return tr("Jugar"); }
  static QString Legend() {
    return tr(
        "Verde: ganada; verde y en negrita: perfecta; amarillo: jugada y no ganada; gris: "
        "sin jugar. Las partidas de días anteriores son de práctica.");
  }
  static QString Mark(DayMark mark) {
    switch (mark) {
      case DayMark::kPerfect:
        return tr("perfecta");
      case DayMark::kWon:
        return tr("ganada");
      case DayMark::kPlayed:
        return tr("jugada y no ganada");
      case DayMark::kMissed:
        break;
    }
    return tr("sin jugar");
  }
};

QDate ToQDate(const CalendarDate& date) {
  return {date.year, date.month, date.day};
}

CalendarDate FromQDate(const QDate& date) {
  return {date.year(), date.month(), date.day()};
}

QTextCharFormat FormatOf(DayMark mark) {
  QTextCharFormat format;
  switch (mark) {
    case DayMark::kPerfect:
      format.setFontWeight(QFont::Bold);
      [[fallthrough]];
    case DayMark::kWon:
      format.setBackground(QColor(144, 238, 144));
      break;
    case DayMark::kPlayed:
      format.setBackground(QColor(255, 236, 139));
      break;
    case DayMark::kMissed:
      format.setForeground(QColor(128, 128, 128));
      break;
  }
  return format;
}

}  // namespace

PastDaysDialog::PastDaysDialog(QWidget* parent, const Records& records, const CalendarDate& today)
    : QDialog(parent), records_(records) {
  setObjectName(QStringLiteral("DiasAnteriores"));
  setWindowTitle(PastDaysTexts::Title());
  calendar_ = new QCalendarWidget(this);
  calendar_->setObjectName(QStringLiteral("Calendario"));
  calendar_->setMinimumDate(QDate(1, 1, 1));  // the calendar's own reaches back before year 1
  calendar_->setMaximumDate(ToQDate(today));
  calendar_->setSelectedDate(ToQDate(AddDays(today, -1)));
  const CalendarDate first = records.FirstDailyDay().value_or(today);
  for (CalendarDate day = first; day <= today; day = AddDays(day, 1)) {
    calendar_->setDateTextFormat(ToQDate(day), FormatOf(MarkOf(records, day)));
  }
  told_ = new QLabel(this);
  told_->setObjectName(QStringLiteral("DiaElegido"));
  told_->setAccessibleName(PastDaysTexts::Title());
  auto* legend = new QLabel(PastDaysTexts::Legend(), this);
  legend->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  // No default button: Return in the calendar's year box sets the year, and Return on a day
  // plays it (the calendar's own activation).
  QPushButton* play = buttons->addButton(PastDaysTexts::Play(), QDialogButtonBox::AcceptRole);
  for (QPushButton* button : {play, buttons->button(QDialogButtonBox::Cancel)}) {
    button->setAutoDefault(false);
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(calendar_, &QCalendarWidget::activated, this, &QDialog::accept);
  connect(calendar_, &QCalendarWidget::selectionChanged, this, &PastDaysDialog::TellChosenDay);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(calendar_);
  layout->addWidget(told_);
  layout->addWidget(legend);
  layout->addWidget(buttons);
  TellChosenDay();
}

CalendarDate PastDaysDialog::Chosen() const {
  return FromQDate(calendar_->selectedDate());
}

void PastDaysDialog::TellChosenDay() {
  // In words too, for whoever cannot tell the marks' colours apart or cannot see them.
  const QDate day = calendar_->selectedDate();
  told_->setText(QLocale().toString(day, QLocale::LongFormat) + QStringLiteral(": ") +
                 PastDaysTexts::Mark(MarkOf(records_, FromQDate(day))));
}

}  // namespace lucen

#pragma once

#include <QDialog>
#include <optional>

#include "progress/calendar_date.h"
#include "progress/records.h"

class QCalendarWidget;
class QLabel;

namespace lucen {

// "Días anteriores...": a month calendar of the games of the day, each day since the player's
// first marked as won, perfect, played and not won, or missed, and told in words under it for the
// day chosen. Days after today cannot be chosen. Accepting plays the chosen day.
class PastDaysDialog : public QDialog {
  Q_OBJECT

 public:
  PastDaysDialog(QWidget* parent, const Records& records, const CalendarDate& today);

  CalendarDate Chosen() const;

 private:
  void TellChosenDay();

  const Records& records_;
  QCalendarWidget* calendar_ = nullptr;
  QLabel* told_ = nullptr;
};

}  // namespace lucen

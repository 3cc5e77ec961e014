#pragma once

#include <QDialog>

#include "progress/calendar_date.h"

class QScrollArea;

namespace lucen {

struct RecordsReading;

// What the player asked of the records window as it closed: nothing more, or to carry the records
// to or from another computer or the browser, in a records file.
enum class RecordsCarry { kNothing, kExport, kImport };

// "Récords": the streak of games of the day, and for each board played its games played, won and
// perfect, the average result and a chart of the results (presses over the fewest: lower is
// better); when no board has been played, how to start a game. One note more when some records
// could not be read or cannot be kept. The boards scroll, never sideways. Escape or "Cerrar"
// closes it.
class RecordsWindow : public QDialog {
  Q_OBJECT

 public:
  // `today` is the player's date, for the streak still standing.
  RecordsWindow(QWidget* parent, const RecordsReading& reading, const CalendarDate& today);

  RecordsCarry Carry() const { return carry_; }

 private:
  QScrollArea* boards_ = nullptr;
  RecordsCarry carry_ = RecordsCarry::kNothing;
};

// Shows the records window modally over `mainWindow`.
RecordsCarry ShowRecords(QWidget& mainWindow, const RecordsReading& reading,
                         const CalendarDate& today);

}  // namespace lucen

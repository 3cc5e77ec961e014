#pragma once

class QWidget;

namespace lucen {

struct RecordsReading;

// "Récords": one row per size and colour count with the numbered games won and the best result
// (presses over the fewest, 0 for a perfect game), and one note when some records could not be
// read or cannot be kept. Modal; Escape or "Cerrar" closes it.
void ShowRecords(QWidget& mainWindow, const RecordsReading& reading);

}  // namespace lucen

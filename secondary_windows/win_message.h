#pragma once

#include <QMessageBox>
#include <optional>

#include "progress/game_in_play.h"

class QPushButton;

namespace lucen {

// The win: "Lo lograste!!" under the application's title, with OK as its default button. For a
// numbered game it adds the lines of its result and three buttons: "Otra partida" and "Ver
// solución", which close it, and "Copiar resultado", which copies the line to share, says
// "Copiado" for two seconds and leaves it up.
class WinMessage : public QMessageBox {
  Q_OBJECT

 public:
  // `streak`: the days in a row after this win, told for a game of the day.
  WinMessage(QWidget* parent, const std::optional<GameInPlay>& won, int streak);

  enum class Next { kNothing, kAnotherGame, kWatchSolution };
  // What the player chose to do next, once the message has closed.
  Next Chosen() const;

  // Adds the line that says the win could not be written to the records, once.
  void SayNotWritten();

 private:
  QPushButton* another_ = nullptr;
  QPushButton* solution_ = nullptr;
};

}  // namespace lucen

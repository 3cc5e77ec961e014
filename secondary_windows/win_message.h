#pragma once

#include <QMessageBox>
#include <optional>

#include "progress/game_in_play.h"

namespace lucen {

// The win: "Lo lograste!!" under the application's title, with OK as its default button. For a
// numbered game it adds the line of its result and "Copiar resultado", which copies the line to
// share and leaves the message up.
class WinMessage : public QMessageBox {
  Q_OBJECT

 public:
  WinMessage(QWidget* parent, const std::optional<GameInPlay>& won);

  // Adds the line that says the win could not be written to the records, once.
  void SayNotWritten();
};

}  // namespace lucen

#pragma once

#include <QDialog>
#include <optional>

#include "board/numbered_game.h"

class QLabel;
class QLineEdit;

namespace lucen {

// "Elegir partida...": shows the code of the numbered game in play, selected and ready to copy,
// and takes the code of a game to play, alone or anywhere in a pasted line. A text that holds no
// code is refused with its reason, and the dialog stays open.
class ChooseGameDialog : public QDialog {
  Q_OBJECT

 public:
  ChooseGameDialog(QWidget* parent, const std::optional<GameId>& current);

  // The game to play, once the dialog has been accepted.
  const std::optional<GameId>& Chosen() const { return chosen_; }

  void accept() override;

 private:
  QLineEdit* code_ = nullptr;
  QLabel* problem_ = nullptr;
  std::optional<GameId> chosen_;
};

}  // namespace lucen

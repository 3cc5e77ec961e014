#include "secondary_windows/game_texts.h"

#include <QCoreApplication>

namespace lucen {

namespace {

class GameTexts {
  Q_DECLARE_TR_FUNCTIONS(GameTexts)

 public:
  static QString Error(CodeError error) {
    switch (error) {
      case CodeError::kEmpty:
        return tr("falta el código de la partida");
      case CodeError::kNotACode:
        return tr("un código tiene la forma 7x7-3-123456");
      case CodeError::kSidesDiffer:
        return tr("el tablero es cuadrado: sus dos lados son iguales");
      case CodeError::kSizeOutOfRange:
        return tr("el tablero tiene de 5x5 a 9x9 casillas");
      case CodeError::kColoursOutOfRange:
        return tr("los colores son 2, 3 o 4");
      case CodeError::kNumberOutOfRange:
        return tr("las partidas van del 1 al 999999");
    }
    return {};
  }
  static QString NotACode(const QString& text, const QString& reason) {
    return tr("«%1» no es un código de partida: %2.").arg(text, reason);
  }
  static QString Win(const QString& code, int used, int fewest) {
    return tr("Partida %1: %2 pulsaciones (mínimo %3)").arg(code).arg(used).arg(fewest);
  }
};

}  // namespace

QString GameCodeText(const GameId& id) {
  return QString::fromStdString(GameCode(id));
}

QString CodeErrorText(CodeError error, const QString& text) {
  if (error == CodeError::kEmpty) return GameTexts::Error(error);
  return GameTexts::NotACode(text.trimmed(), GameTexts::Error(error));
}

QString WinLine(const GameInPlay& game) {
  return GameTexts::Win(GameCodeText(game.id), game.pressesUsed, game.fewest);
}

}  // namespace lucen

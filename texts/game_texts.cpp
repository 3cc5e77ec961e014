#include "texts/game_texts.h"

#include <QCoreApplication>

#include "desktop/program_identity.h"

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
  static QString Presses(int presses) { return tr("%n pulsaciones", nullptr, presses); }
  static QString Line(const QString& code, const QString& presses, int fewest) {
    return tr("%1 · %2 · mínimo %3").arg(code, presses).arg(fewest);
  }
  static QString Practice() { return tr("práctica"); }
  static QString Win(const QString& code, const QString& presses, int fewest) {
    return tr("Partida %1: %2 (mínimo %3)").arg(code, presses).arg(fewest);
  }
  static QString PracticeWin(const QString& win) { return tr("%1, práctica").arg(win); }
  static QString NotKept() { return tr("No se pudo guardar esta victoria en los récords."); }
  static QString Share(const QString& game, const QString& presses, int fewest) {
    return tr("%1: %2 (mínimo %3)").arg(game, presses).arg(fewest);
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

QString PressesText(int presses) {
  return GameTexts::Presses(presses);
}

QString GameLine(const GameInPlay& game) {
  const QString line =
      GameTexts::Line(GameCodeText(game.id), PressesText(game.pressesUsed), game.fewest);
  return game.scoring ? line : line + QStringLiteral(" · ") + GameTexts::Practice();
}

QString WinLine(const GameInPlay& game) {
  const QString win =
      GameTexts::Win(GameCodeText(game.id), PressesText(game.pressesUsed), game.fewest);
  return game.scoring ? win : GameTexts::PracticeWin(win);
}

QString WinNotKeptLine() {
  return GameTexts::NotKept();
}

QString ShareLine(const GameInPlay& game) {
  QString name = ApplicationTitle() + QLatin1Char(' ') + GameCodeText(game.id);
  if (game.daily) name += QLatin1Char(' ') + QString::fromStdString(IsoDate(*game.daily));
  const QString line = GameTexts::Share(name, PressesText(game.pressesUsed), game.fewest);
  return game.scoring ? line : GameTexts::PracticeWin(line);
}

}  // namespace lucen

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
  static QString Fewest(int fewest) { return tr("mínimo %1").arg(fewest); }
  static QString Remaining(int presses) { return tr("faltan %n", nullptr, presses); }
  static QString Today() { return tr("Partida del día"); }
  static QString OfDay(const QString& date) { return tr("Partida del %1").arg(date); }
  static QString Practice() { return tr("práctica"); }
  static QString NotSaved() { return tr("no se puede guardar"); }
  static QString Win(const QString& code, const QString& presses, int fewest) {
    return tr("Partida %1: %2 (mínimo %3)").arg(code, presses).arg(fewest);
  }
  static QString PracticeWin(const QString& win) { return tr("%1, práctica").arg(win); }
  static QString Perfect() { return tr("¡Perfecta!"); }
  static QString Streak(int days) { return tr("Racha: %n días", nullptr, days); }
  static QString NotKept() { return tr("No se pudo guardar esta victoria en los récords."); }
  static QString Share(const QString& game, const QString& presses, int fewest) {
    return tr("%1: %2 (mínimo %3)").arg(game, presses).arg(fewest);
  }
};

// Parts of a line, between middle dots.
const QString kBetween = QStringLiteral(" · ");

QString DateText(const CalendarDate& date) {
  return QString::fromStdString(IsoDate(date));
}

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

QString StarsText(int stars) {
  return QString(stars, QChar(0x2605)) + QString(3 - stars, QChar(0x2606));
}

QString GameLine(const GameInPlay& game, const CalendarDate& today, const LineNotes& notes) {
  QStringList parts;
  if (game.daily) {
    parts << (*game.daily == today ? GameTexts::Today() : GameTexts::OfDay(DateText(*game.daily)));
  }
  parts << GameCodeText(game.id) << PressesText(game.pressesUsed) << GameTexts::Fewest(game.fewest);
  if (notes.remaining) parts << GameTexts::Remaining(*notes.remaining);
  if (!game.scoring) parts << GameTexts::Practice();
  if (notes.notSaved) parts << GameTexts::NotSaved();
  return parts.join(kBetween);
}

QString WinLines(const GameInPlay& game, int streak) {
  const QString win =
      GameTexts::Win(GameCodeText(game.id), PressesText(game.pressesUsed), game.fewest);
  if (!game.scoring) return GameTexts::PracticeWin(win);
  QString lines = win + QLatin1Char('\n') + StarsText(*game.Stars());
  if (game.pressesUsed <= game.fewest) lines += QLatin1Char(' ') + GameTexts::Perfect();
  if (game.daily) {
    lines += QLatin1Char('\n') + GameTexts::OfDay(DateText(*game.daily)) + kBetween +
             GameTexts::Streak(streak);
  }
  return lines;
}

QString WinNotKeptLine() {
  return GameTexts::NotKept();
}

QString ShareLine(const GameInPlay& game, int streak) {
  QString name = ApplicationTitle() + QLatin1Char(' ') + GameCodeText(game.id);
  if (game.daily) name += QLatin1Char(' ') + DateText(*game.daily);
  const QString line = GameTexts::Share(name, PressesText(game.pressesUsed), game.fewest);
  if (!game.scoring) return GameTexts::PracticeWin(line);
  QString shared = line + QLatin1Char(' ') + StarsText(*game.Stars());
  if (game.daily) shared += kBetween + GameTexts::Streak(streak);
  return shared;
}

}  // namespace lucen

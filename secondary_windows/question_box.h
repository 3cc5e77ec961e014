#pragma once

#include <QString>

class QWidget;

namespace lucen {

// What to ask before a command that would cost the player a score.
struct CostQuestion {
  const char* name;  // the message's object name
  QString question;
  QString goOn;    // the button that goes on with the command
  QString stayOn;  // the button that keeps things as they are: the default, and Escape
};

// Asks `question` over `parent`, with a box "No volver a preguntar". Returns whether to go on;
// `askAgain` becomes false when the player ticked the box and went on.
bool AskBeforeCost(QWidget* parent, const CostQuestion& question, bool& askAgain);

// The two questions the game asks.
CostQuestion HintCostQuestion();
CostQuestion LeavingScoreQuestion(const QString& code);

}  // namespace lucen

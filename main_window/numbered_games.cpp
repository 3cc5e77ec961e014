// The main window's commands for numbered games: starting one, the hints, the win and what follows
// it, and the records.
#include <QRandomGenerator>

#include "board_view/board_view.h"
#include "desktop/program_identity.h"
#include "main_window/main_window.h"
#include "main_window/solution_player.h"
#include "player_files/preferences.h"
#include "secondary_windows/choose_game_dialog.h"
#include "secondary_windows/past_days_dialog.h"
#include "secondary_windows/question_box.h"
#include "secondary_windows/win_message.h"
#include "texts/game_texts.h"

namespace lucen {

void MainWindow::NewGame() {
  if (!MayLeaveScore()) return;
  Show(session_.StartNew(level_, QRandomGenerator::global()->generate64()));
}

void MainWindow::StartDailyGame() {
  if (MayLeaveScore()) Show(session_.StartDaily());
}

void MainWindow::RestartGame() {
  if (MayLeaveScore()) Show(session_.Restart());
}

void MainWindow::ChooseGame() {
  view_->ClearHint();
  const std::optional<GameInPlay>& game = session_.Game();
  ChooseGameDialog dialog(this, game ? std::optional<GameId>(game->id) : std::nullopt);
  if (dialog.exec() == QDialog::Accepted && dialog.Chosen() && MayLeaveScore()) {
    StartGame(*dialog.Chosen());
  }
}

void MainWindow::ChoosePastDay() {
  view_->ClearHint();
  PastDaysDialog dialog(this, session_.KnownRecords(), today_());
  if (dialog.exec() == QDialog::Accepted && MayLeaveScore()) {
    Show(session_.StartPastDay(dialog.Chosen()));
  }
}

void MainWindow::StartGame(const GameId& id) {
  Show(session_.Start(id));
}

void MainWindow::ResumeSavedGame() {
  if (const std::optional<SavedGame> saved = savedGame_.Read()) Show(session_.Resume(*saved));
}

void MainWindow::ShowHint() {
  view_->ClearHint();
  if (session_.NextHint() == GameSession::HintStep::kCostsTheScore && askBeforeHint_) {
    const bool asked = AskBeforeCost(this, HintCostQuestion(), askBeforeHint_);
    if (!askBeforeHint_) SaveChoice(kAskBeforeHintKey, false);
    if (!asked) return;
  }
  const GameSession::HintAnswer answer = session_.AskHint();
  Show(answer.change);
  if (answer.hint.kind == Hint::Kind::kNoSolution) {
    QMessageBox::information(
        this, ApplicationTitle(),
        tr("Este tablero no se puede completar con %1 colores. Prueba otro tamaño u otro "
           "número de colores.")
            .arg(GameBoard().ColourCount()));
    return;
  }
  if (answer.markCell && answer.hint.kind == Hint::Kind::kPress) view_->MarkHint(answer.hint.cell);
}

void MainWindow::AnnounceWin(const std::optional<GameInPlay>& won) {
  // The board shows all light green while the message is up.
  WinMessage message(this, won, CurrentAsOf(session_.KnownRecords().DailyStreak(), today_()));
  if (won) winMessage_ = &message;
  view_->Glow();
  message.exec();
  winMessage_ = nullptr;
  Show(session_.TurnBlack());
  if (message.Chosen() == WinMessage::Next::kAnotherGame) NewGame();
  if (message.Chosen() == WinMessage::Next::kWatchSolution) {
    Show(session_.ReplayAsPractice(won->id));
    solution_->Play(session_.SolutionRoute());
  }
}

}  // namespace lucen

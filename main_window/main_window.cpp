#include "main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLayout>

#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

#include "board_view/board_view.h"
#include "board_view/cell_button.h"
#include "desktop/centring.h"
#include "desktop/program_identity.h"
#include "desktop/twips.h"
#include "main_window/program_icon.h"
#include "main_window/solution_player.h"
#include "player_files/background_writer.h"
#include "player_files/preferences.h"
#include "secondary_windows/about_window.h"
#include "secondary_windows/choose_game_dialog.h"
#include "secondary_windows/instructions_window.h"
#include "secondary_windows/question_box.h"
#include "secondary_windows/records_window.h"
#include "secondary_windows/win_message.h"
#include "texts/game_texts.h"

namespace lucen {

namespace {

// The date on the computer's clock, where the player is.
CalendarDate LocalToday() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

}  // namespace

MainWindow::MainWindow(DesktopShell& shell, QWidget* parent)
    : QMainWindow(parent),
      shell_(shell),
      endProgram_([] { QCoreApplication::exit(0); }),
      today_(LocalToday),
      session_([this] { return today_(); }) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(MainWindowCaption());
  setWindowIcon(ProgramIcon());
  // A fixed layout: the player can neither resize nor maximise the window, but can close it.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  view_ = new BoardView(this);
  view_->setObjectName(QStringLiteral("ClientArea"));
  view_->TemplateCell()->setObjectName(QStringLiteral("Command1_0"));
  setCentralWidget(view_);
  connect(view_, &BoardView::cellClicked, this,
          [this](int cell) { Run([this, cell] { PressCell(cell); }); });

  // The numbered game in play, under the board; hidden with none, so that the window keeps its own
  // size.
  statusBar()->setObjectName(QStringLiteral("BarraPartida"));
  statusBar()->setSizeGripEnabled(false);
  gameLine_ = new QLabel(statusBar());
  gameLine_->setObjectName(QStringLiteral("LineaPartida"));
  gameLine_->setWordWrap(true);  // a second line rather than a word cut at the window's edge
  lineFont_ = gameLine_->font();
  statusBar()->addWidget(gameLine_, 1);
  statusBar()->hide();
  connect(&records_, &RecordsFile::winWritten, this, &MainWindow::ShowWinOutcome);
  // The records as the files hold them, other copies' wins included, after each read and write.
  connect(&records_, &RecordsFile::read, this, [this](const RecordsReading& reading) {
    const SessionChange change = session_.RecordsRead(reading.records, reading.notFirstPlays);
    if (change.saved != SessionChange::Saved::kUnchanged) Show(change);  // now practice
  });
  connect(&records_, &RecordsFile::imported, this,
          [this](bool read, const QString& path) { TellCarried(true, read, path); });
  connect(&records_, &RecordsFile::exported, this,
          [this](bool written, const QString& path) { TellCarried(false, written, path); });
  connect(&savedGame_, &SavedGameFile::saveFailed, this, [this](bool failing) {
    notSaved_ = failing;
    ShowGameLine();
  });

  solution_ = new SolutionPlayer(this);
  connect(solution_, &SolutionPlayer::markCell, view_, &BoardView::MarkHint);
  connect(solution_, &SolutionPlayer::pressCell, this,
          [this](std::size_t cell) { Show(session_.Press(cell)); });
  connect(solution_, &SolutionPlayer::finished, this, [this] {
    view_->ClearHint();
    if (GameBoard().Solved()) Show(session_.TurnBlack());  // its end: no message, no record
  });

  CreateMenus();
  ShowChoices();
  ShowGameLine();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::Run(const std::function<void()>& command) {
  // The toolkit keeps clicks and keys away from the main window while a modal window is up (the
  // about window, the win message, a dialog), but not every path: a screen reader's press action,
  // for one, still reaches a cell. So every command of the player comes through here.
  if (QApplication::activeModalWidget() != nullptr) {
    ShowChoices();  // a refused size or colour keeps the check mark where it was
    return;
  }
  solution_->Stop();          // any command ends the solution being shown
  view_->FinishAnimations();  // and draws the board as it stands
  command();
}

void MainWindow::StartUp() {
  const Choices choices = ReadChoices();
  askBeforeHint_ = choices.askBeforeHint;
  askBeforeLeaving_ = choices.askBeforeLeaving;
  level_ = choices.level;
  animationsAction_->setChecked(choices.animations);
  view_->SetAnimated(choices.animations);
  if (choices.zoom != 100) ChooseZoom(choices.zoom);
  symbolsAction_->setChecked(choices.symbolsShown);
  view_->SetSymbolsShown(symbolsAction_->isChecked());
  ShowChoices();  // the level kept, among the others
  BuildBoard();
  UpdateUndoRedo();
  ShowAboutWindow(*this, shell_);
}

void MainWindow::BuildBoard() {
  view_->Rebuild(GameBoard());
  for (std::size_t cell = 0; cell < view_->CellCount(); ++cell) {
    view_->Cell(cell)->setObjectName(QStringLiteral("Command1_%1").arg(cell + 1));
  }
}

void MainWindow::ShowCentred() {
  adjustSize();
  if (screen() != nullptr) CentreWindow(*this, screen()->availableGeometry());
  show();
  connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::WatchScreen,
          Qt::UniqueConnection);
  WatchScreen(screen());
}

void MainWindow::Show(const SessionChange& change) {
  using Cells = SessionChange::Cells;
  if (change.cells == Cells::kNewBoard) {
    BuildBoard();
    // Back to the middle of the design's area, whatever the player did with the window; before
    // the window is first shown, its first place is still to come.
    if (isVisible()) CentreOnDesignArea();
  } else if (change.cells == Cells::kAll) {
    view_->ShowAllCells(GameBoard());
  } else if (change.cells == Cells::kSome) {
    view_->ShowCells(GameBoard(), change.changed);
  }
  for (const RecordEvent& event : change.events) records_.Record(event);
  if (change.saved == SessionChange::Saved::kSave) savedGame_.Save(change.snapshot);
  if (change.saved == SessionChange::Saved::kRemove) savedGame_.Remove();
  if (change.cells != Cells::kSome) ShowChoices();  // a press changes no size or colour count
  UpdateUndoRedo();
  ShowGameLine();
  if (change.solved && !solution_->Playing()) AnnounceWin(change.won);
}

void MainWindow::UpdateUndoRedo() {
  undoAction_->setEnabled(GameBoard().CanUndo());
  redoAction_->setEnabled(GameBoard().CanRedo());
}

void MainWindow::ShowWinOutcome(WinOutcome outcome) {
  if (outcome == WinOutcome::kCannot && winMessage_ != nullptr) winMessage_->SayNotWritten();
}

void MainWindow::ShowGameLine() {
  const std::optional<GameInPlay>& game = session_.Game();
  restartAction_->setEnabled(game.has_value());
  if (game) gameLine_->setText(GameLine(*game, today_(), {session_.RemainingTold(), notSaved_}));
  statusBar()->setVisible(game.has_value());
}

void MainWindow::PressCell(int cell) {
  Show(session_.Press(static_cast<std::size_t>(cell)));
}

void MainWindow::ChooseSize(int size) {
  if (MayLeaveScore()) Show(session_.ChooseSize(size));
}

void MainWindow::ChooseColourCount(int colourCount) {
  if (MayLeaveScore()) Show(session_.ChooseColourCount(colourCount));
}

void MainWindow::ResetBoard() {
  if (MayLeaveScore()) Show(session_.Reset());
}

bool MainWindow::MayLeaveScore() {
  if (!session_.WouldAbandonScore() || !askBeforeLeaving_) return true;
  view_->ClearHint();
  const bool leave = AskBeforeCost(this, LeavingScoreQuestion(GameCodeText(session_.Game()->id)),
                                   askBeforeLeaving_);
  if (!askBeforeLeaving_) SaveChoice(kAskBeforeLeavingKey, false);
  ShowChoices();  // a refused size or colour keeps the check mark where it was
  return leave;
}

void MainWindow::Undo() {
  Show(session_.Undo());
}

void MainWindow::Redo() {
  Show(session_.Redo());
}

bool MainWindow::WaitForFiles(int msecs) {
  return BackgroundWriter::Shared().WaitUntilIdle(msecs);
}

void MainWindow::ShowHowToPlay() {
  view_->ClearHint();
  // The page in the player's language, beside the program.
  ShowInstructions(
      *this, shell_,
      QCoreApplication::applicationDirPath() + QLatin1Char('/') + tr("Instrucciones.htm"));
}

void MainWindow::ShowAbout() {
  view_->ClearHint();
  ShowAboutWindow(*this, shell_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}

void MainWindow::EndProgram() {
  // Closing is never refused. The game in play and the records are on their way to disk; they get
  // a moment to land before the program ends.
  WaitForFiles(2000);
  endProgram_();
}

}  // namespace lucen

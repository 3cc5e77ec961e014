#include "main_window/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "board/hint.h"
#include "board_view/board_view.h"
#include "board_view/cell_button.h"
#include "desktop/centring.h"
#include "desktop/program_identity.h"
#include "desktop/twips.h"
#include "main_window/program_icon.h"
#include "player_files/background_writer.h"
#include "player_files/preferences.h"
#include "progress/daily_game.h"
#include "progress/saved_game.h"
#include "secondary_windows/about_window.h"
#include "secondary_windows/choose_game_dialog.h"
#include "secondary_windows/instructions_window.h"
#include "secondary_windows/records_window.h"
#include "texts/game_texts.h"

namespace lucen {

namespace {

// The desktop's own keys for a standard command, and the usual ones wherever the desktop lacks
// them (an X11 desktop offers only Ctrl+Shift+Z for redo).
QList<QKeySequence> KeysFor(QKeySequence::StandardKey command, const QList<QKeySequence>& usual) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(command);
  for (const QKeySequence& key : usual) {
    if (!keys.contains(key)) keys.append(key);
  }
  return keys;
}

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
      today_(LocalToday) {
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
  statusBar()->addWidget(gameLine_, 1);
  statusBar()->hide();
  connect(&records_, &RecordsFile::winWritten, this, &MainWindow::ShowWinKept);
  // A start guessed to be the code's first play that the records file shows was not: practice.
  connect(&records_, &RecordsFile::read, this, [this](const RecordsReading& reading) {
    if (game_ && game_->scoring && std::ranges::count(reading.notFirstPlays, game_->id) > 0) {
      game_->scoring = false;
      ShowGameLine();
      KeepGame();
    }
  });

  CreateMenus();
  ShowGameLine();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenus() {
  QMenu* game = menuBar()->addMenu(tr("Juego"));
  game->setObjectName(QStringLiteral("MnuGame"));
  AddCommand(game, "MnuReset", tr("Reset"), &MainWindow::ResetBoard);
  game->addSeparator()->setObjectName(QStringLiteral("sep1"));

  QMenu* sizes = game->addMenu(tr("Tamaño"));
  sizes->setObjectName(QStringLiteral("MnuT"));
  sizes_ = new QActionGroup(this);
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    AddChoice(sizes, sizes_, QStringLiteral("MnuTam_%1").arg(size - Board::kMinSize),
              QStringLiteral("%1x%1").arg(size), size, size == board_.Size());
  }
  connect(sizes_, &QActionGroup::triggered, this,
          [this](QAction* item) { Run([this, item] { ChooseSize(item->data().toInt()); }); });

  QMenu* colours = game->addMenu(tr("Colores"));
  colours->setObjectName(QStringLiteral("MnuColor"));
  colours_ = new QActionGroup(this);
  for (int count = Board::kMinColours; count <= Board::kMaxColours; ++count) {
    AddChoice(colours, colours_, QStringLiteral("MnuC_%1").arg(count - Board::kMinColours),
              QString::number(count), count, count == board_.ColourCount());
  }
  connect(colours_, &QActionGroup::triggered, this, [this](QAction* item) {
    Run([this, item] { ChooseColourCount(item->data().toInt()); });
  });

  // Numbered games and their records, beyond the design's own game.
  game->addSeparator();
  AddCommand(game, "MnuPartidaNueva", tr("Partida nueva"), &MainWindow::NewGame,
             KeysFor(QKeySequence::New, {QKeySequence(Qt::CTRL | Qt::Key_N)}));
  AddCommand(game, "MnuPartidaDia", tr("Partida del día"), &MainWindow::StartDailyGame,
             {QKeySequence(Qt::CTRL | Qt::Key_D)});
  AddCommand(game, "MnuElegirPartida", tr("Elegir partida..."), &MainWindow::ChooseGame);
  restartAction_ = AddCommand(game, "MnuReiniciar", tr("Reiniciar partida"),
                              &MainWindow::RestartGame, {QKeySequence(Qt::CTRL | Qt::Key_R)});
  AddCommand(game, "MnuRecords", tr("Récords"), &MainWindow::OpenRecords);

  // Help for a stuck player.
  game->addSeparator();
  undoAction_ = AddCommand(game, "MnuDeshacer", tr("Deshacer"), &MainWindow::Undo,
                           KeysFor(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}));
  redoAction_ =
      AddCommand(game, "MnuRehacer", tr("Rehacer"), &MainWindow::Redo,
                 KeysFor(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                              QKeySequence(Qt::CTRL | Qt::Key_Y)}));
  AddCommand(game, "MnuPista", tr("Pista"), &MainWindow::ShowHint,
             {QKeySequence(Qt::CTRL | Qt::Key_H)});
  game->addSeparator();
  symbolsAction_ = AddCommand(game, "MnuSimbolos", tr("Símbolos"), nullptr);
  symbolsAction_->setCheckable(true);
  // Outside the modal check: it changes only how the cells look, and its check mark stays true.
  connect(symbolsAction_, &QAction::triggered, this, &MainWindow::ShowSymbols);

  QMenu* help = menuBar()->addMenu(tr("Ayuda"));
  help->setObjectName(QStringLiteral("MnuHelpp"));
  AddCommand(help, "MQuien", tr("Como Jugar"), &MainWindow::ShowHowToPlay);
  AddCommand(help, "MnuInfo", tr("Acerca de..."), &MainWindow::ShowAbout);
}

QAction* MainWindow::AddCommand(QMenu* menu, const char* name, const QString& caption,
                                void (MainWindow::*command)(),
                                const QList<QKeySequence>& shortcuts) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  item->setShortcuts(shortcuts);
  if (command != nullptr) {
    connect(item, &QAction::triggered, this,
            [this, command] { Run([this, command] { (this->*command)(); }); });
  }
  return item;
}

void MainWindow::Run(const std::function<void()>& command) {
  // The toolkit keeps clicks and keys away from the main window while a modal window is up (the
  // about window, the win message, a dialog), but not every path: a screen reader's press action,
  // for one, still reaches a cell. So every command of the player comes through here.
  if (QApplication::activeModalWidget() != nullptr) {
    ShowChoices();  // a refused size or colour keeps the check mark where it was
    return;
  }
  command();
}

QAction* MainWindow::AddChoice(QMenu* menu, QActionGroup* group, const QString& name,
                               const QString& caption, int value, bool checked) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setData(value);
  item->setCheckable(true);
  item->setChecked(checked);
  group->addAction(item);
  return item;
}

void MainWindow::StartUp() {
  symbolsAction_->setChecked(ReadSymbolsShown());
  view_->SetSymbolsShown(symbolsAction_->isChecked());
  board_ = Board(5, 2);
  BuildBoard();
  UpdateUndoRedo();
  ShowAboutWindow(*this, shell_);
}

void MainWindow::BuildBoard() {
  view_->Rebuild(board_);
  for (std::size_t cell = 0; cell < view_->CellCount(); ++cell) {
    view_->Cell(cell)->setObjectName(QStringLiteral("Command1_%1").arg(cell + 1));
  }
}

void MainWindow::ShowCentred() {
  adjustSize();
  if (screen() != nullptr) CentreWindow(*this, screen()->availableGeometry());
  show();
}

void MainWindow::PressCell(int cell) {
  if (game_) game_->CountPress();
  ShowMove(board_.Press(static_cast<std::size_t>(cell)));
}

void MainWindow::ShowMove(const MoveResult& move) {
  view_->ShowCells(board_, move.changed);
  UpdateUndoRedo();
  if (move.solved) {
    AnnounceWin();
  } else if (!move.changed.empty()) {
    ShowGameLine();
    KeepGame();
  }
}

void MainWindow::ShowBoard() {
  view_->ShowAllCells(board_);
  UpdateUndoRedo();
}

void MainWindow::ShowChoices() {
  for (QAction* item : sizes_->actions()) item->setChecked(item->data().toInt() == board_.Size());
  for (QAction* item : colours_->actions()) {
    item->setChecked(item->data().toInt() == board_.ColourCount());
  }
}

void MainWindow::UpdateUndoRedo() {
  undoAction_->setEnabled(board_.CanUndo());
  redoAction_->setEnabled(board_.CanRedo());
}

void MainWindow::AnnounceWin() {
  QString message = tr("Lo lograste!!");
  const std::optional<GameInPlay> won = game_;
  if (won) {
    // The win goes to the records at once, and the game is no longer one to bring back; the
    // message says so if the win cannot be written.
    records_.Record(RecordEvent::Win(*won));
    EndGame();
    message += QLatin1Char('\n') + WinLine(*won);
  }
  // The board shows all light green while the message is up. It has no title of its own: the
  // application's title stands in, as for any untitled message.
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), message, QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("WinMessage"));
  if (won) {
    QPushButton* copy = box.addButton(tr("Copiar resultado"), QMessageBox::ActionRole);
    copy->setObjectName(QStringLiteral("CopiarResultado"));
    // Copying leaves the message up, unlike the message's own buttons.
    disconnect(copy, &QPushButton::clicked, nullptr, nullptr);
    connect(copy, &QPushButton::clicked, this,
            [line = ShareLine(*won)] { QGuiApplication::clipboard()->setText(line); });
    box.setDefaultButton(QMessageBox::Ok);
    winMessage_ = &box;
  }
  box.exec();
  winMessage_ = nullptr;
  board_.Clear();
  ShowBoard();
}

void MainWindow::ShowWinKept(WinOutcome outcome) {
  if (outcome != WinOutcome::kCannot || winMessage_ == nullptr) return;
  const QString line = WinNotKeptLine();
  if (!winMessage_->text().endsWith(line)) {
    winMessage_->setText(winMessage_->text() + QLatin1Char('\n') + line);
  }
}

void MainWindow::ShowGameLine() {
  restartAction_->setEnabled(game_.has_value());
  if (game_) gameLine_->setText(GameLine(*game_));
  statusBar()->setVisible(game_.has_value());
}

void MainWindow::KeepGame() {
  if (!game_) return;
  if (const std::optional<SavedGame> saved = Snapshot(board_, *game_)) {
    savedGame_.Save(*saved);
  } else {
    savedGame_.Remove();  // too long a game to keep: the next start is not an older point of it
  }
}

void MainWindow::EndGame() {
  if (!game_) return;
  game_.reset();
  savedGame_.Remove();
  ShowGameLine();
}

void MainWindow::ChooseSize(int size) {
  EndGame();
  ResizeBoard(size);
}

void MainWindow::ResizeBoard(int size) {
  board_.Resize(size);
  BuildBoard();
  UpdateUndoRedo();
  // Back to the middle of a fixed 12000 x 9000 twips area at the screen's origin, whatever the
  // player did with the window; before the window is first shown, its first place is still to
  // come.
  if (isVisible()) CentreWindow(*this, TwipsToPixels({0, 0, 12000, 9000}));
}

void MainWindow::ChooseColourCount(int colourCount) {
  EndGame();
  board_.ChangeColourCount(colourCount);
  ShowBoard();
}

void MainWindow::ResetBoard() {
  EndGame();
  board_.Reset();
  ShowBoard();
}

void MainWindow::Undo() {
  ShowMove(board_.Undo());
}

void MainWindow::Redo() {
  if (game_ && board_.CanRedo()) game_->CountPress();
  ShowMove(board_.Redo());
}

void MainWindow::ShowHint() {
  view_->ClearHint();
  if (game_ && game_->scoring) {
    game_->AskHint();
    ShowGameLine();
    KeepGame();
  }
  const Hint hint = HintFor(board_);
  if (hint.kind == Hint::Kind::kNoSolution) {
    QMessageBox::information(
        this, ApplicationTitle(),
        tr("Este tablero no se puede completar con %1 colores. Prueba otro tamaño u otro "
           "número de colores.")
            .arg(board_.ColourCount()));
    return;
  }
  if (hint.kind == Hint::Kind::kPress) view_->MarkHint(hint.cell);
}

void MainWindow::NewGame() {
  const int number = QRandomGenerator::global()->bounded(kMinGameNumber, kMaxGameNumber + 1);
  StartGame({board_.Size(), board_.ColourCount(), number});
}

void MainWindow::StartDailyGame() {
  const CalendarDate today = today_();
  StartGame(DailyGame(today), today);
}

void MainWindow::RestartGame() {
  if (!game_) return;
  view_->ClearHint();
  board_.Start(MakeGame(game_->id).start);
  game_->Restart();
  ShowBoard();
  ShowGameLine();
  KeepGame();
}

void MainWindow::ChooseGame() {
  view_->ClearHint();
  ChooseGameDialog dialog(this, game_ ? std::optional<GameId>(game_->id) : std::nullopt);
  if (dialog.exec() == QDialog::Accepted && dialog.Chosen()) StartGame(*dialog.Chosen());
}

void MainWindow::OpenRecords() {
  view_->ClearHint();
  ShowRecords(*this, records_.Latest(), today_());
}

void MainWindow::StartGame(const GameId& id, std::optional<CalendarDate> daily) {
  const NumberedGame made = MakeGame(id);
  view_->ClearHint();
  if (id.size != board_.Size()) ResizeBoard(id.size);
  if (id.colourCount != board_.ColourCount()) board_.ChangeColourCount(id.colourCount);
  board_.Start(made.start);
  // Only the first play of a code scores: the records know the codes already started.
  const bool firstPlay = !records_.Latest().records.Played().Contains(id);
  records_.Record(RecordEvent::Start(id, firstPlay));
  game_ = GameInPlay{id, made.fewest, 0, firstPlay, daily};
  ShowChoices();
  ShowBoard();
  ShowGameLine();
  KeepGame();
}

void MainWindow::ResumeSavedGame() {
  const std::optional<SavedGame> saved = savedGame_.Read();
  if (!saved) return;
  const auto resumed = Rebuild(*saved);
  if (!resumed) return;
  if (resumed->first.Size() != board_.Size()) ResizeBoard(resumed->first.Size());
  board_ = resumed->first;
  game_ = resumed->second;
  ShowChoices();
  ShowBoard();
  ShowGameLine();
}

bool MainWindow::WaitForFiles(int msecs) {
  return BackgroundWriter::Shared().WaitUntilIdle(msecs);
}

void MainWindow::ShowSymbols(bool shown) {
  view_->SetSymbolsShown(shown);
  SaveSymbolsShown(shown);
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

#include "main_window/form1.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>

#include "about/form_quindral.h"
#include "board/hint.h"
#include "main_window/application_title.h"
#include "main_window/board_view.h"
#include "main_window/cell_button.h"
#include "main_window/choose_game_dialog.h"
#include "main_window/game_texts.h"
#include "main_window/instructions_window.h"
#include "main_window/program_icon.h"
#include "main_window/records_window.h"
#include "platform/centring.h"
#include "platform/preferences.h"
#include "platform/twips.h"

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

// The toolkit keeps clicks and keys away from the board while a modal window is up (the about
// window, the win message), but not every path: a screen reader's press action, for one, still
// reaches a cell. Commands check for themselves.
bool ModalWindowOpen() {
  return QApplication::activeModalWidget() != nullptr;
}

}  // namespace

Form1::Form1(DesktopShell& shell, QWidget* parent)
    : QMainWindow(parent), shell_(shell), endProgram_([] { QCoreApplication::exit(0); }) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Lucen 2.0"));
  setWindowIcon(ProgramIcon());
  // A fixed layout: the player can neither resize nor maximise the window, but can close it.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  view_ = new BoardView(this);
  view_->setObjectName(QStringLiteral("ClientArea"));
  view_->TemplateCell()->setObjectName(QStringLiteral("Command1_0"));
  setCentralWidget(view_);
  connect(view_, &BoardView::cellClicked, this, &Form1::Command1_Click);

  CreateMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

void Form1::CreateMenus() {
  QMenu* game = menuBar()->addMenu(tr("Juego"));
  game->setObjectName(QStringLiteral("MnuGame"));
  AddCommand(game, "MnuReset", tr("Reset"), &Form1::MnuReset_Click);
  game->addSeparator()->setObjectName(QStringLiteral("sep1"));

  QMenu* sizes = game->addMenu(tr("Tamaño"));
  sizes->setObjectName(QStringLiteral("MnuT"));
  sizes_ = new QActionGroup(this);
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    AddChoice(sizes, sizes_, QStringLiteral("MnuTam_%1").arg(size - Board::kMinSize),
              QStringLiteral("%1x%1").arg(size), size, size == board_.Size());
  }
  connect(sizes_, &QActionGroup::triggered, this,
          [this](QAction* item) { MnuTam_Click(item->data().toInt()); });

  QMenu* colours = game->addMenu(tr("Colores"));
  colours->setObjectName(QStringLiteral("MnuColor"));
  colours_ = new QActionGroup(this);
  for (int count = Board::kMinColours; count <= Board::kMaxColours; ++count) {
    AddChoice(colours, colours_, QStringLiteral("MnuC_%1").arg(count - Board::kMinColours),
              QString::number(count), count, count == board_.ColourCount());
  }
  connect(colours_, &QActionGroup::triggered, this,
          [this](QAction* item) { MnuC_Click(item->data().toInt()); });

  // Numbered games and their records, beyond the design's own game.
  game->addSeparator();
  AddCommand(game, "MnuPartidaNueva", tr("Partida nueva"), &Form1::MnuPartidaNueva_Click,
             KeysFor(QKeySequence::New, {QKeySequence(Qt::CTRL | Qt::Key_N)}));
  AddCommand(game, "MnuElegirPartida", tr("Elegir partida..."), &Form1::MnuElegirPartida_Click);
  AddCommand(game, "MnuRecords", tr("Récords"), &Form1::MnuRecords_Click);

  // Help for a stuck player.
  game->addSeparator();
  undo_ = AddCommand(game, "MnuDeshacer", tr("Deshacer"), &Form1::MnuDeshacer_Click,
                     KeysFor(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}));
  redo_ = AddCommand(game, "MnuRehacer", tr("Rehacer"), &Form1::MnuRehacer_Click,
                     KeysFor(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                                  QKeySequence(Qt::CTRL | Qt::Key_Y)}));
  AddCommand(game, "MnuPista", tr("Pista"), &Form1::MnuPista_Click,
             {QKeySequence(Qt::CTRL | Qt::Key_H)});
  game->addSeparator();
  symbols_ = AddCommand(game, "MnuSimbolos", tr("Símbolos"), nullptr);
  symbols_->setCheckable(true);
  connect(symbols_, &QAction::triggered, this, &Form1::MnuSimbolos_Click);

  QMenu* help = menuBar()->addMenu(tr("Ayuda"));
  help->setObjectName(QStringLiteral("MnuHelpp"));
  AddCommand(help, "MQuien", tr("Como Jugar"), &Form1::MQuien_Click);
  AddCommand(help, "MnuInfo", tr("Acerca de..."), &Form1::MnuInfo_Click);
}

QAction* Form1::AddCommand(QMenu* menu, const char* name, const QString& caption,
                           void (Form1::*command)(), const QList<QKeySequence>& shortcuts) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  item->setShortcuts(shortcuts);
  if (command != nullptr) connect(item, &QAction::triggered, this, command);
  return item;
}

QAction* Form1::AddChoice(QMenu* menu, QActionGroup* group, const QString& name,
                          const QString& caption, int value, bool checked) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setData(value);
  item->setCheckable(true);
  item->setChecked(checked);
  group->addAction(item);  // exclusive: one check mark per group
  return item;
}

void Form1::Form_Load() {
  symbols_->setChecked(ReadSymbolsShown());
  view_->SetSymbolsShown(symbols_->isChecked());
  board_ = Board(5, 2);
  BuildBoard();
  UpdateUndoRedo();
  ShowFormQuindral(*this, shell_);
}

void Form1::BuildBoard() {
  view_->Rebuild(board_);
  for (std::size_t cell = 0; cell < view_->CellCount(); ++cell) {
    view_->Cell(cell)->setObjectName(QStringLiteral("Command1_%1").arg(cell + 1));
  }
}

void Form1::ShowCentred() {
  adjustSize();
  if (screen() != nullptr) CentreWindow(*this, screen()->availableGeometry());
  show();
}

void Form1::Command1_Click(int cell) {
  if (ModalWindowOpen()) return;
  if (game_) ++game_->pressesUsed;
  ShowMove(board_.Press(static_cast<std::size_t>(cell)));
}

void Form1::ShowMove(const MoveResult& move) {
  view_->ShowCells(board_, move.changed);
  UpdateUndoRedo();
  if (move.solved) AnnounceWin();
}

void Form1::ShowBoard() {
  view_->ShowAllCells(board_);
  UpdateUndoRedo();
}

void Form1::ShowChoices() {
  for (QAction* item : sizes_->actions()) item->setChecked(item->data().toInt() == board_.Size());
  for (QAction* item : colours_->actions()) {
    item->setChecked(item->data().toInt() == board_.ColourCount());
  }
}

void Form1::UpdateUndoRedo() {
  undo_->setEnabled(board_.CanUndo());
  redo_->setEnabled(board_.CanRedo());
}

void Form1::AnnounceWin() {
  QString message = tr("Lo lograste!!");
  if (game_) {
    // A numbered game's win is on disk before the message shows, so that nothing after it can
    // lose it.
    records_.AddWin(game_->id.size, game_->id.colourCount, game_->Result());
    message += QLatin1Char('\n') + WinLine(*game_);
  }
  // The board shows all light green while the message is up. It has no title of its own: the
  // application's title stands in, as for any untitled message.
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), message, QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("WinMessage"));
  box.exec();
  game_.reset();
  board_.Clear();
  ShowBoard();
}

void Form1::MnuTam_Click(int size) {
  if (ModalWindowOpen()) return ShowChoices();
  game_.reset();
  ResizeBoard(size);
}

void Form1::ResizeBoard(int size) {
  board_.Resize(size);
  BuildBoard();
  UpdateUndoRedo();
  // Back to the middle of a fixed 12000 x 9000 twips area at the screen's origin, whatever the
  // player did with the window; before the window is first shown, its first place is still to
  // come.
  if (isVisible()) CentreWindow(*this, TwipsToPixels({0, 0, 12000, 9000}));
}

void Form1::MnuC_Click(int colourCount) {
  if (ModalWindowOpen()) return ShowChoices();
  game_.reset();
  board_.ChangeColourCount(colourCount);
  ShowBoard();
}

void Form1::MnuReset_Click() {
  if (ModalWindowOpen()) return;
  game_.reset();
  board_.Reset();
  ShowBoard();
}

void Form1::MnuDeshacer_Click() {
  if (ModalWindowOpen()) return;
  ShowMove(board_.Undo());
}

void Form1::MnuRehacer_Click() {
  if (ModalWindowOpen()) return;
  if (game_ && board_.CanRedo()) ++game_->pressesUsed;
  ShowMove(board_.Redo());
}

void Form1::MnuPista_Click() {
  if (ModalWindowOpen()) return;
  view_->ClearHint();
  if (game_) game_->hintAsked = true;
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

void Form1::MnuPartidaNueva_Click() {
  if (ModalWindowOpen()) return;
  const int number = QRandomGenerator::global()->bounded(kMinGameNumber, kMaxGameNumber + 1);
  StartGame({board_.Size(), board_.ColourCount(), number});
}

void Form1::MnuElegirPartida_Click() {
  if (ModalWindowOpen()) return;
  view_->ClearHint();
  ChooseGameDialog dialog(this, game_ ? std::optional<GameId>(game_->id) : std::nullopt);
  if (dialog.exec() == QDialog::Accepted && dialog.Chosen()) StartGame(*dialog.Chosen());
}

void Form1::MnuRecords_Click() {
  if (ModalWindowOpen()) return;
  view_->ClearHint();
  ShowRecords(*this, records_.Read());
}

void Form1::StartGame(const GameId& id) {
  const NumberedGame made = MakeGame(id);
  if (id.size != board_.Size()) ResizeBoard(id.size);
  if (id.colourCount != board_.ColourCount()) board_.ChangeColourCount(id.colourCount);
  board_.Start(made.start);
  game_ = GameInPlay{id, made.fewest};
  ShowChoices();
  ShowBoard();
}

void Form1::MnuSimbolos_Click(bool shown) {
  view_->SetSymbolsShown(shown);
  KeepSymbolsShown(shown);
}

void Form1::MQuien_Click() {
  view_->ClearHint();
  // The page in the player's language, beside the program.
  ShowInstructions(
      *this, shell_,
      QCoreApplication::applicationDirPath() + QLatin1Char('/') + tr("Instrucciones.htm"));
}

void Form1::MnuInfo_Click() {
  view_->ClearHint();
  ShowFormQuindral(*this, shell_);
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  Form_Unload();
}

void Form1::Form_Unload() {
  // Closing is never refused and nothing is kept: the program simply ends.
  endProgram_();
}

}  // namespace lucen

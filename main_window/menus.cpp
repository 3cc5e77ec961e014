// The main window's menu tree, built in one place: one action per command, and exclusive groups
// for the size and colour choices.
#include <QActionGroup>
#include <QMenuBar>

#include "main_window/main_window.h"

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

}  // namespace

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
              QStringLiteral("%1x%1").arg(size), size);
  }
  connect(sizes_, &QActionGroup::triggered, this,
          [this](QAction* item) { Run([this, item] { ChooseSize(item->data().toInt()); }); });

  QMenu* colours = game->addMenu(tr("Colores"));
  colours->setObjectName(QStringLiteral("MnuColor"));
  colours_ = new QActionGroup(this);
  for (int count = Board::kMinColours; count <= Board::kMaxColours; ++count) {
    AddChoice(colours, colours_, QStringLiteral("MnuC_%1").arg(count - Board::kMinColours),
              QString::number(count), count);
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
  AddCommand(game, "MnuDiasAnteriores", tr("Días anteriores..."), &MainWindow::ChoosePastDay);
  AddCommand(game, "MnuElegirPartida", tr("Elegir partida..."), &MainWindow::ChooseGame);
  restartAction_ = AddCommand(game, "MnuReiniciar", tr("Reiniciar partida"),
                              &MainWindow::RestartGame, {QKeySequence(Qt::CTRL | Qt::Key_R)});
  AddCommand(game, "MnuRecords", tr("Récords"), &MainWindow::OpenRecords);
  QMenu* levels = game->addMenu(tr("Dificultad"));
  levels->setObjectName(QStringLiteral("MnuDificultad"));
  levels_ = new QActionGroup(this);
  const std::pair<Level, QString> levelNames[] = {
      {Level::kEasy, tr("Fácil")}, {Level::kNormal, tr("Normal")}, {Level::kHard, tr("Difícil")}};
  for (const auto& [level, caption] : levelNames) {
    AddChoice(levels, levels_, QStringLiteral("MnuNivel_%1").arg(int(level)), caption, int(level));
  }
  connect(levels_, &QActionGroup::triggered, this, [this](QAction* item) {
    Run([this, item] { ChooseLevel(static_cast<Level>(item->data().toInt())); });
  });

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
  animationsAction_ = AddCommand(game, "MnuAnimaciones", tr("Animaciones"), nullptr);
  animationsAction_->setCheckable(true);
  // Outside the modal check too, for the same reason.
  connect(animationsAction_, &QAction::triggered, this, &MainWindow::ShowAnimations);

  QMenu* zooms = game->addMenu(tr("Ampliación"));
  zooms->setObjectName(QStringLiteral("MnuAmpliacion"));
  zooms_ = new QActionGroup(this);
  for (const int percent : kZooms) {
    AddChoice(zooms, zooms_, QStringLiteral("MnuZoom_%1").arg(percent),
              QLocale().toString(percent) + QLatin1Char('%'), percent);
  }
  connect(zooms_, &QActionGroup::triggered, this,
          [this](QAction* item) { Run([this, item] { ChooseZoom(item->data().toInt()); }); });
  zooms->addSeparator();
  zoomInAction_ = AddCommand(
      zooms, "MnuAmpliar", tr("Ampliar"), &MainWindow::ZoomIn,
      KeysFor(QKeySequence::ZoomIn,
              {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
  zoomOutAction_ =
      AddCommand(zooms, "MnuReducir", tr("Reducir"), &MainWindow::ZoomOut,
                 KeysFor(QKeySequence::ZoomOut, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}));

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

QAction* MainWindow::AddChoice(QMenu* menu, QActionGroup* group, const QString& name,
                               const QString& caption, int value) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setData(value);
  item->setCheckable(true);  // its mark is set by ShowChoices, with the others of its group
  group->addAction(item);
  return item;
}

void MainWindow::ShowChoices() {
  for (QAction* item : sizes_->actions()) {
    item->setChecked(item->data().toInt() == GameBoard().Size());
  }
  for (QAction* item : colours_->actions()) {
    item->setChecked(item->data().toInt() == GameBoard().ColourCount());
  }
  for (QAction* item : levels_->actions()) item->setChecked(item->data().toInt() == int(level_));
  for (QAction* item : zooms_->actions()) item->setChecked(item->data().toInt() == zoom_);
}

}  // namespace lucen

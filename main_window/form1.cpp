#include "main_window/form1.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include "about/form_quindral.h"
#include "main_window/cell_button.h"
#include "main_window/history_list.h"
#include "main_window/program_icon.h"
#include "platform/accessibility.h"
#include "platform/screen_centre.h"
#include "platform/twips.h"

namespace lucen {

namespace {

// The client area below the menu bar, in twips.
constexpr TwipsRect kClientArea{0, 0, 4020, 4005};

}  // namespace

Form1::Form1(DesktopShell& shell, QWidget* parent)
    : QMainWindow(parent),
      shell_(shell),
      endProgram_([] { QCoreApplication::exit(0); }),
      view_(CreateDesign()),
      board_(*view_) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Lucen 2.0"));
  setWindowIcon(ProgramIcon());
  // A fixed layout: the player can neither resize nor maximise the window, but can close it.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  CreateMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  view_->SetClickHandler([this](std::int16_t index) { board_.Command1_Click(index); });
}

Form1::~Form1() = default;

std::unique_ptr<BoardView> Form1::CreateDesign() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(TwipsToPixels(kClientArea).size());
  setCentralWidget(client);

  // Created in tab order: the history, the board area, then the template cell.
  List1 = new HistoryList(client);
  List1->setObjectName(QStringLiteral("List1"));
  SetTwipsRect(List1, {960, 300, 615, 255});
  List1->hide();

  Label2 = new QLabel(client);
  Label2->setObjectName(QStringLiteral("Label2"));
  SetTwipsRect(Label2, {240, 180, 3615, 3615});
  Label2->hide();

  templateCell_ = new CellButton(client);
  templateCell_->setObjectName(QStringLiteral("Command1_0"));
  templateCell_->SetColour(Qt::black);
  templateCell_->setFocusPolicy(Qt::NoFocus);
  SetTwipsRect(templateCell_, {180, 180, 555, 555});
  ListShownChildrenOnly(client, templateCell_);  // the cells, not the hidden controls

  return std::make_unique<BoardView>(client, templateCell_, List1, Label2);
}

void Form1::CreateMenus() {
  MnuGame = menuBar()->addMenu(QStringLiteral("Juego"));
  MnuGame->setObjectName(QStringLiteral("MnuGame"));

  MnuReset = MnuGame->addAction(QStringLiteral("Reset"));
  MnuReset->setObjectName(QStringLiteral("MnuReset"));
  connect(MnuReset, &QAction::triggered, this, &Form1::MnuReset_Click);

  sep1 = MnuGame->addSeparator();
  sep1->setObjectName(QStringLiteral("sep1"));

  MnuT = MnuGame->addMenu(QStringLiteral("Tamaño"));
  MnuT->setObjectName(QStringLiteral("MnuT"));
  auto* sizes = new QActionGroup(this);
  sizes->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);  // the command sets the marks
  connect(sizes, &QActionGroup::triggered, this, [this](QAction* chosen) {
    MnuTam_Click(static_cast<std::int16_t>(MnuTam.indexOf(chosen)));
  });
  QAction* fiveByFive = MnuT->addAction(QStringLiteral("5x5"));
  fiveByFive->setObjectName(QStringLiteral("MnuTam_0"));
  fiveByFive->setCheckable(true);
  sizes->addAction(fiveByFive);
  MnuTam.append(fiveByFive);

  MnuColor = MnuGame->addMenu(QStringLiteral("Colores"));
  MnuColor->setObjectName(QStringLiteral("MnuColor"));
  auto* colours = new QActionGroup(this);
  colours->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
  connect(colours, &QActionGroup::triggered, this,
          [this](QAction* chosen) { MnuC_Click(static_cast<std::int16_t>(MnuC.indexOf(chosen))); });
  for (int i = 0; i < 3; ++i) {
    QAction* item = MnuColor->addAction(QString::number(i + 2));
    item->setObjectName(QStringLiteral("MnuC_%1").arg(i));
    item->setCheckable(true);
    item->setChecked(i == 0);
    colours->addAction(item);
    MnuC.append(item);
  }

  MnuHelpp = menuBar()->addMenu(QStringLiteral("Ayuda"));
  MnuHelpp->setObjectName(QStringLiteral("MnuHelpp"));
  MQuien = MnuHelpp->addAction(QStringLiteral("Como Jugar"));
  MQuien->setObjectName(QStringLiteral("MQuien"));
  connect(MQuien, &QAction::triggered, this, &Form1::MQuien_Click);
  MnuInfo = MnuHelpp->addAction(QStringLiteral("Acerca de..."));
  MnuInfo->setObjectName(QStringLiteral("MnuInfo"));
  connect(MnuInfo, &QAction::triggered, this, &Form1::MnuInfo_Click);
}

void Form1::Form_Load() {
  auto* sizes = MnuTam.front()->actionGroup();
  for (std::int16_t i = 1; i <= 4; ++i) {
    QAction* item = MnuT->addAction(QStringLiteral("%1x%1").arg(i + 5));
    item->setObjectName(QStringLiteral("MnuTam_%1").arg(i));
    item->setCheckable(true);
    sizes->addAction(item);
    MnuTam.append(item);
  }
  MnuTam[0]->setChecked(true);

  board_.BoardCols = 5;
  board_.BoardRows = 5;
  board_.ColourCount = 2;
  BuildBoard();

  ShowFormQuindral(*this, shell_);
}

void Form1::BuildBoard() {
  view_->SetColumns(board_.BoardCols);
  board_.BuildBoard();
  view_->FocusFirstCell();
}

void Form1::ShowCentred() {
  adjustSize();
  MoveToScreenCentre(*this, screen());
  show();
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

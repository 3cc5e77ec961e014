// The five menu commands of the main window.
#include <QAction>
#include <QCoreApplication>

#include "about/form_quindral.h"
#include "board/rounding.h"
#include "main_window/centring.h"
#include "main_window/form1.h"
#include "platform/desktop_shell.h"
#include "platform/twips.h"

namespace lucen {

void Form1::MnuTam_Click(std::int16_t Index) {
  const auto count = static_cast<std::int16_t>(MnuTam.size());
  if (Index < 0 || Index >= count) return;
  for (std::int16_t i = 0; i < count; ++i) MnuTam[i]->setChecked(false);
  MnuTam[Index]->setChecked(true);

  board_.TearDown();

  // The size is the first character of the caption: "7x7" gives 7.
  const QString digit = MnuTam[Index]->text().left(1);
  board_.BoardCols = static_cast<std::int16_t>(RoundHalfEven(digit.toDouble()));
  board_.BoardRows = board_.BoardCols;
  BuildBoard();

  // Back to the centre of the fixed 800 x 600 area, whatever the player did with the window.
  const QRect outer = frameGeometry();
  const QPointF place = CentreOnFixedArea(static_cast<float>(outer.width()) * kTwipsPerPixel,
                                          static_cast<float>(outer.height()) * kTwipsPerPixel);
  move(RoundHalfEven(place.x() / kTwipsPerPixel), RoundHalfEven(place.y() / kTwipsPerPixel));
}

void Form1::MnuC_Click(std::int16_t Index) {
  if (Index < 0 || Index >= MnuC.size()) return;
  for (QAction* item : MnuC) item->setChecked(false);
  MnuC[Index]->setChecked(true);
  board_.ColourCount = static_cast<std::int16_t>(Index + 2);
  MnuReset_Click();
}

void Form1::MnuReset_Click() {
  board_.MnuReset_Click();
}

void Form1::MQuien_Click() {
  shell_.ShellExecuteA(this, QStringLiteral("Open"), QStringLiteral("Instrucciones.htm"), QString(),
                       QCoreApplication::applicationDirPath(), 1);
}

void Form1::MnuInfo_Click() {
  ShowFormQuindral(*this, shell_);
}

}  // namespace lucen

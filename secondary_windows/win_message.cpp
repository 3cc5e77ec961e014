#include "secondary_windows/win_message.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>

#include "desktop/program_identity.h"
#include "texts/game_texts.h"

namespace lucen {

namespace {

constexpr int kCopiedShownMs = 2000;

}  // namespace

WinMessage::WinMessage(QWidget* parent, const std::optional<GameInPlay>& won, int streak)
    // It has no title of its own: the application's title stands in, as for any untitled message.
    : QMessageBox(QMessageBox::NoIcon, ApplicationTitle(), tr("Lo lograste!!"), QMessageBox::Ok,
                  parent) {
  setObjectName(QStringLiteral("WinMessage"));
  if (!won) return;
  setText(text() + QLatin1Char('\n') + WinLines(*won, streak));
  another_ = addButton(tr("Otra &partida"), QMessageBox::AcceptRole);
  another_->setObjectName(QStringLiteral("OtraPartida"));
  solution_ = addButton(tr("&Ver solución"), QMessageBox::AcceptRole);
  solution_->setObjectName(QStringLiteral("VerSolucion"));
  QPushButton* copy = addButton(tr("&Copiar resultado"), QMessageBox::ActionRole);
  copy->setObjectName(QStringLiteral("CopiarResultado"));
  // Copying leaves the message up, unlike the message's other buttons, and says so on the button
  // itself, where a screen reader hears the new name.
  disconnect(copy, &QPushButton::clicked, nullptr, nullptr);
  connect(copy, &QPushButton::clicked, this, [copy, line = ShareLine(*won, streak)] {
    QGuiApplication::clipboard()->setText(line);
    const QString caption = tr("&Copiar resultado");
    copy->setText(tr("Copiado"));
    QTimer::singleShot(kCopiedShownMs, copy, [copy, caption] { copy->setText(caption); });
  });
  setDefaultButton(QMessageBox::Ok);
  // With more than one accepting button, Escape and the title bar's close would do nothing.
  setEscapeButton(QMessageBox::Ok);
}

WinMessage::Next WinMessage::Chosen() const {
  if (another_ != nullptr && clickedButton() == another_) return Next::kAnotherGame;
  if (solution_ != nullptr && clickedButton() == solution_) return Next::kWatchSolution;
  return Next::kNothing;
}

void WinMessage::SayNotWritten() {
  const QString line = WinNotKeptLine();
  if (!text().endsWith(line)) setText(text() + QLatin1Char('\n') + line);
}

}  // namespace lucen

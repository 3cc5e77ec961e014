#include "secondary_windows/win_message.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "desktop/program_identity.h"
#include "texts/game_texts.h"

namespace lucen {

WinMessage::WinMessage(QWidget* parent, const std::optional<GameInPlay>& won)
    // It has no title of its own: the application's title stands in, as for any untitled message.
    : QMessageBox(QMessageBox::NoIcon, ApplicationTitle(), tr("Lo lograste!!"), QMessageBox::Ok,
                  parent) {
  setObjectName(QStringLiteral("WinMessage"));
  if (!won) return;
  setText(text() + QLatin1Char('\n') + WinLine(*won));
  QPushButton* copy = addButton(tr("Copiar resultado"), QMessageBox::ActionRole);
  copy->setObjectName(QStringLiteral("CopiarResultado"));
  // Copying leaves the message up, unlike the message's own buttons.
  disconnect(copy, &QPushButton::clicked, nullptr, nullptr);
  connect(copy, &QPushButton::clicked, this,
          [line = ShareLine(*won)] { QGuiApplication::clipboard()->setText(line); });
  setDefaultButton(QMessageBox::Ok);
}

void WinMessage::SayNotWritten() {
  const QString line = WinNotKeptLine();
  if (!text().endsWith(line)) setText(text() + QLatin1Char('\n') + line);
}

}  // namespace lucen

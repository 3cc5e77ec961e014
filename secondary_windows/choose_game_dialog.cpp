#include "secondary_windows/choose_game_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "board/game_code.h"
#include "texts/game_texts.h"

namespace lucen {

ChooseGameDialog::ChooseGameDialog(QWidget* parent, const std::optional<GameId>& current)
    : QDialog(parent) {
  setObjectName(QStringLiteral("ElegirPartida"));
  setWindowTitle(tr("Elegir partida"));

  auto* playing = new QLineEdit(this);
  playing->setObjectName(QStringLiteral("PartidaActual"));
  playing->setReadOnly(true);
  if (current) playing->setText(GameCodeText(*current));
  playing->setPlaceholderText(tr("ninguna partida numerada"));
  auto* copy = new QPushButton(tr("Copiar"), this);
  copy->setAutoDefault(false);
  copy->setEnabled(current.has_value());
  connect(copy, &QPushButton::clicked, this,
          [playing] { QApplication::clipboard()->setText(playing->text()); });
  auto* playingRow = new QHBoxLayout;
  playingRow->addWidget(playing);
  playingRow->addWidget(copy);

  code_ = new QLineEdit(this);
  code_->setObjectName(QStringLiteral("CodigoPartida"));
  code_->setPlaceholderText(QStringLiteral("7x7-3-123456"));
  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("ProblemaCodigo"));
  problem_->setWordWrap(true);
  problem_->hide();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &ChooseGameDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ChooseGameDialog::reject);

  auto* form = new QFormLayout(this);
  form->addRow(tr("Partida actual:"), playingRow);
  form->addRow(tr("Jugar la partida:"), code_);
  form->addRow(problem_);
  form->addRow(buttons);

  // Ready to copy when there is a game in play, ready to type otherwise.
  if (current) {
    playing->setFocus();
    playing->selectAll();
  } else {
    code_->setFocus();
  }
}

void ChooseGameDialog::accept() {
  const QString text = code_->text();
  // A friend's whole shared line names its game too: the code is found anywhere in it.
  if (const std::optional<GameId> found = FindGameCode(text.toStdString())) {
    chosen_ = found;
    QDialog::accept();
    return;
  }
  // No code anywhere: the text is read as one, to say what is wrong with it.
  const auto reading = ReadGameCode(text.toStdString());
  const auto* error = std::get_if<CodeError>(&reading);
  problem_->setText(CodeErrorText(error != nullptr ? *error : CodeError::kNotACode, text));
  problem_->show();
  code_->setFocus();
  code_->selectAll();
}

}  // namespace lucen

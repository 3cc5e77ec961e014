#include "secondary_windows/question_box.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include "desktop/program_identity.h"

namespace lucen {

namespace {

class Questions {
  Q_DECLARE_TR_FUNCTIONS(Questions)

 public:
  static QString Hint() { return tr("Con una pista, esta partida ya no cuenta para los récords."); }
  static QString SeeHint() { return tr("Ver pista"); }
  static QString Cancel() { return tr("Cancelar"); }
  static QString Leaving(const QString& code) {
    return tr("La partida %1 aún cuenta para los récords. Si la dejas, contará como jugada y no "
              "ganada.")
        .arg(code);
  }
  static QString Leave() { return tr("Dejarla"); }
  static QString KeepPlaying() { return tr("Seguir jugando"); }
  static QString DontAskAgain() { return tr("No volver a preguntar"); }
};

}  // namespace

bool AskBeforeCost(QWidget* parent, const CostQuestion& question, bool& askAgain) {
  QMessageBox box(QMessageBox::Question, ApplicationTitle(), question.question,
                  QMessageBox::NoButton, parent);
  box.setObjectName(QLatin1String(question.name));
  QPushButton* goOn = box.addButton(question.goOn, QMessageBox::AcceptRole);
  QPushButton* stay = box.addButton(question.stayOn, QMessageBox::RejectRole);
  box.setDefaultButton(stay);
  box.setEscapeButton(stay);
  auto* dontAsk = new QCheckBox(Questions::DontAskAgain(), &box);
  box.setCheckBox(dontAsk);
  box.exec();
  const bool wentOn = box.clickedButton() == goOn;
  if (wentOn && dontAsk->isChecked()) askAgain = false;
  return wentOn;
}

CostQuestion HintCostQuestion() {
  return {"PreguntaPista", Questions::Hint(), Questions::SeeHint(), Questions::Cancel()};
}

CostQuestion LeavingScoreQuestion(const QString& code) {
  return {"PreguntaDejar", Questions::Leaving(code), Questions::Leave(), Questions::KeepPlaying()};
}

}  // namespace lucen

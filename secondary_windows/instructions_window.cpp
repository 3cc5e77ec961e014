#include "secondary_windows/instructions_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "desktop/desktop_shell.h"
#include "desktop/program_identity.h"

namespace lucen {

namespace {

class InstructionsTexts {
  Q_DECLARE_TR_FUNCTIONS(InstructionsTexts)

 public:
  static QString Missing(const QString& page) {
    return tr("No se encuentran las instrucciones: falta el archivo\n%1")
        .arg(QDir::toNativeSeparators(page));
  }
  static QString Title() { return tr("Como Jugar"); }
};

const QString kWindowName = QStringLiteral("Instrucciones");

// The page as Qt renders simple HTML, read-only, in a window that goes when closed.
void ShowPage(QWidget& mainWindow, const QString& page) {
  if (auto* open = mainWindow.findChild<QDialog*>(kWindowName)) {
    open->raise();
    open->activateWindow();
    return;
  }
  auto* window = new QDialog(&mainWindow);
  window->setObjectName(kWindowName);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(InstructionsTexts::Title());
  auto* text = new QTextBrowser(window);
  text->setOpenLinks(false);  // the page is all there is to read
  text->setSource(QUrl::fromLocalFile(page));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
  QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(text);
  layout->addWidget(buttons);
  window->resize(480, 420);
  window->show();
}

}  // namespace

void ShowInstructions(QWidget& mainWindow, DesktopShell& shell, const QString& page) {
  if (!QFileInfo(page).isFile()) {
    QMessageBox::warning(&mainWindow, ApplicationTitle(), InstructionsTexts::Missing(page));
    return;
  }
  if (!shell.Open(QUrl::fromLocalFile(page))) ShowPage(mainWindow, page);
}

}  // namespace lucen

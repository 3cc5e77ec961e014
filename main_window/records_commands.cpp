// The main window's commands for the records: showing them, and carrying them to and from another
// computer or the browser edition in a records file.
#include <QFileDialog>
#include <QMessageBox>

#include "board_view/board_view.h"
#include "desktop/program_identity.h"
#include "main_window/main_window.h"
#include "secondary_windows/records_window.h"

namespace lucen {

namespace {

// A records file to write or read, asked of the player in Qt's own file dialog.
QString AskForRecordsFile(QWidget* parent, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, mode == QFileDialog::AcceptSave ? MainWindow::tr("Exportar récords")
                                                             : MainWindow::tr("Importar récords"));
  dialog.setObjectName(QStringLiteral("ArchivoRecords"));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
  dialog.setNameFilters(
      {MainWindow::tr("Récords (*.json)"), MainWindow::tr("Todos los archivos (*)")});
  dialog.setDefaultSuffix(QStringLiteral("json"));
  dialog.selectFile(QStringLiteral("records.json"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

void MainWindow::OpenRecords() {
  view_->ClearHint();
  RecordsReading reading = records_.Latest();
  reading.records = session_.KnownRecords();
  switch (ShowRecords(*this, reading, today_())) {
    case RecordsCarry::kExport:
      if (const QString path = AskForRecordsFile(this, QFileDialog::AcceptSave); !path.isEmpty()) {
        records_.Export(path);
      }
      break;
    case RecordsCarry::kImport:
      if (const QString path = AskForRecordsFile(this, QFileDialog::AcceptOpen); !path.isEmpty()) {
        records_.Import(path);
      }
      break;
    case RecordsCarry::kNothing:
      break;
  }
}

void MainWindow::TellCarried(bool imported, bool done, const QString& path) {
  QString text;
  if (imported) {
    text = done ? tr("Se añadieron los récords de «%1».")
                : tr("«%1» no es un archivo de récords que se pueda leer: los récords no cambian.");
  } else {
    text = done ? tr("Los récords se guardaron en «%1».")
                : tr("No se pudieron guardar los récords en «%1».");
  }
  QMessageBox::information(this, ApplicationTitle(), text.arg(path));
}

}  // namespace lucen

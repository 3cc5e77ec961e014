#include "secondary_windows/records_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "player_files/records_file.h"

namespace lucen {

namespace {

class RecordsTexts {
  Q_DECLARE_TR_FUNCTIONS(RecordsTexts)

 public:
  static QString Title() { return tr("Récords"); }
  static QStringList Columns() {
    return {tr("Tablero"), tr("Colores"), tr("Ganadas"), tr("Mejor resultado")};
  }
  static QString Perfect() { return tr("0, perfecta"); }
  static QString Explanation() {
    return tr(
        "El resultado cuenta las pulsaciones de más sobre el mínimo: 0 es una partida "
        "perfecta. Una partida ganada con ayuda de una pista cuenta como ganada, pero no "
        "como récord.");
  }
  static QString SomeUnreadable() {
    return tr("Algunos récords guardados no se pudieron leer; se muestran los demás.");
  }
  static QString CannotKeep() {
    return tr("Los récords no se pueden guardar: se conservan hasta que cierres el juego.");
  }
};

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

QTableWidget* RecordsTable(QWidget* parent, const Records& records) {
  auto* table = new QTableWidget(0, 4, parent);
  table->setObjectName(QStringLiteral("TablaRecords"));
  table->setHorizontalHeaderLabels(RecordsTexts::Columns());
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const BoardRecord& record = records.At(size, colours);
      const int row = table->rowCount();
      table->insertRow(row);
      table->setItem(row, 0, Cell(QStringLiteral("%1x%1").arg(size)));
      table->setItem(row, 1, Cell(QString::number(colours)));
      table->setItem(row, 2, Cell(QString::number(record.won)));
      const QString best = !record.best        ? QStringLiteral("—")
                           : *record.best == 0 ? RecordsTexts::Perfect()
                                               : QString::number(*record.best);
      table->setItem(row, 3, Cell(best));
    }
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

QLabel* Note(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

void ShowRecords(QWidget& mainWindow, const RecordsReading& reading) {
  QDialog window(&mainWindow);
  window.setObjectName(QStringLiteral("Records"));
  window.setWindowTitle(RecordsTexts::Title());
  auto* layout = new QVBoxLayout(&window);
  QTableWidget* table = RecordsTable(&window, reading.records);
  layout->addWidget(table);
  layout->addWidget(Note(&window, RecordsTexts::Explanation()));
  if (reading.someUnreadable) {
    QLabel* note = Note(&window, RecordsTexts::SomeUnreadable());
    note->setObjectName(QStringLiteral("RecordsIlegibles"));
    layout->addWidget(note);
  }
  if (reading.cannotKeep) {
    QLabel* note = Note(&window, RecordsTexts::CannotKeep());
    note->setObjectName(QStringLiteral("RecordsNoGuardados"));
    layout->addWidget(note);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
  layout->addWidget(buttons);
  // Every row shows without scrolling where the screen has room; on a small screen the table
  // scrolls instead.
  const int rows = table->horizontalHeader()->sizeHint().height() +
                   table->rowCount() * table->verticalHeader()->defaultSectionSize() +
                   2 * table->frameWidth();
  QSize size = window.sizeHint();
  size.rheight() += rows - table->sizeHint().height();
  if (const QScreen* screen = mainWindow.screen()) {
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  }
  window.resize(size);
  window.exec();
}

}  // namespace lucen

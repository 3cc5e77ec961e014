#include "secondary_windows/records_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "player_files/records_file.h"
#include "secondary_windows/results_chart.h"

namespace lucen {

namespace {

class RecordsTexts {
  Q_DECLARE_TR_FUNCTIONS(RecordsTexts)

 public:
  static QString Title() { return tr("Récords"); }
  static QString CurrentStreak(int days) { return tr("Racha actual: %n días", nullptr, days); }
  static QString BestStreak(int days) { return tr("Mejor racha: %n días", nullptr, days); }
  static QString Board(int size, int colours) {
    return tr("%1x%1, %2 colores").arg(size).arg(colours);
  }
  static QString Played() { return tr("Jugadas:"); }
  static QString Won() { return tr("Ganadas:"); }
  static QString Perfect() { return tr("Perfectas:"); }
  static QString Average() { return tr("Resultado medio:"); }
  static QString Best() { return tr("Mejor resultado:"); }
  static QString None() { return QStringLiteral("—"); }
  static QStringList Groups() {
    return {QStringLiteral("0"),   QStringLiteral("1"),    QStringLiteral("2"),
            QStringLiteral("3–5"), QStringLiteral("6–10"), tr("más")};
  }
  static QString Explanation() {
    return tr(
        "El resultado cuenta las pulsaciones de más sobre el mínimo: menos es mejor, y 0 es "
        "una partida perfecta. Cuenta la primera partida de cada código, ganada sin pistas y "
        "sin reiniciarla.");
  }
  static QString NothingPlayed() {
    return tr(
        "Aún no has jugado ninguna partida numerada. Empieza una con «Partida nueva» o "
        "«Partida del día», en el menú «Juego».");
  }
  static QString SomeUnreadable() {
    return tr("Algunos récords guardados no se pudieron leer; se muestran los demás.");
  }
  static QString Export() { return tr("Exportar récords..."); }
  static QString Import() { return tr("Importar récords..."); }
  static QString CannotKeep() {
    return tr("Los récords no se pueden guardar: se conservan hasta que cierres el juego.");
  }
};

QLabel* Note(QWidget* parent, const QString& text, const char* name = nullptr) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  if (name != nullptr) label->setObjectName(QLatin1String(name));
  return label;
}

QString AverageText(const BoardRecord& record) {
  const std::optional<double> average = record.AverageResult();
  return average ? QLocale().toString(*average, 'f', 1) : RecordsTexts::None();
}

// One board's numbers and its chart.
QGroupBox* BoardBox(QWidget* parent, int size, int colours, const BoardRecord& record) {
  auto* box = new QGroupBox(RecordsTexts::Board(size, colours), parent);
  box->setObjectName(QStringLiteral("Tablero_%1x%1-%2").arg(size).arg(colours));
  auto* numbers = new QFormLayout;
  numbers->addRow(RecordsTexts::Played(), new QLabel(QString::number(record.PlayedShown())));
  numbers->addRow(RecordsTexts::Won(), new QLabel(QString::number(record.won)));
  numbers->addRow(RecordsTexts::Perfect(), new QLabel(QString::number(record.Perfect())));
  numbers->addRow(RecordsTexts::Average(), new QLabel(AverageText(record)));
  numbers->addRow(RecordsTexts::Best(),
                  new QLabel(record.best ? QString::number(*record.best) : RecordsTexts::None()));
  auto* chart =
      new ResultsChart(std::vector<int>(record.distribution.begin(), record.distribution.end()),
                       RecordsTexts::Groups(), box);
  chart->setObjectName(QStringLiteral("Resultados"));
  chart->setAccessibleName(box->title());
  auto* layout = new QVBoxLayout(box);
  layout->addLayout(numbers);
  layout->addWidget(chart, 0, Qt::AlignLeft);
  return box;
}

// Every board played, smallest first.
QWidget* BoardsPlayed(const Records& records) {
  auto* boards = new QWidget;
  auto* layout = new QVBoxLayout(boards);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const BoardRecord& record = records.At(size, colours);
      if (!record.Empty()) layout->addWidget(BoardBox(boards, size, colours, record));
    }
  }
  if (layout->isEmpty()) return nullptr;
  layout->addStretch();
  return boards;
}

}  // namespace

RecordsWindow::RecordsWindow(QWidget* parent, const RecordsReading& reading,
                             const CalendarDate& today)
    : QDialog(parent) {
  setObjectName(QStringLiteral("Records"));
  setWindowTitle(RecordsTexts::Title());
  auto* layout = new QVBoxLayout(this);
  const Streak& streak = reading.records.DailyStreak();
  layout->addWidget(
      Note(this, RecordsTexts::CurrentStreak(CurrentAsOf(streak, today)), "RachaActual"));
  layout->addWidget(Note(this, RecordsTexts::BestStreak(streak.best), "MejorRacha"));

  if (QWidget* boards = BoardsPlayed(reading.records)) {
    boards_ = new QScrollArea(this);
    boards_->setObjectName(QStringLiteral("TablerosJugados"));
    boards_->setWidget(boards);
    boards_->setWidgetResizable(true);
    boards_->setFrameShape(QFrame::NoFrame);
    // Wide enough for the boards beside the vertical scroll bar, so that nothing ever scrolls
    // sideways; tall enough for them all where the screen has room.
    boards_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize content = boards->sizeHint();
    boards_->setMinimumWidth(content.width() + boards_->verticalScrollBar()->sizeHint().width());
    int tallest = content.height();
    if (parent != nullptr && parent->screen() != nullptr) {
      tallest = std::min(tallest, parent->screen()->availableGeometry().height() / 2);
    }
    boards_->setMinimumHeight(tallest);
    layout->addWidget(boards_, 1);
    layout->addWidget(Note(this, RecordsTexts::Explanation(), "Explicacion"));
  } else {
    layout->addWidget(Note(this, RecordsTexts::NothingPlayed(), "NingunaJugada"));
  }
  if (reading.someUnreadable) {
    layout->addWidget(Note(this, RecordsTexts::SomeUnreadable(), "RecordsIlegibles"));
  }
  if (reading.cannotKeep) {
    layout->addWidget(Note(this, RecordsTexts::CannotKeep(), "RecordsNoGuardados"));
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  const std::pair<RecordsCarry, QString> carries[] = {
      {RecordsCarry::kExport, RecordsTexts::Export()},
      {RecordsCarry::kImport, RecordsTexts::Import()}};
  for (const auto& [carry, caption] : carries) {
    QPushButton* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
    button->setObjectName(carry == RecordsCarry::kExport ? QStringLiteral("ExportarRecords")
                                                         : QStringLiteral("ImportarRecords"));
    connect(button, &QPushButton::clicked, this, [this, carry = carry] {
      carry_ = carry;
      accept();
    });
  }
  layout->addWidget(buttons);
  adjustSize();
}

RecordsCarry ShowRecords(QWidget& mainWindow, const RecordsReading& reading,
                         const CalendarDate& today) {
  RecordsWindow window(&mainWindow, reading, today);
  window.exec();
  return window.Carry();
}

}  // namespace lucen

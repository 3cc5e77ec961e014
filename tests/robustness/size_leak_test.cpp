// A thousand size changes leave nothing behind: the client area holds as many widgets after the
// thousandth as after the first, and what lives on the heap has not grown. Under the
// sanitizers, LeakSanitizer checks the whole run at exit.
#include <malloc.h>

#include <QAction>
#include <QtTest>
#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

#include "board_view/cell_button.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kHeapMeasured = false;  // the sanitizer keeps its own count
long long HeapInUse() {
  return 0;
}
#else
constexpr bool kHeapMeasured = true;

// Every object made with new, the game's and Qt's alike, counted while it lives. (glibc's own
// figures move with what its allocator keeps cached, not with what the program holds.) The
// standard library's array forms call these.
namespace {
std::atomic<long long> liveNewBytes{0};
}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  liveNewBytes += static_cast<long long>(malloc_usable_size(block));
  return block;
}
void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  liveNewBytes -= static_cast<long long>(malloc_usable_size(block));
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}
long long HeapInUse() {
  return liveNewBytes.load();
}
#endif

class SizeLeakTest : public lucen::testing::GameWindowTest {
  Q_OBJECT

 private:
  void ChooseSize(int index) {
    Choose(QStringLiteral("MnuTam_%1").arg(index));
    // Whatever was deleted later rather than at once is gone after this.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  int ClientWidgets() const {
    return static_cast<int>(form->centralWidget()->findChildren<QObject*>().size());
  }
  int CellButtons() const {
    return static_cast<int>(form->centralWidget()->findChildren<CellButton*>().size());
  }

 private slots:
  void init() { StartGame(); }

  void aThousandSizeChangesLeaveNothingBehind() {
    const int given = qEnvironmentVariableIntValue("LUCEN_SIZE_CHANGES");
    const int changes = given > 0 ? given : 1000;
    // The first and the last change are to 9 x 9; the rest go anywhere, with a move on each
    // board.
    ChooseSize(4);
    Click(41);
    Choose("MnuReset");
    const int widgetsAfterOne = ClientWidgets();
    const long long heapAfterOne = HeapInUse();
    QCOMPARE(CellButtons(), 82);  // 81 cells and the template

    std::mt19937 random(1000);
    long long heapAfterWarmUp = 0;
    for (int change = 2; change <= changes; ++change) {
      // The hundredth and the last are to 9 x 9 too, for comparable counts.
      const int index = change == changes || change == 100 ? 4 : static_cast<int>(random() % 5);
      ChooseSize(index);
      const int size = index + 5;
      Click(static_cast<int>(1 + random() % (size * size)));
      // The move history keeps every click across sizes, as it should; a reset empties it, so
      // that only what the size changes leave behind could pile up.
      Choose("MnuReset");
      QCOMPARE(CellButtons(), size * size + 1);
      if (change == 100) heapAfterWarmUp = HeapInUse();
    }

    const int widgetsAfterAll = ClientWidgets();
    const long long heapAfterAll = HeapInUse();
    qInfo("%d size changes: %d objects in the client area after the first, %d after the last",
          changes, widgetsAfterOne, widgetsAfterAll);
    QCOMPARE(widgetsAfterAll, widgetsAfterOne);
    QCOMPARE(CellButtons(), 82);

    if (kHeapMeasured) {
      qInfo(
          "live bytes made with new: %lld after the first change, %lld after the hundredth, "
          "%lld after the last",
          heapAfterOne, heapAfterWarmUp, heapAfterAll);
      // Caches may fill during the first hundred changes; after that nothing piles up. A leak
      // of a single small object per change would add far more (900 changes).
      if (changes >= 200) {
        QVERIFY2(
            std::llabs(heapAfterAll - heapAfterWarmUp) < 4096,
            qPrintable(QStringLiteral("changed by %1 bytes").arg(heapAfterAll - heapAfterWarmUp)));
      }
    }
  }
};

QTEST_MAIN(SizeLeakTest)
#include "size_leak_test.moc"

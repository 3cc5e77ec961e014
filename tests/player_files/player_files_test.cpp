// The player's files against what a desktop can do to them: damaged contents, files of earlier
// versions, bad disks and other copies of the game. Started as `player_files_test --add-wins HOME`
// or `--hold-lock PATH`, it is one of those copies. Expected records always come from applying the
// same events to lucen::Records.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string_view>

#include "board/numbered_game.h"
#include "player_files/background_writer.h"
#include "player_files/file_lock.h"
#include "player_files/preferences.h"
#include "player_files/records_file.h"
#include "player_files/safe_file.h"
#include "player_files/saved_game_file.h"

namespace lucen {
namespace {

constexpr int kHangMs = 2000;  // far above any call's time: only a hang passes it
constexpr CalendarDate kDay{2026, 12, 9};

QByteArray Bytes(const QString& path) {
  const FileReading file = ReadSafely(path);
  return file.outcome == FileReading::Outcome::kRead ? file.bytes : "(none)";
}

void Put(const QString& path, const QByteArray& bytes) {
  ASSERT_TRUE(WriteSafely(path, bytes));
}

mode_t Kind(const QString& path) {
  struct stat status {};
  return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// A folder of the test's own for each of the XDG places the game uses.
struct Home {
  QTemporaryDir dir;
  Home() {
    for (const char* place : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
      qputenv(place, dir.filePath(place).toUtf8());
  }
};

// A scored game of `number` on 7 x 7 under 4 colours won `result` over the fewest, on `daily`.
GameInPlay Won(int number, int result, std::optional<CalendarDate> daily = std::nullopt) {
  return {GameId{7, 4, number}, 10, 10 + result, true, daily};
}

Records Applied(Records records, const std::vector<RecordEvent>& events) {
  for (const RecordEvent& event : events) records.Apply(event);
  return records;
}

// Records `events`, waits for their writes and returns the outcomes told of wins.
std::vector<WinKept> RecordAll(RecordsFile& file, const std::vector<RecordEvent>& events) {
  std::vector<WinKept> told;
  const auto connection =
      QObject::connect(&file, &RecordsFile::winKept, [&](WinKept kept) { told.push_back(kept); });
  QElapsedTimer clock;
  clock.start();
  for (const RecordEvent& event : events) file.Record(event);
  EXPECT_LT(clock.elapsed(), kHangMs) << "Record() waited for the disk";
  EXPECT_TRUE(BackgroundWriter::Shared().WaitUntilIdle(kHangMs));
  QCoreApplication::processEvents();
  QObject::disconnect(connection);
  return told;
}

const std::vector<RecordEvent> kEarlier{RecordEvent::Start({7, 4, 1}), RecordEvent::Win(Won(1, 2))};
const std::vector<RecordEvent> kLater{RecordEvent::Start({7, 4, 2}),
                                      RecordEvent::Win(Won(2, 0, kDay))};

TEST(RecordsFile, KeepsWhatItDoesNotKnowAndCarriesOverEarlierRecords) {
  Records old;
  old.At(6, 3).won = 2;
  old.At(6, 3).best = 2;
  Records bestOnly;
  bestOnly.At(6, 3).best = 2;
  Records fromJson = old;
  fromJson.Played().Add({6, 3, 5});
  fromJson.DailyStreak() = {1, 3, CalendarDate{2026, 12, 8}};
  const QByteArray unknown =
      R"({"format":1,"future":{"x":[1]},"boards":{"6x6-3":{"won":2,"best":2,"shade":"blue"},)"
      R"("10x10-2":{"won":1}},"playedGames":{"6x6-3":[5],"9x9-9":[1]},)"
      R"("dailyStreak":{"current":1,"best":3,"last":"2026-12-08","zone":"x"}})";
  const struct {
    const char* name;
    QByteArray json, ini;
    Records earlier;
    bool unreadable;
  } cases[] = {
      {"no file at all", "(none)", "(none)", {}, false},
      {"the records of an earlier version", "(none)", "[6x6-3]\nwon=2\nbest=2\n", old, false},
      {"keys and boards this version does not know", unknown, "(none)", fromJson, false},
      {"text that is not JSON", "\x01{\"boards\":", "(none)", {}, true},
      {"values of the wrong type", R"({"boards":{"6x6-3":{"won":"many","best":2}}})", "(none)",
       bestOnly, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Home home;
    const Records& earlier = c.earlier;
    if (c.json != "(none)") Put(RecordsPath(), c.json);
    if (c.ini != "(none)") Put(OldRecordsPath(), c.ini);
    RecordsFile file;
    EXPECT_EQ(file.Read(), (RecordsReading{earlier, c.unreadable, false}));
    EXPECT_EQ(RecordAll(file, kLater), std::vector{WinKept::kWritten});
    EXPECT_EQ(RecordsFile().Read(), (RecordsReading{Applied(earlier, kLater), false, false}));
    EXPECT_EQ(Bytes(OldRecordsPath()), c.ini) << "left as it was";
    EXPECT_EQ(Bytes(RecordsPath() + ".unreadable"), c.unreadable ? c.json : "(none)");
    const QJsonObject before = QJsonDocument::fromJson(c.json).object();
    const QJsonObject after = QJsonDocument::fromJson(Bytes(RecordsPath())).object();
    EXPECT_EQ(after["future"], before["future"]);
    EXPECT_EQ(after["boards"]["6x6-3"]["shade"], before["boards"]["6x6-3"]["shade"]);
    EXPECT_EQ(after["boards"]["10x10-2"], before["boards"]["10x10-2"]);
    EXPECT_EQ(after["playedGames"]["9x9-9"], before["playedGames"]["9x9-9"]);
    EXPECT_EQ(after["dailyStreak"]["zone"], before["dailyStreak"]["zone"]);
  }
}

TEST(SavedGameFile, KeepsAGameAndSetsADamagedOneAside) {
  const GameId id{7, 3, 123456};
  const SavedGame saved{{id, MakeGame(id).fewest, 3, true, kDay}, {0, 8}, {40}};
  ASSERT_TRUE(Rebuild(saved));
  const QByteArray good = R"({"format":1,"code":"7x7-3-123456","fewest":)" +
                          QByteArray::number(saved.game.fewest) +
                          R"(,"presses":3,"scoring":true,"daily":"2026-12-09","undo":[0,8],)"
                          R"("redo":[40],"later":"kept"})";
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"a game in play", good},
      {"text that is not JSON", good.left(40)},
      {"a cell out of range", QByteArray(good).replace("[40]", "[81]")},
      {"fewer presses than made", QByteArray(good).replace("\"presses\":3", "\"presses\":1")},
      {"a date that does not exist", QByteArray(good).replace("12-09", "02-30")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Home home;
    Put(SavedGamePath(), c.bytes);
    SavedGameFile file;
    const bool resumable = c.bytes == good;
    EXPECT_EQ(file.Read(), resumable ? std::optional(saved) : std::nullopt);
    EXPECT_EQ(Bytes(SavedGamePath() + ".unreadable"), resumable ? "(none)" : c.bytes);
    EXPECT_EQ(Bytes(SavedGamePath()), resumable ? c.bytes : "(none)") << "removed when set aside";
    SavedGame later = saved;
    later.game.CountPress();
    later.undo.push_back(9);
    file.Keep(saved);
    file.Keep(later);
    ASSERT_TRUE(file.WaitForWrites(kHangMs));
    EXPECT_EQ(SavedGameFile().Read(), later);
    EXPECT_EQ(Bytes(SavedGamePath()).contains("\"later\":\"kept\""), resumable);
    file.Clear();
    ASSERT_TRUE(file.WaitForWrites(kHangMs));
    EXPECT_EQ(Bytes(SavedGamePath()), "(none)");
  }
}

// Another copy of the game, holding the records' lock until its input closes.
QProcess* HoldLock(QProcess& copy, const QString& path) {
  copy.start(QCoreApplication::applicationFilePath(), {"--hold-lock", path});
  EXPECT_TRUE(copy.waitForReadyRead(10'000) && copy.readAll() == "locked\n");
  return &copy;
}

TEST(PlayerFiles, BadDisksNeitherHangNorLoseARecord) {
  // Each spoils the disk and returns the name it spoiled; none is the nearly full disk.
  using Spoil = std::function<QString(const QString& records)>;
  struct Case {
    const char* name;
    Spoil spoil;
    bool earlierReadable;
    WinKept win;
    bool choiceKept = true, gameKept = true;
    const char* keptAs = nullptr;  // where the damaged records' bytes go
  };
  const auto fifo = [](const QString& path) {
    QFile::remove(path);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
  };
  const auto fifoAt = [&](QString suffix) {
    return [=](const QString& records) { return fifo(records + suffix); };
  };
  const auto linkTo = [](QString target) {
    return [=](const QString& records) {
      const QString to = target.isEmpty() ? records + ".real" : target;
      if (target.isEmpty()) {
        EXPECT_TRUE(QFile::rename(records, to));
      }
      QFile::remove(records);
      EXPECT_TRUE(QFile::link(to, records));
      return records;
    };
  };
  QProcess dead;
  const Case cases[] = {
      {"a nearly full disk", nullptr, true, WinKept::kCannot, false, false},
      {"a FIFO at the records", fifoAt(""), false, WinKept::kCannot},
      {"a FIFO at their lock", fifoAt(".lock"), true, WinKept::kCannot},
      {"a FIFO where damaged records go",
       [&](const QString& records) {
         Put(records, "{damaged");
         return fifo(records + ".unreadable");
       },
       false, WinKept::kWritten, true, true, ".unreadable-2"},
      {"a FIFO at the choices", [&](const QString&) { return fifo(PreferencesPath()); }, true,
       WinKept::kWritten, false},
      {"a FIFO at the game in play", [&](const QString&) { return fifo(SavedGamePath()); }, true,
       WinKept::kWritten, true, false},
      {"a link to /dev/full", linkTo("/dev/full"), false, WinKept::kCannot},
      {"a link to /dev/zero", linkTo("/dev/zero"), false, WinKept::kCannot},
      {"a link to a regular file", linkTo(""), true, WinKept::kWritten},
      {"a lock left by a copy that died",
       [&](const QString& records) {
         HoldLock(dead, records)->kill();
         dead.waitForFinished();
         return records + ".lock";
       },
       true, WinKept::kWritten},
  };
  const GameId id{6, 2, 77};
  const SavedGame game{{id, MakeGame(id).fewest, 1, true}, {3}, {}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Home home;
    const QString records = RecordsPath();
    {
      RecordsFile earlier;
      RecordAll(earlier, kEarlier);
    }
    Put(PreferencesPath(), "other=1\n");
    const QString spoiled = c.spoil ? c.spoil(records) : records;
    const mode_t kind = Kind(spoiled);
    const QByteArray bytes = Bytes(records);
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, nearlyFull{16, RLIM_INFINITY};
    if (!c.spoil) {
      ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &nearlyFull), 0);
    }

    QElapsedTimer clock;
    clock.start();
    RecordsFile file;
    const RecordsReading first = file.Read();
    const std::vector<WinKept> told = RecordAll(file, kLater);
    SaveChoice(kSymbolsKey, true);
    SavedGameFile saved;
    saved.Read();
    saved.Keep(game);
    EXPECT_TRUE(BackgroundWriter::Shared().WaitUntilIdle(kHangMs));
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_LT(clock.elapsed(), kHangMs);

    const Records earlier = c.earlierReadable ? Applied({}, kEarlier) : Records{};
    EXPECT_EQ(first.records, earlier);
    EXPECT_EQ(told, std::vector{c.win});
    EXPECT_EQ(file.Read().records, Applied(earlier, kLater)) << "play goes on";
    EXPECT_EQ(file.Read().cannotKeep, c.win == WinKept::kCannot);
    if (c.win == WinKept::kWritten) {
      EXPECT_EQ(RecordsFile().Read().records, Applied(earlier, kLater));
    } else {
      EXPECT_EQ(Bytes(records), bytes) << "nothing written over the records";
    }
    EXPECT_EQ(Kind(spoiled), kind) << "nothing put in place of what was there";
    if (c.keptAs) {
      EXPECT_EQ(Bytes(records + c.keptAs), "{damaged");
    }
    EXPECT_EQ(ReadChoices().symbolsShown, c.choiceKept);
    if (c.choiceKept) {
      EXPECT_TRUE(Bytes(PreferencesPath()).contains("other=1"));
    }
    EXPECT_EQ(SavedGameFile().Read().has_value(), c.gameKept);
  }
}

TEST(RecordsFile, AWinWaitsForAnotherCopyWithoutHoldingTheWindow) {
  const Home home;
  QProcess live;
  HoldLock(live, RecordsPath());
  RecordsFile file;
  std::vector<WinKept> told;
  QObject::connect(&file, &RecordsFile::winKept, [&](WinKept kept) { told.push_back(kept); });
  QElapsedTimer clock;
  clock.start();
  file.Record(RecordEvent::Win(Won(3, 1)));
  EXPECT_LT(clock.elapsed(), kHangMs);
  while (told.empty() && clock.elapsed() < kHangMs) QCoreApplication::processEvents();
  EXPECT_EQ(told, std::vector{WinKept::kWaiting});
  EXPECT_EQ(RecordsFile().Read().records, Records{}) << "not written while the other copy holds it";
  live.closeWriteChannel();
  ASSERT_TRUE(live.waitForFinished(10'000));
  EXPECT_TRUE(file.WaitForWrites(kHangMs));
  QCoreApplication::processEvents();
  EXPECT_EQ(told, (std::vector{WinKept::kWaiting, WinKept::kWritten}));
  EXPECT_EQ(RecordsFile().Read().records, Applied({}, {RecordEvent::Win(Won(3, 1))}));
}

// Each copy starts and wins 25 games of its own, with results 0..6.
std::vector<RecordEvent> CopysEvents(int copy) {
  std::vector<RecordEvent> events;
  for (int game = 1; game <= 25; ++game) {
    events.push_back(RecordEvent::Start({7, 4, copy * 100 + game}));
    events.push_back(RecordEvent::Win(Won(copy * 100 + game, game % 7)));
  }
  return events;
}

TEST(RecordsFile, TwoCopiesOfTheGameAtOnceLoseNoRecord) {
  const Home home;
  QProcess copies[2];
  for (int copy = 0; copy < 2; ++copy) {
    copies[copy].start(QCoreApplication::applicationFilePath(),
                       {"--add-wins", home.dir.path(), QString::number(copy + 1)});
  }
  for (QProcess& copy : copies) {
    ASSERT_TRUE(copy.waitForFinished(60'000));
    EXPECT_EQ(copy.exitCode(), 0) << "a copy could not write its records";
  }
  EXPECT_EQ(RecordsFile().Read(),
            (RecordsReading{Applied(Applied({}, CopysEvents(1)), CopysEvents(2)), false, false}));
}

int AddWins(int copy) {
  RecordsFile file;
  // One write for each event, for the copies to meet at the lock.
  for (const RecordEvent& event : CopysEvents(copy)) {
    file.Record(event);
    if (!file.WaitForWrites(60'000) || file.Read().cannotKeep) return 1;
  }
  return 0;
}

int HoldLockUntilInputCloses(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  FileLock lock(path);
  if (lock.TryLock() != FileLock::Outcome::kLocked) return 1;
  std::fputs("locked\n", stdout);
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  return 0;
}

}  // namespace
}  // namespace lucen

int main(int argc, char* argv[]) {
  // A write past the file size limit fails instead of ending the test.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::string_view mode = argc >= 3 ? argv[1] : "";
  QCoreApplication app(argc, argv);
  if (mode == "--hold-lock") return lucen::HoldLockUntilInputCloses(argv[2]);
  // The copies a test starts share its folders; the player's own files stay out of reach.
  const QTemporaryDir home;
  for (const char* place : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
    qputenv(place, (mode == "--add-wins" ? QString(argv[2]) : home.path()).toUtf8() + "/" + place);
  if (mode == "--add-wins" && argc == 4) return lucen::AddWins(std::atoi(argv[3]));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

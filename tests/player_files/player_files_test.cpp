// The player's files against what a desktop can do to them: damaged contents, files of earlier
// versions, bad disks and other copies of the game. Started as `player_files_test --add-wins HOME`,
// `--win-and-end HOME` or `--hold-lock PATH`, it is one of those copies. Expected records always
// come from applying the same events to lucen::Records.
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
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

#include "board/numbered_game.h"
#include "player_files/background_writer.h"
#include "player_files/file_lock.h"
#include "player_files/preferences.h"
#include "player_files/records_file.h"
#include "player_files/safe_file.h"
#include "player_files/saved_game_file.h"
#include "player_files/unwritten_records.h"
#include "progress/records_json.h"

namespace lucen {
namespace {

// A call on the window thread returns well within kWindowMs unless it waited for the disk. A wait
// for the writer ends well within kWriterMs unless it hangs, even with a sanitizer on a busy
// machine, where a read of records at the size limit takes seconds.
constexpr int kWindowMs = 2000;
constexpr int kWriterMs = 60'000;
constexpr CalendarDate kDay{2026, 12, 9};

QByteArray Bytes(const QString& path) {
  const FileReading file = ReadSafely(path, kMostRecordsBytes + 1);
  return file.outcome == FileReading::Outcome::kRead ? file.bytes : "(none)";
}

void Put(const QString& path, const QByteArray& bytes, qint64 most = kMostRecordsBytes) {
  ASSERT_TRUE(WriteSafely(path, bytes, most));
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

// What a RecordsFile told while it recorded `events` and wrote them.
struct Told {
  std::vector<WinOutcome> wins;
  std::vector<GameId> notFirstPlays;
};
// Each event is taken by the writer before the next is recorded, and the window hears of it only
// once all are: every reading must then hold them all.
Told RecordAll(RecordsFile& file, const std::vector<RecordEvent>& events) {
  Told told;
  std::vector<Records> readings;
  const auto wins = QObject::connect(&file, &RecordsFile::winWritten,
                                     [&](WinOutcome outcome) { told.wins.push_back(outcome); });
  const auto read = QObject::connect(&file, &RecordsFile::read, [&](const RecordsReading& r) {
    readings.push_back(r.records);
    told.notFirstPlays.insert(told.notFirstPlays.end(), r.notFirstPlays.begin(),
                              r.notFirstPlays.end());
  });
  for (const RecordEvent& event : events) {
    QElapsedTimer clock;
    clock.start();
    file.Record(event);
    EXPECT_LT(clock.elapsed(), kWindowMs) << "Record() waited for the disk";
    EXPECT_TRUE(BackgroundWriter::Shared().WaitUntilIdle(kWriterMs));
  }
  EXPECT_TRUE(file.WaitForWrites(kWriterMs));
  for (const Records& records : readings) EXPECT_EQ(records, file.Latest().records);
  QObject::disconnect(wins);
  QObject::disconnect(read);
  return told;
}

// What a copy of the game starting now reads.
RecordsReading Reading() {
  RecordsFile file;
  EXPECT_TRUE(file.WaitForWrites(kWriterMs));
  EXPECT_TRUE(file.Loaded());
  return file.Latest();
}

const std::vector<RecordEvent> kEarlier{RecordEvent::Start({7, 4, 1}), RecordEvent::Win(Won(1, 2))};
const std::vector<RecordEvent> kLater{RecordEvent::Start({7, 4, 2}, true),
                                      RecordEvent::Win(Won(2, 0, kDay))};

// No temporary file can be made while it lasts: the player's files must not need one.
struct NoTemporaryFolder {
  const QByteArray was = qgetenv("TMPDIR");
  explicit NoTemporaryFolder(const QTemporaryDir& home) {
    qputenv("TMPDIR", home.filePath("no such folder").toUtf8());
  }
  ~NoTemporaryFolder() { was.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", was); }
};

TEST(RecordsFile, KeepsWhatItDoesNotKnowAndCarriesOverEarlierRecords) {
  Records old;
  old.At(6, 3).won = 2;
  old.At(6, 3).best = 2;
  Records bestOnly;
  bestOnly.At(6, 3).best = 2;
  Records negative = bestOnly;
  negative.At(5, 2).won = 1;
  Records fromJson = old;
  fromJson.Played().Add({6, 3, 5});
  fromJson.DailyStreak() = {1, 3, CalendarDate{2026, 12, 8}};
  Records runs;
  for (const int number : {9, 1, 2, 3, 5}) runs.Played().Add({7, 4, number});
  runs.AddWon(7, 4, {2, 2}, 0);
  const QByteArray unknown =
      R"({"format":1,"future":{"x":[1]},"boards":{"6x6-3":{"won":2,"best":2,"shade":"blue"},)"
      R"("10x10-2":{"won":1}},"playedGames":{"6x6-3":[5],"9x9-9":[1]},)"
      R"("dailyStreak":{"current":1,"best":3,"last":"2026-12-08","zone":"x"}})";
  const QByteArray ini = "[6x6-3]\nwon=2\nbest=2\n";
  const struct {
    const char* name;
    QByteArray json, ini;
    Records earlier;
    bool unreadable;
    QByteArray iniLater = "";  // what the earlier version's file holds by the next start
  } cases[] = {
      {"no file at all", "(none)", "(none)", {}, false},
      {"the records of an earlier version", "(none)", ini, old, false},
      {"earlier records that cannot be read yet", "(none)", "(fifo)", {}, true, ini},
      {"keys and boards this version does not know", unknown, "(none)", fromJson, false},
      {"codes out of order, in runs and as a bitset",
       R"({"format":2,"playedGames":{"7x7-4":[9,[1,3],5]},"wonGames":{"7x7-4":{"0":"Ag=="}}})",
       "(none)", runs, false},
      {"text that is not JSON", "\x01{\"boards\":", "(none)", {}, true},
      {"values of the wrong type", R"({"boards":{"6x6-3":{"won":"many","best":2}}})", "(none)",
       bestOnly, true},
      {"negative counts and best",
       R"({"boards":{"6x6-3":{"played":-1,"won":-2,"best":2},"5x5-2":{"won":1,"best":-1}}})",
       "(none)", negative, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Home home;
    const NoTemporaryFolder noTemporaryFolder(home.dir);
    if (c.json != "(none)") Put(RecordsPath(), c.json);
    if (c.ini == "(fifo)") {
      ASSERT_TRUE(QDir().mkpath(QFileInfo(OldRecordsPath()).path()));
      ASSERT_EQ(::mkfifo(QFile::encodeName(OldRecordsPath()).constData(), 0600), 0);
    } else if (c.ini != "(none)") {
      Put(OldRecordsPath(), c.ini);
    }
    RecordsFile file;
    ASSERT_TRUE(file.WaitForWrites(kWriterMs));
    EXPECT_EQ(file.Latest(), (RecordsReading{c.earlier, {}, c.unreadable, false}));
    const Told told = RecordAll(file, kLater);
    EXPECT_EQ(told.wins, std::vector{WinOutcome::kWritten});
    const bool replay = c.earlier.Played().Contains(kLater[0].game.id);
    EXPECT_EQ(told.notFirstPlays, replay ? std::vector{kLater[0].game.id} : std::vector<GameId>{});
    EXPECT_EQ(Reading(), (RecordsReading{Applied(c.earlier, kLater), {}, c.ini == "(fifo)"}));
    EXPECT_EQ(Bytes(RecordsPath() + ".unreadable"),
              c.unreadable && c.json != "(none)" ? c.json : "(none)");
    const QJsonObject before = QJsonDocument::fromJson(c.json).object();
    const QJsonObject after = QJsonDocument::fromJson(Bytes(RecordsPath())).object();
    EXPECT_EQ(after["future"], before["future"]);
    EXPECT_EQ(after["boards"]["6x6-3"]["shade"], before["boards"]["6x6-3"]["shade"]);
    EXPECT_EQ(after["boards"]["10x10-2"], before["boards"]["10x10-2"]);
    EXPECT_EQ(after["playedGames"]["9x9-9"], before["playedGames"]["9x9-9"]);
    EXPECT_EQ(after["dailyStreak"]["zone"], before["dailyStreak"]["zone"]);

    // Carried over once, whenever it can be read: the next writes count it no more.
    if (!c.iniLater.isEmpty()) {
      QFile::remove(OldRecordsPath());
      Put(OldRecordsPath(), c.iniLater);
    }
    const Records carried = c.iniLater.isEmpty() ? c.earlier : old;
    for (const int number : {3, 4}) {
      RecordsFile next;
      RecordAll(next, {RecordEvent::Start({7, 4, number})});
    }
    EXPECT_EQ(Reading().records,
              Applied(Applied(carried, kLater),
                      {RecordEvent::Start({7, 4, 3}), RecordEvent::Start({7, 4, 4})}));
    EXPECT_EQ(Bytes(OldRecordsPath()), c.iniLater.isEmpty() ? c.ini : c.iniLater)
        << "left as it was";
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
    file.Save(saved);
    file.Save(later);
    ASSERT_TRUE(file.WaitForWrites(kWriterMs));
    EXPECT_EQ(SavedGameFile().Read(), later);
    EXPECT_EQ(Bytes(SavedGamePath()).contains("\"later\":\"kept\""), resumable);
    file.Remove();
    ASSERT_TRUE(file.WaitForWrites(kWriterMs));
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
    WinOutcome win;
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
  // A link at `path` to `target` (relative to its folder; empty: to what was there, moved).
  const auto link = [](const QString& path, QString target) {
    const QString to = QFileInfo(path).path() + "/" + (target.isEmpty() ? "real" : target);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    if (target.isEmpty()) {
      EXPECT_TRUE(QFile::rename(path, to));
    }
    QFile::remove(path);
    EXPECT_TRUE(QFile::link(to, path));
    return path;
  };
  const auto linkTo = [&](QString target) {
    return [=](const QString& records) { return link(records, target); };
  };
  // The records padded with blanks to `size` bytes, or with a key of a later version to `size`.
  const auto padTo = [](qint64 size, bool withKey) {
    return [=](const QString& records) {
      QJsonObject root = QJsonDocument::fromJson(Bytes(records)).object();
      root["later"] = "";
      QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
      root["later"] = QString(size - bytes.size(), 'x');
      Put(records,
          withKey ? QJsonDocument(root).toJson(QJsonDocument::Compact)
                  : bytes + QByteArray(size - bytes.size(), ' '),
          size);
      return records;
    };
  };
  QProcess dead;
  const Case cases[] = {
      {"a nearly full disk", nullptr, true, WinOutcome::kCannot, false, false},
      {"a FIFO at the records", fifoAt(""), false, WinOutcome::kWaiting},
      {"a FIFO at their lock", fifoAt(".lock"), true, WinOutcome::kWaiting},
      {"a FIFO where damaged records go",
       [&](const QString& records) {
         Put(records, "{damaged");
         return fifo(records + ".unreadable");
       },
       false, WinOutcome::kWritten, true, true, ".unreadable-2"},
      {"a FIFO at the choices", [&](const QString&) { return fifo(PreferencesPath()); }, true,
       WinOutcome::kWritten, false},
      {"a FIFO at the game in play", [&](const QString&) { return fifo(SavedGamePath()); }, true,
       WinOutcome::kWritten, true, false},
      {"a link to /dev/full", linkTo("/dev/full"), false, WinOutcome::kWaiting},
      {"a link to /dev/zero", linkTo("/dev/zero"), false, WinOutcome::kWaiting},
      {"a link to a regular file", linkTo(""), true, WinOutcome::kWritten},
      {"a link into a missing folder",
       [&](const QString& records) {
         link(records, "gone/records.json");
         return QFileInfo(records).path() + "/gone";
       },
       false, WinOutcome::kWaiting},
      {"a link at the game in play", [&](const QString&) { return link(SavedGamePath(), "kept"); },
       true, WinOutcome::kWritten},
      {"records of exactly the read limit", padTo(kMostRecordsBytes, false), true,
       WinOutcome::kWritten},
      {"records over the read limit", padTo(kMostRecordsBytes + 1, false), false,
       WinOutcome::kWritten, true, true, ".unreadable"},
      {"records one more event would take over the limit", padTo(kMostRecordsBytes - 2, true), true,
       WinOutcome::kWaiting},
      {"a lock left by a copy that died",
       [&](const QString& records) {
         HoldLock(dead, records)->kill();
         dead.waitForFinished();
         return records + ".lock";
       },
       true, WinOutcome::kWritten},
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
    // Only the choice in the first section counts, as QSettings had it.
    Put(PreferencesPath(), "[General]\nother=1\n\n[Window]\nsymbols=true\n");
    const QString spoiled = c.spoil ? c.spoil(records) : records;
    const mode_t kind = Kind(spoiled);
    const QByteArray bytes = Bytes(records);
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, nearlyFull{16, RLIM_INFINITY};
    if (!c.spoil) {
      ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &nearlyFull), 0);
    }

    // The window thread's calls are timed; RecordAll times its own.
    QElapsedTimer clock;
    clock.start();
    RecordsFile file;
    qint64 onWindow = clock.elapsed();
    EXPECT_TRUE(file.WaitForWrites(kWriterMs));
    const RecordsReading first = file.Latest();
    const Told told = RecordAll(file, kLater);
    clock.restart();
    SaveChoice(kSymbolsKey, true);
    SavedGameFile saved;
    std::vector<bool> saveFailed;
    QObject::connect(&saved, &SavedGameFile::saveFailed, [&](bool f) { saveFailed.push_back(f); });
    saved.Read();
    saved.Save(game);
    onWindow += clock.elapsed();
    EXPECT_TRUE(BackgroundWriter::Shared().WaitUntilIdle(kWriterMs));
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_LT(onWindow, kWindowMs) << "the window waited for the disk";
    QCoreApplication::processEvents();

    const Records earlier = c.earlierReadable ? Applied({}, kEarlier) : Records{};
    EXPECT_EQ(first.records, earlier);
    EXPECT_EQ(told.wins, std::vector{c.win});
    EXPECT_EQ(file.Latest().records, Applied(earlier, kLater)) << "play goes on";
    EXPECT_EQ(file.Latest().cannotKeep, c.win == WinOutcome::kCannot);
    if (c.win != WinOutcome::kCannot) {
      EXPECT_EQ(Reading().records, Applied(earlier, kLater)) << "kept for the next start";
    }
    if (c.win != WinOutcome::kWritten) {
      EXPECT_EQ(Bytes(records), bytes) << "nothing written over the records";
    }
    if (c.keptAs) {
      EXPECT_EQ(Bytes(records + c.keptAs), bytes);
    }
    EXPECT_EQ(ReadChoices().symbolsShown, c.choiceKept);
    if (c.choiceKept) {
      EXPECT_TRUE(Bytes(PreferencesPath()).contains("other=1\n"));
      EXPECT_TRUE(Bytes(PreferencesPath()).endsWith("[Window]\nsymbols=true\n"));
    }
    EXPECT_EQ(SavedGameFile().Read().has_value(), c.gameKept);
    EXPECT_EQ(saveFailed, c.gameKept ? std::vector<bool>{} : std::vector{true});
    saved.Remove();
    EXPECT_TRUE(saved.WaitForWrites(kWriterMs));
    EXPECT_FALSE(SavedGameFile().Read()) << "the game ended";
    EXPECT_EQ(Kind(spoiled), kind) << "nothing put in place of what was there";
  }
}

// A win while another copy holds the records: told waiting at once and kept on disk, then written
// once the other copy lets go, by this copy or, when this one ended meanwhile, by the next start.
TEST(RecordsFile, AWinWaitsForAnotherCopyWithoutHoldingTheWindow) {
  const std::vector<RecordEvent> win{RecordEvent::Win(Won(3, 1))};
  for (const bool ends : {false, true}) {
    SCOPED_TRACE(ends ? "this copy ends while it waits" : "this copy goes on");
    const Home home;
    QProcess live, ending;
    HoldLock(live, RecordsPath());
    RecordsFile file;
    std::vector<WinOutcome> told;
    QObject::connect(&file, &RecordsFile::winWritten, [&](WinOutcome o) { told.push_back(o); });
    QElapsedTimer clock;
    clock.start();
    if (ends) {
      ending.start(QCoreApplication::applicationFilePath(), {"--win-and-end", home.dir.path()});
      ASSERT_TRUE(ending.waitForFinished(kWriterMs));
      told.push_back(WinOutcome(ending.exitCode()));
    } else {
      file.Record(win[0]);
      EXPECT_LT(clock.elapsed(), kWindowMs);
      while (told.empty() && clock.elapsed() < kWriterMs) QCoreApplication::processEvents();
    }
    EXPECT_EQ(told, std::vector{WinOutcome::kWaiting});
    EXPECT_EQ(Bytes(RecordsPath()), "(none)") << "not written while the other copy holds it";
    EXPECT_EQ(ReadUnwritten(UnwrittenRecordsPath()).events, win) << "but kept on disk";
    live.closeWriteChannel();
    ASSERT_TRUE(live.waitForFinished(10'000));
    EXPECT_TRUE(file.WaitForWrites(kWriterMs));
    EXPECT_EQ(Reading().records, Applied({}, win));
    const std::vector<WinOutcome> kept{WinOutcome::kWaiting, WinOutcome::kWritten};
    EXPECT_EQ(told, std::vector(kept.begin(), kept.end() - (ends ? 1 : 0)));
    EXPECT_EQ(ReadRecordsJson(Bytes(RecordsPath()).toStdString()).records, Applied({}, win));
    EXPECT_EQ(Bytes(UnwrittenRecordsPath()), "(none)") << "taken out once written";
  }
}

// The largest records file the game writes: every board at its largest, its played and won games
// each longer as a list than as a bitset. It is written and read back whole.
// Records carried from another computer or the browser are merged in, each play and win once
// however often they come; a file that is no records file changes nothing; and an export is a
// records file that reads back as the records.
TEST(RecordsFile, RecordsCarriedInAndOutLoseAndRepeatNothing) {
  const Home home;
  const QString carried = home.dir.filePath("carried.json"), bad = home.dir.filePath("bad.json");
  Put(carried, QByteArray::fromStdString(WriteRecordsJson(Applied({}, kLater))));
  Put(bad, "{\"boards\": 7}");
  RecordsFile file;
  RecordAll(file, kEarlier);
  std::vector<bool> answers;
  QObject::connect(&file, &RecordsFile::imported, [&](bool read) { answers.push_back(read); });
  QObject::connect(&file, &RecordsFile::exported,
                   [&](bool written) { answers.push_back(written); });
  for (const QString& path : {carried, carried, bad}) file.Import(path);
  file.Export(home.dir.filePath("out.json"));
  EXPECT_TRUE(file.WaitForWrites(kWriterMs));
  EXPECT_EQ(answers, (std::vector<bool>{true, true, false, true}));
  Records all = Applied(Applied({}, kEarlier), kLater);
  EXPECT_EQ(file.Latest().records, all);
  EXPECT_EQ(Reading().records, all);
  const QByteArray out = Bytes(home.dir.filePath("out.json"));
  EXPECT_EQ(ReadRecordsJson(std::string_view(out.constData(), std::size_t(out.size()))).records,
            all);
}

TEST(RecordsFile, TheLargestRecordsFileIsReadBack) {
  const Home home;
  Records largest;
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      largest.At(size, colours) = {
          INT_MAX, INT_MAX, Records::kMaxResult, {}, std::int64_t{1} << 53};
      largest.At(size, colours).distribution.fill(INT_MAX);
      for (int first = kMinGameNumber; first <= kMaxGameNumber; first += 11) {
        const GameSet::Range run{first, std::min(first + 9, kMaxGameNumber)};
        largest.Played().Add(size, colours, run);
        largest.AddWon(size, colours, run, 0);
      }
    }
  }
  largest.DailyStreak() = {INT_MAX, INT_MAX, CalendarDate{9999, 12, 31}};
  Put(RecordsPath(), QByteArray::fromStdString(WriteRecordsJson(largest)));
  RecordsFile file;
  EXPECT_EQ(RecordAll(file, {RecordEvent::Win(Won(1, 0))}).wins, std::vector{WinOutcome::kWritten});
  EXPECT_EQ(Reading(), (RecordsReading{largest, {}, false, false}));
}

// Each copy starts and wins 25 games of its own, with results 0..6, and wins one saved game that
// both resumed.
std::vector<RecordEvent> CopysEvents(int copy) {
  std::vector<RecordEvent> events;
  for (int game = 1; game <= 25; ++game) {
    events.push_back(RecordEvent::Start({7, 4, copy * 100 + game}));
    events.push_back(RecordEvent::Win(Won(copy * 100 + game, game % 7)));
  }
  events.push_back(RecordEvent::Win(Won(999, 3)));
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
    ASSERT_TRUE(copy.waitForFinished(kWriterMs));
    EXPECT_EQ(copy.exitCode(), 0) << "a copy could not write its records";
  }
  EXPECT_EQ(
      Reading(),
      (RecordsReading{Applied(Applied({}, CopysEvents(1)), CopysEvents(2)), {}, false, false}));
}

int AddWins(int copy) {
  RecordsFile file;
  // One write for each event, for the copies to meet at the lock.
  for (const RecordEvent& event : CopysEvents(copy)) {
    file.Record(event);
    if (!file.WaitForWrites(60'000) || file.Latest().cannotKeep) return 1;
  }
  return 0;
}

// Records a win while another copy holds the records, and ends as soon as it is told what became
// of it, as a kill would end it: its retries go with it. The status is the outcome told.
int WinAndEnd() {
  RecordsFile file;
  int told = -1;
  QObject::connect(&file, &RecordsFile::winWritten, [&](WinOutcome o) { told = int(o); });
  file.Record(RecordEvent::Win(Won(3, 1)));
  QElapsedTimer clock;
  clock.start();
  while (told < 0 && clock.elapsed() < kWriterMs) QCoreApplication::processEvents();
  std::_Exit(told);
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
  const bool copy = mode == "--add-wins" || mode == "--win-and-end";
  for (const char* place : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
    qputenv(place, (copy ? QString(argv[2]) : home.path()).toUtf8() + "/" + place);
  if (mode == "--add-wins" && argc == 4) return lucen::AddWins(std::atoi(argv[3]));
  if (mode == "--win-and-end") return lucen::WinAndEnd();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

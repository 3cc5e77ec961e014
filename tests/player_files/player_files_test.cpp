// The records file against what a desktop can do to it: damaged contents, a folder that cannot
// be written, and two copies of the game winning at once. Started as
// `records_file_test --add-wins CONFIG_FOLDER`, it is one of those copies.
#include "player_files/records_file.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <string_view>

namespace lucen {
namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

TEST(RecordsFile, DamageNeitherStopsPlayNorLosesARecord) {
  enum Where { kFile, kFolderInPlace, kFolderUnwritable };
  const QByteArray good = "[6x6-3]\nwon=2\nbest=2\n";
  Records earlier;  // what `good` holds
  earlier.At(6, 3) = {2, 2};
  const struct {
    const char* name;
    Where where;
    QByteArray contents;
    Records readable;
    bool unreadable, earlierCopy;
  } cases[] = {
      {"an empty file", kFile, "", {}, false, false},
      {"garbage bytes", kFile, good + "\x01\xfe\xff garbage\n[unclosed\n", earlier, true, false},
      {"values out of range, an earlier copy beside", kFile,
       good +
           "[7x7-4]\nwon=-3\n[8x8-2]\nwon=many\n[9x9-3]\nbest=244\n[10x10-2]\nwon=1\n[5x5-2]\nx=1",
       earlier, true, true},
      {"a folder in place of the file", kFolderInPlace, "", {}, true, false},
      {"a folder that cannot be written", kFolderUnwritable, "", {}, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QTemporaryDir dir;
    const QString path =
        dir.filePath(c.where == kFolderUnwritable ? "file/records.ini" : "records.ini");
    if (c.where == kFile) Put(path, c.contents);
    if (c.where == kFolderInPlace) QDir(dir.path()).mkdir("records.ini");
    if (c.where == kFolderUnwritable) Put(dir.filePath("file"), "not a folder");
    if (c.earlierCopy) Put(path + ".unreadable", "an earlier copy");

    RecordsFile file(path);
    EXPECT_EQ(file.Read(), (RecordsReading{c.readable, c.unreadable, false}));
    Records expected = c.readable;
    expected.AddWin(6, 3, 1);
    expected.AddWin(6, 3, std::nullopt);
    EXPECT_EQ(file.AddWin(6, 3, 1).someUnreadable, c.unreadable) << "said once";
    const bool writable = c.where == kFile;
    EXPECT_EQ(file.AddWin(6, 3, std::nullopt),
              (RecordsReading{expected, c.unreadable && !writable, !writable}));
    if (writable) {
      EXPECT_EQ(RecordsFile(path).Read(), (RecordsReading{expected, false, false}))
          << "rewritten with all it held";
    } else {
      EXPECT_EQ(RecordsFile(path).Read().records, c.readable) << "nothing written over it";
      EXPECT_EQ(file.Read(), (RecordsReading{expected, c.unreadable, true}))
          << "this run's wins shown until the game closes";
    }
    const QByteArray kept = writable && c.unreadable ? c.contents : QByteArray();
    EXPECT_EQ(Bytes(path + ".unreadable"), c.earlierCopy ? "an earlier copy" : kept);
    EXPECT_EQ(Bytes(path + ".unreadable-2"), c.earlierCopy ? kept : QByteArray());
  }
}

// Two copies of the game in the desktop's place for settings (here the test's own): each wins 25
// times in a row on 7 x 7 under 4 colours, with results 1..7.
TEST(RecordsFile, TwoCopiesOfTheGameWinningAtOnceLoseNoWin) {
  const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  QProcess copies[2];
  for (QProcess& copy : copies)
    copy.start(QCoreApplication::applicationFilePath(), {"--add-wins", config});
  for (QProcess& copy : copies) {
    ASSERT_TRUE(copy.waitForFinished(120'000));
    EXPECT_EQ(copy.exitCode(), 0) << "a copy could not write a win";
  }
  const RecordsReading reading = RecordsFile(config + "/lucen/records.ini").Read();
  EXPECT_EQ(reading.records.At(7, 4), (BoardRecord{50, 1}));
  EXPECT_FALSE(reading.someUnreadable);
}

int AddWins() {
  RecordsFile file;
  for (int win = 0; win < 25; ++win) {
    if (file.AddWin(7, 4, win % 7 + 1).cannotKeep) return 1;
  }
  return 0;
}

}  // namespace
}  // namespace lucen

int main(int argc, char* argv[]) {
  // The player's own settings stay out of reach; the copies a test starts share its folder.
  const QTemporaryDir config;
  const bool copy = argc == 3 && std::string_view(argv[1]) == "--add-wins";
  qputenv("XDG_CONFIG_HOME", copy ? QByteArray(argv[2]) : config.path().toUtf8());
  QCoreApplication app(argc, argv);
  if (copy) return lucen::AddWins();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

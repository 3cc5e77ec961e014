// The page's records: read from and kept in its storage, carried in and out, and shown.
#include "progress/day_mark.h"
#include "progress/records_merge.h"
#include "progress/records_update.h"
#include "progress/streak.h"
#include "web/binding/js_values.h"
#include "web/binding/web_session.h"

namespace lucen {

RecordsDocument WebSession::ReadWithImports(const std::string& stored) const {
  RecordsDocument read = ReadStored(stored);
  if (imported_) read.records = Merge(read.records, *imported_);
  return read;
}

val WebSession::ReadRecords(const std::string& stored) {
  RecordsDocument read = ReadWithImports(stored);
  RecordsUpdate update = lucen::ApplyEvents(std::move(read.records), unwritten_, judged_);
  judged_ = unwritten_.size();
  recordsUnreadable_ = read.someUnreadable;
  val object = val::object();
  const bool unwritten = !unwritten_.empty() || imported_.has_value();
  object.set("unwritten", unwritten);
  object.set("text", unwritten ? val(WriteRecordsJson(update.records, read.root)) : val::null());
  object.set("unreadable", read.someUnreadable);
  object.set("change", Change(session_.RecordsRead(update.records, update.notFirstPlays)));
  return object;
}

void WebSession::RecordsKept() {
  unwritten_.clear();
  judged_ = 0;
  imported_.reset();
  recordsUnreadable_ = false;
}

val WebSession::ImportRecords(const std::string& file, const std::string& stored) {
  if (file.size() > static_cast<std::size_t>(kMostRecordsBytes)) return val::null();
  const RecordsDocument imported = ReadRecordsJson(file);
  if (imported.someUnreadable) return val::null();
  imported_ = imported_ ? Merge(*imported_, imported.records) : imported.records;
  return ReadRecords(stored);
}

std::string WebSession::ExportRecords(const std::string& stored) const {
  RecordsDocument read = ReadWithImports(stored);
  const Records& known = session_.KnownRecords();
  if (!stored.empty() && !read.someUnreadable && read.records == known) return stored;
  return WriteRecordsJson(known, std::move(read.root));
}

val WebSession::RecordsShown() const {
  const Records& records = session_.KnownRecords();
  val object = val::object();
  object.set("current", CurrentAsOf(records.DailyStreak(), LocalToday()));
  object.set("best", records.DailyStreak().best);
  object.set("unreadable", recordsUnreadable_);
  object.set("groups",
             Array(std::vector<int>(kResultBucketLeast.begin(), kResultBucketLeast.end())));
  val boards = val::array();
  int count = 0;
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const BoardRecord& record = records.At(size, colours);
      if (record.Empty()) continue;
      val board = val::object();
      board.set("size", size);
      board.set("colourCount", colours);
      board.set("played", record.PlayedShown());
      board.set("won", record.won);
      board.set("perfect", record.Perfect());
      board.set("average", OptionalValue(record.AverageResult()));
      board.set("best", OptionalValue(record.best));
      board.set("distribution",
                Array(std::vector<int>(record.distribution.begin(), record.distribution.end())));
      boards.set(count++, board);
    }
  }
  object.set("boards", boards);
  return object;
}

val WebSession::Month(int year, int month) const {
  const CalendarDate first{year, month, 1};
  if (!IsValid(first)) return val::null();
  const CalendarDate today = LocalToday();
  const Records& records = session_.KnownRecords();
  const CalendarDate marked = records.FirstDailyDay().value_or(today);
  val days = val::array();
  int count = 0;
  for (CalendarDate day = first; IsValid(day) && day.month == month; day = AddDays(day, 1)) {
    val object = val::object();
    object.set("day", day.day);
    object.set("mark",
               marked <= day && day <= today ? val(MarkKey(MarkOf(records, day))) : val::null());
    object.set("choosable", day <= today);
    days.set(count++, object);
  }
  val object = val::object();
  object.set("firstWeekday", static_cast<int>(DayOfWeek(first)));
  object.set("days", days);
  return object;
}

val WebSession::Today() const {
  return DateObject(LocalToday());
}

}  // namespace lucen

#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "progress/game_session.h"
#include "progress/json_fields.h"
#include "progress/records_json.h"

namespace lucen {

using emscripten::val;

// One game session for the page; each command returns what it changed, for the page to draw, and
// for it to keep in its storage. Every value the page sends is checked here first: exceptions are
// not caught in the browser build.
class WebSession {
 public:
  WebSession();

  // The whole of what the page shows.
  val State() const;

  val Press(int cell);
  val Undo();
  val Redo();
  val Restart();
  val Reset();
  val TurnBlack();
  val ChooseSize(int size);
  val ChooseColourCount(int count);
  // Plays the game whose code is exactly `code`; null for any other text.
  val Start(const std::string& code);
  // "Partida nueva" at `level` (0 easy, 1 normal, 2 hard), its number drawn from a 64-bit seed
  // given in two halves.
  val StartNew(int level, unsigned seedHigh, unsigned seedLow);
  val StartDaily();
  // The game of an earlier day, as practice; null for a date that does not exist.
  val StartPastDay(int year, int month, int day);
  val ReplayAsPractice(const std::string& code);
  val SolutionRoute() const;
  val AskHint();
  // Plays on the game in play kept in the page's storage; null when there is none to resume.
  val Resume(const std::string& stored);

  // The records kept in the page's storage (empty when none) read into the session, with every
  // records event and import of the session not yet stored, as the desktop's writer does with its
  // file: after a command that recorded something, at the start, and when another tab stored its
  // own. Tells the text to store when something waits ("unwritten"; then RecordsKept() once it is
  // stored), whether the stored text was unreadable (to be kept aside before it is replaced), and
  // what the stored records changed in the game in play.
  val ReadRecords(const std::string& stored);
  // The text last given by ReadRecords() or ImportRecords() is stored. Until then, what waits (the
  // events and the imports) is kept here and given again with every read.
  void RecordsKept();
  // A records document chosen by the player merged into the stored one, losing nothing and
  // counting no win twice: {text, unreadable, change} as ReadRecords() tells them, or null when it
  // cannot be read whole.
  val ImportRecords(const std::string& file, const std::string& stored);
  // The records document to hand the player: the stored one as it is, unless the session knows
  // more (the storage refused its writes).
  std::string ExportRecords(const std::string& stored) const;
  // What "Récords" shows: the streak as of today, and each board played.
  val RecordsShown() const;
  // One month of "Días anteriores": the weekday of its first day (0 for Monday), and each day with
  // its mark from the first game of the day played up to today (null otherwise) and whether it
  // can be chosen. Null for a month that does not exist.
  val Month(int year, int month) const;
  val Today() const;

 private:
  // What changed, for the page to draw, and for it to keep: the game in play to store or remove
  // ("saved", "savedGame"), and whether records events wait for ReadRecords().
  val Change(const SessionChange& change);
  // The stored records with the imports the storage has not taken yet.
  RecordsDocument ReadWithImports(const std::string& stored) const;

  GameSession session_;
  std::vector<RecordEvent> unwritten_;  // records events not stored yet, oldest first
  std::size_t judged_ = 0;              // of those, the ones applied to the stored records once
  std::optional<Records> imported_;     // records imported and not stored yet
  Json savedRoot_ = Json::object();  // the stored game in play as resumed, for keys not known here
  bool recordsUnreadable_ = false;   // the stored records, as last read
};

}  // namespace lucen

// The browser edition's way into the game: the rules and the game session, as the desktop plays
// them, handed to the page's JavaScript as plain objects. Nothing here decides a rule; it only
// converts.
#include <emscripten/bind.h>

#include "web/binding/js_values.h"
#include "web/binding/web_session.h"

EMSCRIPTEN_BINDINGS(lucen) {
  using namespace lucen;
  emscripten::function("palette", &Palette);
  emscripten::function("dailyCode", &DailyCode);
  emscripten::function("findGameCode", &FindCode);
  emscripten::function("readGameCode", &ReadCodeObject);
  emscripten::function("limits", &Limits);
  emscripten::class_<WebSession>("Session")
      .constructor<>()
      .function("state", &WebSession::State)
      .function("press", &WebSession::Press)
      .function("undo", &WebSession::Undo)
      .function("redo", &WebSession::Redo)
      .function("restart", &WebSession::Restart)
      .function("reset", &WebSession::Reset)
      .function("turnBlack", &WebSession::TurnBlack)
      .function("chooseSize", &WebSession::ChooseSize)
      .function("chooseColourCount", &WebSession::ChooseColourCount)
      .function("start", &WebSession::Start)
      .function("startNew", &WebSession::StartNew)
      .function("startDaily", &WebSession::StartDaily)
      .function("replayAsPractice", &WebSession::ReplayAsPractice)
      .function("solutionRoute", &WebSession::SolutionRoute)
      .function("askHint", &WebSession::AskHint)
      .function("readRecords", &WebSession::ReadRecords)
      .function("recordsKept", &WebSession::RecordsKept)
      .function("importRecords", &WebSession::ImportRecords)
      .function("exportRecords", &WebSession::ExportRecords)
      .function("resume", &WebSession::Resume)
      .function("records", &WebSession::RecordsShown)
      .function("month", &WebSession::Month)
      .function("today", &WebSession::Today)
      .function("startPastDay", &WebSession::StartPastDay);
}

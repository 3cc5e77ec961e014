#include "progress/records_update.h"

#include <utility>

namespace lucen {

bool ApplyShowingNotFirst(Records& records, const RecordEvent& event) {
  const bool changed = records.Apply(event);
  return event.kind == RecordEvent::Kind::kStart && event.game.scoring && !changed;
}

RecordsUpdate ApplyEvents(Records stored, const std::vector<RecordEvent>& events,
                          std::size_t judged) {
  RecordsUpdate update{std::move(stored), {}};
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (ApplyShowingNotFirst(update.records, events[i]) && i >= judged) {
      update.notFirstPlays.push_back(events[i].game.id);
    }
  }
  return update;
}

}  // namespace lucen

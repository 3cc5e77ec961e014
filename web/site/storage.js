// What the page keeps for the player between visits, in the browser's local storage: the only
// module that touches it. For now only the lasting choices (the desktop's preferences); the
// records and the game in play will be kept here too.

const preferencesKey = 'lucen.preferences';

// The level is that of "Partida nueva": 0 easy, 1 normal, 2 hard.
const defaults = { symbols: false, level: 1, askBeforeHint: true, askBeforeLeaving: true };

// The choices kept, each of the right type, with the defaults for any missing or damaged.
export function readPreferences() {
  let kept = {};
  try {
    kept = JSON.parse(localStorage.getItem(preferencesKey) ?? '{}') ?? {};
  } catch {
    // Storage refused (private browsing, a blocked site) or damaged: the defaults stand.
  }
  const preferences = { ...defaults };
  for (const [name, value] of Object.entries(defaults)) {
    if (typeof kept[name] === typeof value) preferences[name] = kept[name];
  }
  if (![0, 1, 2].includes(preferences.level)) preferences.level = defaults.level;
  return preferences;
}

export function savePreferences(preferences) {
  try {
    localStorage.setItem(preferencesKey, JSON.stringify(preferences));
  } catch {
    // Not kept: the choice still holds until the page closes.
  }
}

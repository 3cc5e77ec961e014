// What the page keeps for the player between visits, in the browser's local storage: the only
// module that touches it. The lasting choices (the desktop's preferences), the records (the
// desktop's records.json) and the game in play (its game-in-play.json), the last two as texts that
// only the C++ reads and writes.

const keys = {
  preferences: 'lucen.preferences',
  records: 'lucen.records',
  // The last stored records that could not be read, kept before they were replaced.
  unreadableRecords: 'lucen.records.unreadable',
  game: 'lucen.gameInPlay',
};

// The keys whose last write failed, or 'reading' while the storage cannot be read at all.
const failing = new Set();
let tellFailing = () => {};

// `tell(true)` while the storage refuses to keep something (disabled, full), `tell(false)` once it
// keeps everything again.
export function onStorageFailing(tell) {
  tellFailing = tell;
  tell(failing.size > 0);
}

function note(key, done) {
  const before = failing.size > 0;
  if (done) failing.delete(key);
  else failing.add(key);
  if (before !== failing.size > 0) tellFailing(!before);
}

function read(key) {
  try {
    const text = localStorage.getItem(key) ?? '';
    note('reading', true);
    return text;
  } catch {
    note('reading', false);  // a private window or a blocked site: nothing kept can be read
    return '';
  }
}

// Stores `text` under `key` (removes it for null); whether that was done.
function write(key, text) {
  try {
    if (text === null) localStorage.removeItem(key);
    else localStorage.setItem(key, text);
    note(key, true);
    return true;
  } catch {
    note(key, false);  // full, or refused: what is not kept holds until the page closes
    return false;
  }
}

// The level is that of "Partida nueva": 0 easy, 1 normal, 2 hard.
const defaults = { symbols: false, level: 1, askBeforeHint: true, askBeforeLeaving: true };

// The choices kept, each of the right type, with the defaults for any missing or damaged.
export function readPreferences() {
  let kept = {};
  try {
    kept = JSON.parse(read(keys.preferences) || '{}') ?? {};
  } catch {
    // Damaged: the defaults stand.
  }
  const preferences = { ...defaults };
  for (const [name, value] of Object.entries(defaults)) {
    if (typeof kept[name] === typeof value) preferences[name] = kept[name];
  }
  if (![0, 1, 2].includes(preferences.level)) preferences.level = defaults.level;
  return preferences;
}

export function savePreferences(preferences) {
  write(keys.preferences, JSON.stringify(preferences));
}

// The records document stored, '' when there is none.
export const readRecords = () => read(keys.records);

// Stores the records text a session gave (`read`: {text, unreadable}) in place of `before`, kept
// aside first when it could not be read; once stored, the session stops keeping what waited.
export function replaceRecords(session, read, before) {
  if (read.unreadable) write(keys.unreadableRecords, before);
  if (write(keys.records, read.text)) session.recordsKept();
}

// The game in play stored, '' when there is none.
export const readGame = () => read(keys.game);
export const writeGame = (text) => write(keys.game, text);
export const removeGame = () => write(keys.game, null);

// Calls `changed` when another tab of the page stores the records.
export function onOtherTabRecords(changed) {
  window.addEventListener('storage', (event) => {
    if (event.key === keys.records || event.key === null) changed();
  });
}

// The browser edition's window: it forwards the player's commands to the game session (the
// desktop's own C++, in lucen.wasm) and draws what the session says changed, as the desktop's
// main window does. No rule of the game is decided here.
import createLucen from './lucen.js';
import { BoardView } from './board.js';
import { askHintCost, askLeavingScore, copyText, showMessage, showModal, showWin, wireButtons } from './dialogs.js';
import { showPastDays } from './calendar.js';
import { showRecords } from './records.js';
import { SolutionPlayer } from './solution.js';
import {
  onOtherTabRecords, onStorageFailing, readGame, readPreferences, readRecords, removeGame, replaceRecords,
  savePreferences, writeGame,
} from './storage.js';
import { arg, codeErrorText, fillCaptions, gameLine, language, shareLine, tr } from './texts.js';

const MW = 'lucen::MainWindow';
const lucen = await createLucen();
const session = new lucen.Session();
const limits = lucen.limits();
const palettes = {};
for (let count = limits.minColours; count <= limits.maxColours; ++count) palettes[count] = lucen.palette(count);

const $ = (id) => document.getElementById(id);
const preferences = readPreferences();
let state = session.state();

// ---- Drawing ----

const board = new BoardView($('board'), (cell) => run(() => show(session.press(cell))));

// Keeps what a command changed, draws it (MainWindow::Show), and announces the win when it solved
// the board.
function show(change) {
  if (!change) return;
  keep(change);
  state = session.state();
  const palette = palettes[state.colourCount];
  if (change.cells === 'newBoard') board.rebuild(state.size, state.steps, palette);
  else if (change.cells === 'all') board.showAll(state.steps, palette);
  else if (change.cells === 'some') board.showCells(state.steps, change.changed);
  showControls();
  $('line').textContent = state.game ? gameLine(state.game, state.remaining) : '';
  // The address names a game just won until its message is closed.
  if (!change.solved) followAddress();
  if (change.solved && !solution.playing()) announceWin(change.won);
}

// The game in play stored or removed, and the records events stored, as the desktop's files.
function keep(change) {
  if (change.saved === 'save') writeGame(change.savedGame);
  else if (change.saved === 'remove') removeGame();
  if (change.recordsChanged) keep(syncRecords());
}

// The stored records read into the session with its events not stored yet, then stored with them.
// Returns what they changed in the game in play: a start that another tab made first is practice.
function syncRecords() {
  const stored = readRecords();
  const read = session.readRecords(stored);
  if (read.unwritten) replaceRecords(session, read, stored);
  return read.change;
}

function showControls() {
  $('size').value = state.size;
  $('colours').value = state.colourCount;
  $('level').value = preferences.level;
  $('symbols').checked = preferences.symbols;
  $('board').classList.toggle('symbols', preferences.symbols);
  command('undo').disabled = !state.canUndo;
  command('redo').disabled = !state.canRedo;
  command('restart').disabled = !state.game;
}

function command(name) {
  return document.querySelector(`[data-command="${name}"]`);
}

// ---- The address: it names the game in play, so that copying it shares the game ----

function addressFor(code) {
  return `${location.origin}${location.pathname}#${code}`;
}

function followAddress() {
  const hash = state.game ? `#${state.game.code}` : '';
  if (location.hash !== hash) history.replaceState(null, '', hash || location.pathname + location.search);
}

function addressText() {
  const text = location.hash.slice(1);
  try {
    return decodeURIComponent(text);
  } catch {
    return text;  // a stray % is part of what is named
  }
}

// Plays the game the address names, once the player agrees to leave a first play that still
// scores; the address otherwise names the game in play again. A bad code is named in a line, and
// the board stays as it is.
async function startFromAddress(text = addressText()) {
  if (text.trim() === '') return;
  const read = lucen.readGameCode(text);
  if (read.code) {
    if (read.code !== state.game?.code && (await mayLeaveScore())) show(session.start(read.code));
    else followAddress();
    return;
  }
  let notice = codeErrorText(read.error, text);
  if (!state.game) {
    notice += ` ${arg(tr('WebTexts', 'En su lugar se juega el tablero de %1x%1 con %2 colores.'),
      state.size, state.colourCount)}`;
  }
  $('notice').textContent = notice;
  $('notice').hidden = false;
  followAddress();
}

// ---- The player's commands ----

// Runs a command unless a modal window is up; any command ends the solution being shown.
async function run(action) {
  if (document.querySelector('dialog[open]')) return;
  solution.stop();
  $('notice').hidden = true;
  await action();
}

// Whether a command may end or restart a first play that still scores: only once the player says
// so, unless told not to ask.
async function mayLeaveScore() {
  if (!state.wouldAbandonScore || !preferences.askBeforeLeaving) return true;
  board.clearMark();
  const answer = await askLeavingScore(state.game.code);
  keepAsking('askBeforeLeaving', answer.askAgain);
  showControls();  // a refused size or colour shows the board's own again
  return answer.goOn;
}

function keepAsking(question, askAgain) {
  if (askAgain) return;
  preferences[question] = false;
  savePreferences(preferences);
}

async function leaveThen(action) {
  if (await mayLeaveScore()) show(action());
}

function newGame() {
  return leaveThen(() => {
    const [high, low] = crypto.getRandomValues(new Uint32Array(2));
    return session.startNew(preferences.level, high, low);
  });
}

async function hint() {
  board.clearMark();
  if (state.nextHint === 'costsTheScore' && preferences.askBeforeHint) {
    const answer = await askHintCost();
    keepAsking('askBeforeHint', answer.askAgain);
    if (!answer.goOn) return;
  }
  const answer = session.askHint();
  show(answer.change);
  if (answer.kind === 'noSolution') {
    await showMessage(arg(tr(MW, 'Este tablero no se puede completar con %1 colores. Prueba otro tamaño u otro número de colores.'), state.colourCount));
  } else if (answer.markCell && answer.kind === 'press') {
    board.mark(answer.cell);
  }
}

async function chooseGame() {
  board.clearMark();
  $('currentCode').value = state.game?.code ?? '';
  $('currentCode').placeholder = tr('lucen::ChooseGameDialog', 'ninguna partida numerada');
  $('copyCode').disabled = !state.game;
  $('codeText').value = '';
  $('codeProblem').hidden = true;
  let chosen = null;
  // A friend's whole shared line names its game too: the code is found anywhere in it. With none,
  // the text is read as one, to say what is wrong with it.
  $('chooseForm').onsubmit = (event) => {
    chosen = lucen.findGameCode($('codeText').value);
    if (chosen) return;
    event.preventDefault();
    const read = lucen.readGameCode($('codeText').value);
    $('codeProblem').textContent = codeErrorText(read.error ?? 'notACode', $('codeText').value);
    $('codeProblem').hidden = false;
    $('codeText').select();
  };
  const shown = showModal($('choose'));
  // Ready to copy when there is a game in play, ready to type otherwise.
  const ready = state.game ? $('currentCode') : $('codeText');
  ready.focus();
  ready.select();
  if ((await shown) === 'play' && chosen) await leaveThen(() => session.start(chosen));
}

async function pastDays() {
  board.clearMark();
  const day = await showPastDays(session);
  if (day) await leaveThen(() => session.startPastDay(day.year, day.month, day.day));
}

async function announceWin(won) {
  const next = await showWin(won, state.streak, (game, streak) => shareLine(game, streak, addressFor(game.code)));
  show(session.turnBlack());
  if (next === 'another') await newGame();
  if (next === 'solution') {
    show(session.replayAsPractice(won.code));
    solution.play(session.solutionRoute());
  }
}

const solution = new SolutionPlayer({
  mark: (cell) => board.mark(cell),
  press: (cell) => show(session.press(cell)),
  finished: () => {
    board.clearMark();
    if (state.solved) show(session.turnBlack());  // its end: no message, no record
  },
});

const commands = {
  newGame,
  daily: () => leaveThen(() => session.startDaily()),
  pastDays,
  records: () => {
    board.clearMark();
    return showRecords(session, limits, show);
  },
  chooseGame,
  restart: () => leaveThen(() => session.restart()),
  undo: () => show(session.undo()),
  redo: () => show(session.redo()),
  hint,
  reset: () => leaveThen(() => session.reset()),
};

// ---- Wiring ----

document.documentElement.lang = language;
fillCaptions(document);
wireButtons(document);
for (let size = limits.minSize; size <= limits.maxSize; ++size) $('size').add(new Option(`${size}x${size}`, size));
for (let count = limits.minColours; count <= limits.maxColours; ++count) $('colours').add(new Option(count, count));
$('board').setAttribute('aria-label', tr('WebTexts', 'Tablero'));
$('howToPlay').href = tr(MW, 'Instrucciones.htm');

for (const button of document.querySelectorAll('[data-command]')) {
  button.addEventListener('click', () => run(commands[button.dataset.command]));
}
$('size').addEventListener('change', () => run(() => leaveThen(() => session.chooseSize(Number($('size').value)))));
$('colours').addEventListener('change',
  () => run(() => leaveThen(() => session.chooseColourCount(Number($('colours').value)))));
$('level').addEventListener('change', () => {
  preferences.level = Number($('level').value);
  savePreferences(preferences);
});
$('symbols').addEventListener('change', () => {
  preferences.symbols = $('symbols').checked;
  savePreferences(preferences);
  showControls();
});
$('copyCode').addEventListener('click', () => copyText($('currentCode').value));

// Undo and redo by the usual keys; the browser keeps its own for the rest.
document.addEventListener('keydown', (event) => {
  if (!(event.ctrlKey || event.metaKey) || event.altKey || event.target.closest('input, select')) return;
  const key = event.key.toLowerCase();
  const name = key === 'z' ? (event.shiftKey ? 'redo' : 'undo') : key === 'y' ? 'redo' : null;
  if (!name) return;
  event.preventDefault();
  run(commands[name]);
});
// A code typed into the address plays that game, as "Elegir partida" does.
window.addEventListener('hashchange', () => run(() => startFromAddress()));

onStorageFailing((failing) => {
  $('storageLine').hidden = !failing;
});
onOtherTabRecords(() => show(syncRecords()));

board.rebuild(state.size, state.steps, palettes[state.colourCount]);
showControls();
// The records first, so that the game in play resumes knowing them; a code in the address is
// played instead, once the player agrees to leave a first play that still scores.
const named = addressText();
syncRecords();  // no game in play yet for them to change
show(session.resume(readGame()));
startFromAddress(named);
document.documentElement.dataset.ready = 'true';
performance.mark('lucen-ready');

// "Récords", as the desktop's records window shows them: the streak, and each board played with
// its numbers and a chart of its results by group; with the records exported to a file and
// imported from one. Every number comes from the session's C++.
import { showModal } from './dialogs.js';
import { readRecords, replaceRecords } from './storage.js';
import { arg, language, tr } from './texts.js';

const R = 'RecordsTexts';
const W = 'WebTexts';
const none = '—';
const $ = (id) => document.getElementById(id);

function element(tag, className, text) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  return made;
}

// "0", "1", "2", "3–5", "6–10", "más": each group from its least result to the next group's.
function groupNames(least) {
  return least.map((from, i) => {
    if (i + 1 === least.length) return tr(R, 'más');
    const to = least[i + 1] - 1;
    return to === from ? String(from) : `${from}–${to}`;
  });
}

// A board's chart: a bar for each group, its count above and its name below, told to a screen
// reader as the desktop's chart is ("0: 3; 1: 1; ...").
function chart(name, counts, groups) {
  const figure = element('div', 'chart');
  figure.setAttribute('role', 'img');
  figure.setAttribute('aria-label', `${name}: ${counts.map((count, i) => `${groups[i]}: ${count}`).join('; ')}`);
  const most = Math.max(...counts);
  counts.forEach((count, i) => {
    const column = element('div', 'column');
    const bar = element('div', 'amount');
    bar.style.height = `${most > 0 ? (100 * count) / most : 0}%`;
    bar.classList.toggle('some', count > 0);
    const room = element('div', 'room');
    room.append(bar);
    column.append(element('span', 'count', String(count)), room, element('span', 'group', groups[i]));
    figure.append(column);
  });
  return figure;
}

function boardSection(board, groups) {
  const average = new Intl.NumberFormat(language, { minimumFractionDigits: 1, maximumFractionDigits: 1 });
  const name = arg(tr(R, '%1x%1, %2 colores'), board.size, board.colourCount);
  const section = element('section', 'board-record');
  section.dataset.board = `${board.size}x${board.size}-${board.colourCount}`;
  const numbers = element('dl');
  for (const [label, value] of [
    ['Jugadas:', board.played], ['Ganadas:', board.won], ['Perfectas:', board.perfect],
    ['Resultado medio:', board.average === null ? none : average.format(board.average)],
    ['Mejor resultado:', board.best ?? none]]) {
    numbers.append(element('dt', '', tr(R, label)), element('dd', '', String(value)));
  }
  section.append(element('h3', '', name), numbers, chart(name, board.distribution, groups));
  return section;
}

function fill(session) {
  const records = session.records();
  $('currentStreak').textContent = tr(R, 'Racha actual: %n días', records.current);
  $('bestStreak').textContent = tr(R, 'Mejor racha: %n días', records.best);
  const groups = groupNames(records.groups);
  $('boardsPlayed').replaceChildren(...records.boards.map((board) => boardSection(board, groups)));
  $('recordsNote').textContent = records.boards.length > 0
    ? tr(R, 'El resultado cuenta las pulsaciones de más sobre el mínimo: menos es mejor, y 0 es una partida perfecta. Cuenta la primera partida de cada código, ganada sin pistas y sin reiniciarla.')
    : tr(W, 'Aún no has jugado ninguna partida numerada. Empieza una con «Partida nueva» o «Partida del día».');
  $('recordsUnreadable').hidden = !records.unreadable;
}

function tell(text) {
  $('importResult').textContent = text;
  $('importResult').hidden = false;
}

// The stored records (or what the session knows beyond them) downloaded as records.json.
function exportRecords(session) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([session.exportRecords(readRecords())], { type: 'application/json' }));
  link.download = 'records.json';
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

// A records file merged into the stored records; one that cannot be read changes nothing.
async function importRecords(session, limits, show, file) {
  let text = null;
  try {
    if (file.size <= limits.mostRecordsBytes) text = await file.text();
  } catch {
    // Unreadable, told below.
  }
  const stored = readRecords();
  const merged = text === null ? null : session.importRecords(text, stored);
  if (!merged) {
    tell(arg(tr(W, '«%1» no se pudo leer como récords de Lucen; no ha cambiado nada.'), file.name));
    return;
  }
  replaceRecords(session, merged, stored);
  show(merged.change);
  fill(session);
  tell(arg(tr(W, 'Récords de «%1» añadidos.'), file.name));
}

// Shows "Récords" until it is closed; `show` draws what an import changed in the game in play.
export function showRecords(session, limits, show) {
  fill(session);
  $('importResult').hidden = true;
  $('exportRecords').onclick = () => exportRecords(session);
  $('importRecords').onclick = () => $('importFile').click();
  $('importFile').onchange = () => {
    const file = $('importFile').files[0];
    $('importFile').value = '';
    if (file) importRecords(session, limits, show, file);
  };
  const shown = showModal($('records'));
  $('records').scrollTop = 0;  // the streaks in view on a small screen, not the focused "Cerrar"
  return shown;
}

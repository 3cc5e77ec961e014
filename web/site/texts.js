// The page's texts: the desktop's own, from its translation files (text_table.js, made at build
// time), in the player's language, and the lines that the desktop's texts/game_texts.cpp builds
// from them.
import table from './text_table.js';

// English when the browser's first language is English, as the desktop speaks English on an
// English desktop; Spanish, the source language, otherwise.
export const language = /^en\b/i.test((navigator.languages ?? [navigator.language])[0] ?? '')
  ? 'en' : 'es';

// A text as Qt's tr() gives it: the translation of `source` in `context`, or the source itself;
// with a count, its plural form (one for 1, another for the rest, in both languages) with %n
// filled in.
export function tr(context, source, count) {
  let text = table[language][context]?.[source] ?? source;
  if (Array.isArray(text)) text = text[count === 1 ? 0 : 1];
  return count === undefined ? text : text.replaceAll('%n', String(count));
}

// QString::arg: %1, %2, ... take the values, every place each stands.
export function arg(text, ...values) {
  return text.replace(/%(\d)/g, (all, n) => (n >= 1 && n <= values.length ? String(values[n - 1]) : all));
}

// A caption without Qt's mnemonic marks ("&Ver solución").
export function caption(text) {
  return text.replace(/&(.)/g, '$1');
}

const G = 'GameTexts';
const between = ' · ';

const colourSources = { black: 'negro', yellow: 'amarillo', lightRed: 'rojo claro', lightGreen: 'verde claro' };
export function colourName(key) {
  return tr('ColourNames', colourSources[key]);
}

// "Celda 7, fila 2, columna 2, negro", and the hint when the cell is marked.
export function cellName(number, row, column, colourKey, hint) {
  const C = 'lucen::CellButton';
  return `${arg(tr(C, 'Celda %1'), number)}, ${arg(tr(C, 'fila %1, columna %2, %3'), row, column, colourName(colourKey))}` +
    (hint ? tr(C, ', pista: pulsa esta casilla') : '');
}

const codeErrors = {
  empty: 'falta el código de la partida',
  notACode: 'un código tiene la forma 7x7-3-123456',
  sidesDiffer: 'el tablero es cuadrado: sus dos lados son iguales',
  sizeOutOfRange: 'el tablero tiene de 5x5 a 9x9 casillas',
  coloursOutOfRange: 'los colores son 2, 3 o 4',
  numberOutOfRange: 'las partidas van del 1 al 999999',
};
// Why `text` is no game code, naming the text (CodeErrorText).
export function codeErrorText(error, text) {
  const reason = tr(G, codeErrors[error] ?? codeErrors.notACode);
  return error === 'empty' ? reason : arg(tr(G, '«%1» no es un código de partida: %2.'), text.trim(), reason);
}

export function pressesText(presses) {
  return tr(G, '%n pulsaciones', presses);
}

export function starsText(stars) {
  return '\u2605'.repeat(stars) + '\u2606'.repeat(3 - stars);
}

// The line under the board while a numbered game is in play (GameLine).
export function gameLine(game, remaining) {
  const parts = [];
  if (game.daily) parts.push(game.dailyIsToday ? tr(G, 'Partida del día') : arg(tr(G, 'Partida del %1'), game.daily));
  parts.push(game.code, pressesText(game.presses), arg(tr(G, 'mínimo %1'), game.fewest));
  if (remaining !== null) parts.push(tr(G, 'faltan %n', remaining));
  if (!game.scoring) parts.push(tr(G, 'práctica'));
  return parts.join(between);
}

// The lines under "Lo lograste!!" (WinLines).
export function winLines(game, streak) {
  const win = arg(tr(G, 'Partida %1: %2 (mínimo %3)'), game.code, pressesText(game.presses), game.fewest);
  if (!game.scoring) return [arg(tr(G, '%1, práctica'), win)];
  const lines = [win, starsText(game.stars) + (game.perfect ? ' ' + tr(G, '¡Perfecta!') : '')];
  if (game.daily) lines.push(arg(tr(G, 'Partida del %1'), game.daily) + between + tr(G, 'Racha: %n días', streak));
  return lines;
}

// The line a player shares (ShareLine), ending with the page's address for the game.
export function shareLine(game, streak, address) {
  let name = `Lucen ${game.code}`;
  if (game.daily) name += ` ${game.daily}`;
  const line = arg(tr(G, '%1: %2 (mínimo %3)'), name, pressesText(game.presses), game.fewest);
  let shared;
  if (!game.scoring) {
    shared = arg(tr(G, '%1, práctica'), line);
  } else {
    shared = `${line} ${starsText(game.stars)}`;
    if (game.daily) shared += between + tr(G, 'Racha: %n días', streak);
  }
  return `${shared} ${address}`;
}

// Fills every element marked with data-text (and data-context, the main window's by default).
export function fillCaptions(root) {
  for (const element of root.querySelectorAll('[data-text]')) {
    element.textContent = caption(tr(element.dataset.context ?? 'lucen::MainWindow', element.dataset.text));
  }
}

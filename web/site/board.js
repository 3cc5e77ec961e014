// The board on the page: one button per cell, row by row, coloured from the palette that the
// rules give. It draws what it is told and reports presses; the arrow keys move the focus over
// it, and Space or Enter press the focused cell, as on any button.
import { cellName } from './texts.js';

export class BoardView {
  constructor(element, onPress) {
    this.element = element;
    this.cells = [];
    this.size = 0;
    this.steps = [];
    this.palette = [];
    this.hint = null;
    element.addEventListener('click', (event) => {
      const cell = event.target.closest('.cell');
      if (cell) onPress(Number(cell.dataset.index));
    });
    element.addEventListener('keydown', (event) => this.moveFocus(event));
    element.addEventListener('focusin', (event) => {
      const index = this.cells.indexOf(event.target);
      if (index >= 0) this.setFocusPlace(index);
    });
  }

  // A fresh set of cells for a board of `size`, the focus place kept where it fits.
  rebuild(size, steps, palette) {
    const focused = this.cells.indexOf(document.activeElement);
    this.size = size;
    this.element.style.setProperty('--size', size);
    this.cells = Array.from({ length: size * size }, (_, index) => {
      const cell = document.createElement('button');
      cell.type = 'button';
      cell.className = 'cell';
      cell.dataset.index = index;
      cell.tabIndex = -1;
      return cell;
    });
    this.element.replaceChildren(...this.cells);
    this.hint = null;
    this.showAll(steps, palette);
    this.setFocusPlace(0);
    if (focused >= 0) this.cells[Math.min(focused, this.cells.length - 1)].focus();
  }

  showAll(steps, palette) {
    this.palette = palette;
    this.showCells(steps, steps.map((_, index) => index));
  }

  // A hint holds for the position it was given on: any change takes the mark away.
  showCells(steps, changed) {
    const marked = this.hint;
    this.hint = null;
    this.steps = steps;
    for (const index of changed) this.paint(index);
    if (marked !== null && !changed.includes(marked)) this.paint(marked);
  }

  paint(index) {
    const colour = this.palette[this.steps[index]];
    const cell = this.cells[index];
    cell.style.backgroundColor = `rgb(${colour.rgb.join(',')})`;
    cell.dataset.colour = colour.key;
    cell.classList.toggle('hint', index === this.hint);
    cell.setAttribute('aria-label', cellName(index + 1, Math.floor(index / this.size) + 1,
      index % this.size + 1, colour.key, index === this.hint));
  }

  // Marks a cell for the player to press, and gives it the focus, so that Space plays it.
  mark(index) {
    this.clearMark();
    this.hint = index;
    this.paint(index);
    this.setFocusPlace(index);
    this.cells[index].focus();
  }

  clearMark() {
    const marked = this.hint;
    this.hint = null;
    if (marked !== null && marked < this.cells.length) this.paint(marked);
  }

  // The one cell that Tab reaches; the arrow keys move on from there.
  setFocusPlace(index) {
    for (const cell of this.cells) cell.tabIndex = -1;
    this.cells[index].tabIndex = 0;
  }

  focusPlace() {
    return this.cells.find((cell) => cell.tabIndex === 0) ?? this.cells[0];
  }

  moveFocus(event) {
    const steps = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };
    const step = steps[event.key];
    const index = this.cells.indexOf(event.target);
    if (!step || index < 0 || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    const row = Math.floor(index / this.size) + step[0];
    const column = index % this.size + step[1];
    if (row < 0 || row >= this.size || column < 0 || column >= this.size) return;
    const next = row * this.size + column;
    this.setFocusPlace(next);
    this.cells[next].focus();
  }
}

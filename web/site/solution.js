// "Ver solución": each cell of the route is marked, then pressed a moment later, about 0.4 s
// apart; the solved board stays a little, then the player ends. Any click or key stops it at once
// and goes on to where it was aimed.
const stepMs = 200;
const restingSteps = 4;

export class SolutionPlayer {
  // `mark(cell)` and `press(cell)` act on the board; `finished()` follows the end or a stop.
  constructor({ mark, press, finished }) {
    Object.assign(this, { mark, press, finished });
    this.timer = 0;
    this.stopNow = () => this.stop();
  }

  play(cells) {
    this.stop();
    Object.assign(this, { route: cells, next: 0, marked: false, resting: restingSteps });
    document.addEventListener('pointerdown', this.stopNow, true);
    document.addEventListener('keydown', this.stopNow, true);
    this.timer = setInterval(() => this.step(), stepMs);
    this.step();
  }

  playing() {
    return this.timer !== 0;
  }

  step() {
    if (this.next < this.route.length) {
      if (this.marked) this.press(this.route[this.next++]);
      else this.mark(this.route[this.next]);
      this.marked = !this.marked;
    } else if (--this.resting <= 0) {
      this.stop();
    }
  }

  stop() {
    if (!this.timer) return;
    clearInterval(this.timer);
    this.timer = 0;
    document.removeEventListener('pointerdown', this.stopNow, true);
    document.removeEventListener('keydown', this.stopNow, true);
    this.finished();
  }
}

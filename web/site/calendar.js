// "Días anteriores": a month calendar of the games of the day, as the desktop's, each day a button
// named by its date and how its game went. The marks and which days can be chosen come from the
// session's C++; the arrow keys move over the days.
import { showModal } from './dialogs.js';
import { language, tr } from './texts.js';

const P = 'PastDaysTexts';
const $ = (id) => document.getElementById(id);
const markSources = { perfect: 'perfecta', won: 'ganada', played: 'jugada y no ganada', missed: 'sin jugar' };
const longDate = new Intl.DateTimeFormat(language, { dateStyle: 'full' });
const monthName = new Intl.DateTimeFormat(language, { month: 'long', year: 'numeric' });

const dateOf = ({ year, month, day }) => {
  const date = new Date(year, month - 1, day);
  date.setFullYear(year);  // years below 100 too
  return date;
};

// "martes, 1 de diciembre de 2026: ganada", as the desktop tells the chosen day.
function dayName(date, mark) {
  const name = longDate.format(dateOf(date));
  return mark ? `${name}: ${tr(P, markSources[mark])}` : name;
}

// The month of `date` in `session`, its days as buttons; `chosen` is the day picked.
function drawMonth(session, shown, chosen, today) {
  const month = session.month(shown.year, shown.month);
  $('monthName').textContent = monthName.format(dateOf({ ...shown, day: 1 }));
  $('nextMonth').disabled = shown.year > today.year || (shown.year === today.year && shown.month >= today.month);
  $('previousMonth').disabled = session.month(...previous(shown)) === null;
  const buttons = month.days.map(({ day, mark, choosable }) => {
    const date = { ...shown, day };
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = day;
    button.dataset.day = day;
    if (mark) button.dataset.mark = mark;
    button.disabled = !choosable;
    button.tabIndex = -1;
    button.setAttribute('aria-label', dayName(date, mark));
    button.setAttribute('aria-pressed', String(day === chosen.day && shown.month === chosen.month && shown.year === chosen.year));
    if (day === today.day && shown.month === today.month && shown.year === today.year) button.setAttribute('aria-current', 'date');
    return button;
  });
  buttons[0].style.gridColumnStart = month.firstWeekday + 1;
  $('calendar').replaceChildren(...weekdays(), ...buttons);
  const place = buttons.find((b) => b.getAttribute('aria-pressed') === 'true') ??
    buttons.findLast((b) => !b.disabled) ?? buttons[0];
  place.tabIndex = 0;
  return month;
}

// Monday to Sunday, short, for the eye alone: each day's button names its date whole.
function weekdays() {
  const name = new Intl.DateTimeFormat(language, { weekday: 'short' });
  return Array.from({ length: 7 }, (_, i) => {
    const weekday = document.createElement('span');
    weekday.className = 'weekday';
    weekday.textContent = name.format(new Date(2024, 0, 1 + i));  // 1 January 2024 was a Monday
    weekday.setAttribute('aria-hidden', 'true');
    return weekday;
  });
}

function previous({ year, month }) {
  return month === 1 ? [year - 1, 12] : [year, month - 1];
}

function next({ year, month }) {
  return month === 12 ? [year + 1, 1] : [year, month + 1];
}

// Shows the calendar; resolves to the day chosen to play ({year, month, day}), or null.
export async function showPastDays(session) {
  const today = session.today();
  const yesterday = dateOf(today);
  yesterday.setDate(yesterday.getDate() - 1);
  let chosen = { year: yesterday.getFullYear(), month: yesterday.getMonth() + 1, day: yesterday.getDate() };
  let shown = { year: chosen.year, month: chosen.month };
  let month = null;
  const redraw = (focus) => {
    month = drawMonth(session, shown, chosen, today);
    const chosenMonth = chosen.year === shown.year && chosen.month === shown.month
      ? month : session.month(chosen.year, chosen.month);
    $('chosenDay').textContent = dayName(chosen, chosenMonth.days[chosen.day - 1].mark);
    if (focus) $('calendar').querySelector('[tabindex="0"]').focus();
  };
  const choose = (day, focus) => {
    chosen = { ...shown, day };
    redraw(focus);
  };
  const turn = ([year, month]) => {
    shown = { year, month };
    redraw(false);
  };
  $('previousMonth').onclick = () => turn(previous(shown));
  $('nextMonth').onclick = () => turn(next(shown));
  $('calendar').onclick = (event) => {
    const button = event.target.closest('button');
    if (button && !button.disabled) choose(Number(button.dataset.day), true);
  };
  $('calendar').ondblclick = (event) => {
    if (event.target.closest('button:enabled')) $('pastDays').close('play');
  };
  // Left and right a day, up and down a week, within the month and up to today.
  $('calendar').onkeydown = (event) => {
    const step = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -7, ArrowDown: 7 }[event.key];
    const day = Number(event.target.dataset.day) + (step ?? 0);
    if (!step || !month.days[day - 1]?.choosable) return;
    event.preventDefault();
    choose(day, true);
  };
  redraw(false);
  const answer = showModal($('pastDays'));
  $('calendar').querySelector('[tabindex="0"]').focus();
  return (await answer) === 'play' ? chosen : null;
}

// The page's modal windows: each a <dialog> shown with showModal, which keeps every other part of
// the page from the player until it closes, takes the focus and gives it back where it was.
import { arg, caption, tr, winLines } from './texts.js';

// Shows `dialog` until one of its buttons with a value, Escape or its form closes it; resolves to
// the button's value ('' for Escape).
export function showModal(dialog) {
  const before = document.activeElement;
  dialog.returnValue = '';
  dialog.showModal();
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      // Where the focus was, or else the board's focus place when that is gone.
      const back = before?.isConnected ? before : document.querySelector('#board [tabindex="0"]');
      back?.focus();
      resolve(dialog.returnValue);
    }, { once: true });
  });
}

// Buttons with a value close their dialog with it.
export function wireButtons(root) {
  for (const button of root.querySelectorAll('dialog button[value]')) {
    if (button.type === 'submit') continue;
    button.addEventListener('click', () => button.closest('dialog').close(button.value));
  }
}

const Q = 'Questions';

// Asks before a command that would cost the score, with "No volver a preguntar". Resolves to
// {goOn, askAgain}.
async function askBeforeCost(question, goOn, stay) {
  const dialog = document.getElementById('question');
  document.getElementById('questionText').textContent = question;
  document.getElementById('goOn').textContent = goOn;
  document.getElementById('stay').textContent = stay;
  const dontAsk = document.getElementById('dontAsk');
  dontAsk.checked = false;
  const wentOn = (await showModal(dialog)) === 'goOn';
  return { goOn: wentOn, askAgain: !(wentOn && dontAsk.checked) };
}

export function askHintCost() {
  return askBeforeCost(tr(Q, 'Con una pista, esta partida ya no cuenta para los récords.'),
    tr(Q, 'Ver pista'), tr(Q, 'Cancelar'));
}

export function askLeavingScore(code) {
  return askBeforeCost(
    arg(tr(Q, 'La partida %1 aún cuenta para los récords. Si la dejas, contará como jugada y no ganada.'), code),
    tr(Q, 'Dejarla'), tr(Q, 'Seguir jugando'));
}

export function showMessage(text) {
  document.getElementById('messageText').textContent = text;
  return showModal(document.getElementById('message'));
}

const copiedShownMs = 2000;

// The win: "Lo lograste!!", and for a numbered game its lines and what to do next. Resolves to
// 'another', 'solution' or anything else for nothing.
export function showWin(won, streak, share) {
  const dialog = document.getElementById('win');
  dialog.classList.toggle('numbered', Boolean(won));
  document.getElementById('winLines').textContent = won ? winLines(won, streak).join('\n') : '';
  const copy = document.getElementById('copyResult');
  const status = document.getElementById('copyStatus');
  const copyCaption = caption(tr('lucen::WinMessage', '&Copiar resultado'));
  copy.textContent = copyCaption;
  status.textContent = '';
  let timer = 0;
  copy.onclick = async () => {
    // The message stays up; the button says so for two seconds, and a screen reader hears it.
    const copied = await copyText(won ? share(won, streak) : '');
    copy.focus();
    const said = copied ? tr('lucen::WinMessage', 'Copiado') : tr('WebTexts', 'No se pudo copiar.');
    copy.textContent = said;
    status.textContent = said;
    clearTimeout(timer);
    timer = setTimeout(() => {
      copy.textContent = copyCaption;
      status.textContent = '';
    }, copiedShownMs);
  };
  return showModal(dialog).finally(() => clearTimeout(timer));
}

export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    // No clipboard access (an insecure page, or a refused permission): the older way.
    const field = document.createElement('textarea');
    field.value = text;
    field.setAttribute('readonly', '');
    field.className = 'hidden-text';
    // Inside the dialog up, if any: everything outside a modal dialog is inert.
    (document.activeElement?.closest('dialog') ?? document.body).append(field);
    field.select();
    const done = document.execCommand('copy');
    field.remove();
    return done;
  }
}

// Message boxes, questions and the progress of a run, as modal dialogs over the window: each
// keeps the focus inside while open, Escape answers as the window's Escape does, and the focus
// goes back to where it was when the dialog closes.

import { layout } from './generated/layout.js';
import { kLayoutContext } from './layout.js';
import { tr } from './texts.js';

export type MessageKind = 'information' | 'warning' | 'critical' | 'question';

/** A button of a question: `accept` answers yes, `reject` is also what Escape chooses. */
export interface AskButton {
  readonly label: string;
  readonly role: 'accept' | 'reject' | 'destructive' | 'other';
}

export interface DialogOptions {
  /** The dialog's title; the window's title by default, as a message box has. */
  readonly title?: string;
  readonly kind?: MessageKind;
  /** Tests find a dialog by its id (the window's objectName of the box). */
  readonly id?: string;
}

/** The progress of a long piece of work with its Cancel button. */
export interface ProgressDialog {
  readonly dialog: HTMLDialogElement;
  setLabel(text: string): void;
  /** A range of 0 to 0 shows work going on without a measure of how far. */
  setRange(minimum: number, maximum: number): void;
  setValue(value: number): void;
  /** The string the work is at, shown between quotes, its spaces as they are. */
  setCurrentString(text: string): void;
  /** Calls `listener` when the user cancels (the button or Escape); the dialog then closes. */
  onCancel(listener: () => void): void;
  close(): void;
}

// Qt's own caption of a message box's OK button, which the program's catalogue does not hold.
const kOk = 'OK';
// The string line keeps room for this many characters, as the window's does.
const kStringColumns = 60;

function windowTitle(): string {
  return tr(kLayoutContext, layout.form.windowTitle);
}

let dialogsMade = 0;

function newDialog(kind: string, options: DialogOptions): {
  dialog: HTMLDialogElement;
  body: HTMLElement;
  buttons: HTMLElement;
} {
  dialogsMade += 1;
  const dialog = document.createElement('dialog');
  dialog.className = `message ${kind}`;
  dialog.id = options.id ?? `dialog${dialogsMade}`;
  const title = document.createElement('h2');
  title.className = 'dialog-title';
  title.id = `${dialog.id}-title`;
  title.textContent = options.title ?? windowTitle();
  dialog.setAttribute('aria-labelledby', title.id);
  const body = document.createElement('div');
  body.className = 'dialog-body';
  const buttons = document.createElement('div');
  buttons.className = 'dialog-buttons';
  dialog.append(title, body, buttons);
  trapFocus(dialog);
  return { dialog, body, buttons };
}

const kFocusable =
  'button:not(:disabled), input:not(:disabled), select:not(:disabled), textarea:not(:disabled), ' +
  'a[href], [tabindex]:not([tabindex="-1"])';

/**
 * Keeps Tab and Shift+Tab going round the controls of `dialog` while it is open, rather than
 * out to the browser's own controls, as a modal window of the desktop keeps them.
 */
export function trapFocus(dialog: HTMLDialogElement): void {
  dialog.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    const controls = [...dialog.querySelectorAll<HTMLElement>(kFocusable)].filter(
      (control) => control.getClientRects().length > 0,
    );
    if (controls.length === 0) {
      event.preventDefault();
      return;
    }
    const first = controls[0];
    const last = controls[controls.length - 1];
    const at = document.activeElement;
    if (event.shiftKey && (at === first || !dialog.contains(at))) {
      event.preventDefault();
      last.focus();
    } else if (!event.shiftKey && (at === last || !dialog.contains(at))) {
      event.preventDefault();
      first.focus();
    }
  });
}

function open(dialog: HTMLDialogElement): () => void {
  const opener = document.activeElement instanceof HTMLElement ? document.activeElement : null;
  document.body.append(dialog);
  dialog.showModal();
  return () => {
    if (dialog.open) {
      dialog.close();
    }
    dialog.remove();
    if (opener !== null && opener.isConnected) {
      opener.focus();
    }
  };
}

function icon(kind: MessageKind): HTMLElement {
  const shape = document.createElement('span');
  shape.className = `icon icon-${kind}`;
  shape.setAttribute('aria-hidden', 'true');
  return shape;
}

function textBlock(text: string, id: string): HTMLElement {
  const paragraph = document.createElement('p');
  paragraph.className = 'dialog-text';
  paragraph.id = id;
  paragraph.textContent = text;
  return paragraph;
}

/**
 * Asks `text` with `buttons` and resolves with the index of the one chosen; Escape chooses the
 * first `reject` button (or, without one, the last button). The first `accept` button has the
 * focus.
 */
export function ask(
  text: string,
  buttons: readonly AskButton[],
  options: DialogOptions = {},
): Promise<number> {
  const kind = options.kind ?? 'question';
  const { dialog, body, buttons: row } = newDialog(kind, options);
  dialog.setAttribute('role', 'alertdialog');
  const textId = `${dialog.id}-text`;
  dialog.setAttribute('aria-describedby', textId);
  body.append(icon(kind), textBlock(text, textId));
  const reject = buttons.findIndex((b) => b.role === 'reject');
  const escapeIndex = reject >= 0 ? reject : buttons.length - 1;
  return new Promise<number>((resolve) => {
    let finish: () => void = () => undefined;
    const answer = (index: number): void => {
      finish();
      resolve(index);
    };
    const choices = buttons.map((wanted, index) => {
      const choice = document.createElement('button');
      choice.type = 'button';
      choice.textContent = wanted.label;
      choice.dataset.role = wanted.role;
      choice.addEventListener('click', () => answer(index));
      row.append(choice);
      return choice;
    });
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      answer(escapeIndex);
    });
    finish = open(dialog);
    const first = buttons.findIndex((b) => b.role === 'accept');
    choices[first >= 0 ? first : 0]?.focus();
  });
}

/** Shows `text` with an icon of `kind` and OK, resolving when it is closed. */
export async function showMessage(
  kind: MessageKind,
  text: string,
  options: Omit<DialogOptions, 'kind'> = {},
): Promise<void> {
  await ask(text, [{ label: kOk, role: 'accept' }], { ...options, kind });
}

/** Opens the progress dialog of a run under `title`. */
export function openProgress(title: string, options: Omit<DialogOptions, 'title'> = {}): ProgressDialog {
  const { dialog, body, buttons } = newDialog('progress', { ...options, title });
  dialog.id = options.id ?? 'runProgressDialog';
  const label = document.createElement('p');
  label.id = 'progressLabel';
  label.className = 'dialog-text';
  const current = document.createElement('p');
  current.id = 'progressString';
  current.className = 'progress-string';
  const inner = document.createElement('span');
  inner.className = 'progress-string-text';
  inner.style.maxWidth = `${kStringColumns - 2}ch`;
  current.append('"', inner, '"');
  current.style.minWidth = `${kStringColumns}ch`;
  const bar = document.createElement('div');
  bar.id = 'progressBar';
  bar.className = 'progress-bar';
  bar.setAttribute('role', 'progressbar');
  bar.setAttribute('aria-labelledby', label.id);
  const fill = document.createElement('div');
  fill.className = 'progress-fill';
  const percent = document.createElement('span');
  percent.className = 'progress-text';
  bar.append(fill, percent);
  body.append(label, current, bar);
  const cancel = document.createElement('button');
  cancel.type = 'button';
  cancel.id = 'cancelButton';
  cancel.textContent = tr('quarrow::RunProgressDialog', 'Cancel');
  buttons.append(cancel);
  dialog.setAttribute('aria-describedby', label.id);

  let minimum = 0;
  let maximum = 0;
  let value = 0;
  const listeners: (() => void)[] = [];
  const show = (): void => {
    const busy = maximum <= minimum;
    bar.classList.toggle('busy', busy);
    if (busy) {
      bar.removeAttribute('aria-valuenow');
      bar.removeAttribute('aria-valuetext');
      percent.textContent = '';
      fill.style.width = '';
      return;
    }
    const clamped = Math.min(Math.max(value, minimum), maximum);
    const share = Math.round(((clamped - minimum) * 100) / (maximum - minimum));
    bar.setAttribute('aria-valuemin', String(minimum));
    bar.setAttribute('aria-valuemax', String(maximum));
    bar.setAttribute('aria-valuenow', String(clamped));
    bar.setAttribute('aria-valuetext', `${share}%`);
    percent.textContent = `${share}%`;
    fill.style.width = `${share}%`;
  };
  show();
  const finish = open(dialog);
  const cancelled = (): void => {
    finish();
    for (const listener of listeners) {
      listener();
    }
  };
  cancel.addEventListener('click', cancelled);
  dialog.addEventListener('cancel', (event) => {
    event.preventDefault();
    cancelled();
  });
  cancel.focus();
  return {
    dialog,
    setLabel: (text) => {
      label.textContent = text;
    },
    setRange: (low, high) => {
      minimum = low;
      maximum = high;
      show();
    },
    setValue: (next) => {
      value = next;
      show();
    },
    setCurrentString: (text) => {
      // A run's string may be a million letters long; only its start can be in sight.
      inner.textContent = text.slice(0, 2 * kStringColumns);
    },
    onCancel: (listener) => {
      listeners.push(listener);
    },
    close: finish,
  };
}

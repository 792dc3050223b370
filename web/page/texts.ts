// The texts the page shows, looked up in the window's own catalogue as Qt's tr() does.

import { catalogue } from './generated/texts.js';

let strict = false;

/**
 * Makes a text missing from the catalogue throw (tests) rather than show its source text and
 * report it on the console (the page).
 */
export function setStrictTexts(on: boolean): void {
  strict = on;
}

// English has two forms: one, and every other count (0 included), as Qt's English rules.
function formFor(count: number): 0 | 1 {
  return count === 1 ? 0 : 1;
}

/** `count` with its thousands grouped as English writes them, as `%Ln` shows it. */
export function groupedCount(count: number): string {
  const digits = String(Math.trunc(Math.abs(count)));
  const grouped = digits.replace(/\B(?=(\d{3})+$)/g, ',');
  return count < 0 ? `-${grouped}` : grouped;
}

/**
 * The text the window shows for `source` under `context`. With a count (`n` of 0 or more), a
 * message with English forms takes the one for that count, and `%n` / `%Ln` become the count,
 * plain and grouped.
 */
export function tr(context: string, source: string, n?: number): string {
  const entry = catalogue[context]?.[source];
  let text: string;
  if (entry === undefined) {
    const problem = `No catalogue text for ${JSON.stringify(source)} in ${context}`;
    if (strict) {
      throw new Error(problem);
    }
    console.error(problem);
    text = source;
  } else if (typeof entry === 'string') {
    text = entry;
  } else {
    text = entry[n !== undefined && n >= 0 ? formFor(n) : 1];
  }
  if (n !== undefined && n >= 0) {
    text = text.replace(/%L?n/g, (marker) =>
      marker === '%Ln' ? groupedCount(n) : String(Math.trunc(n)),
    );
  }
  return text;
}

/**
 * `text` with its markers `%1` to `%99` filled in one pass, as QString::arg with several
 * arguments does: the first value replaces every marker of the lowest number, the second those of
 * the next number, and so on; markers past the values stay, and a value's own `%1` is not read.
 */
export function arg(text: string, ...values: readonly (string | number)[]): string {
  const marker = /%L?(\d{1,2})/g;
  const numbers = new Set<number>();
  for (const match of text.matchAll(marker)) {
    const number = Number(match[1]);
    if (number > 0) {
      numbers.add(number);
    }
  }
  const order = [...numbers].sort((a, b) => a - b);
  const valueOf = new Map<number, string>();
  order.forEach((number, index) => {
    if (index < values.length) {
      valueOf.set(number, String(values[index]));
    }
  });
  return text.replace(marker, (whole: string, digits: string) => valueOf.get(Number(digits)) ?? whole);
}

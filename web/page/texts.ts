// The texts the page shows, looked up in the window's own catalogue as Qt's tr() does.

import { catalogues, languages } from './generated/texts.js';

let strict = false;
let current = 'en';

/** The shipped languages, each named in itself, in the order the program lists them. */
export const shippedLanguages = languages;

/** The event the document receives after the language changed; every view re-renders its texts. */
export const kLanguageChanged = 'quarrow-language-changed';

/** The language the page shows (en, de, fr, es or pt_BR). */
export function currentLanguage(): string {
  return current;
}

/** The shipped language for a tag such as "pt-BR", "de-AT" or "fr": as the desktop matches it. */
export function matchLanguage(tag: string): string | null {
  const [primary = '', region = ''] = tag.replace('_', '-').toLowerCase().split('-');
  if (primary === 'pt') {
    return 'pt_BR';
  }
  const exact = languages.find((language) => language.code.toLowerCase() === `${primary}${region ? `_${region}` : ''}`);
  return (exact ?? languages.find((language) => language.code === primary))?.code ?? null;
}

/** The first of the browser's languages that is shipped, else English. */
export function browserLanguage(tags: readonly string[]): string {
  for (const tag of tags) {
    const code = matchLanguage(tag);
    if (code !== null) {
      return code;
    }
  }
  return 'en';
}

let previous = 'en';

/** The language shown before the last change. */
export function previousLanguage(): string {
  return previous;
}

/** Shows every text in `code` from now on and tells the views; the <html> element's lang follows. */
export function setLanguage(code: string): void {
  if (catalogues[code] === undefined || code === current) {
    return;
  }
  previous = current;
  current = code;
  if (typeof document !== 'undefined') {
    document.documentElement.lang = code.replace('_', '-');
    document.dispatchEvent(new Event(kLanguageChanged));
  }
}

/** Calls `render` now and again each time the language changes. */
export function onLanguageChange(render: () => void): void {
  document.addEventListener(kLanguageChanged, render);
}

/**
 * Makes a text missing from the catalogue throw (tests) rather than show its source text and
 * report it on the console (the page).
 */
export function setStrictTexts(on: boolean): void {
  strict = on;
}

// Every shipped language has two forms, as Qt's rules: French and Brazilian Portuguese take the
// first for 0 and 1, English, German and Spanish for 1 only.
function formFor(count: number, language: string): 0 | 1 {
  const singularZero = language === 'fr' || language === 'pt_BR';
  return count === 1 || (singularZero && count === 0) ? 0 : 1;
}

/**
 * `count` with its thousands grouped as `language` writes them, as `%Ln` shows it: English's
 * commas, then the language's own forms (`shownFigure`).
 */
export function groupedCount(count: number, language = current): string {
  const digits = String(Math.trunc(Math.abs(count)));
  const grouped = digits.replace(/\B(?=(\d{3})+$)/g, ',');
  return shownFigure(count < 0 ? `-${grouped}` : grouped, language);
}

/**
 * The text the window shows for `source` under `context`. With a count (`n` of 0 or more), a
 * message with English forms takes the one for that count, and `%n` / `%Ln` become the count,
 * plain and grouped.
 */
export function tr(context: string, source: string, n?: number): string {
  const entry = catalogues[current]?.[context]?.[source] ?? catalogues.en?.[context]?.[source];
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
    text = entry[n !== undefined && n >= 0 ? formFor(n, current) : 1];
  }
  if (n !== undefined && n >= 0) {
    text = text.replace(/%L?n/g, (marker) =>
      marker === '%Ln' ? groupedCount(n) : String(Math.trunc(n)),
    );
  }
  return text;
}

/** A text that arg() puts in as it stands, such as what the user typed: never read as a figure. */
export class Verbatim {
  constructor(readonly text: string) {}

  toString(): string {
    return this.text;
  }
}

/** `text` to be shown as it stands, even where it looks like a figure ("2.5" typed in a box). */
export function verbatim(text: string): Verbatim {
  return new Verbatim(text);
}

// A figure as the engine writes it: "6,268", "3.25", "-1", "1.2 × 10⁴⁰", "∞", "12.5%", with the
// unit of a size in bytes after it when it is one ("1.8 MB").
const kFigure = /^[-\u2212]?(?:\d|\u221e)[\d,. \u00a0\u00d7\u207b\u2070\u00b9\u00b2\u00b3\u2074-\u2079%]*(?: (bytes|kB|MB|GB|TB|PB|EB))?$/u;

/**
 * `english`, a figure as the engine and the lab write it, in the forms of `language`: each
 * catalogue states its thousands separator and decimal point ("NumberThousands",
 * "NumberDecimal"), as the window reads them, so that German reads "1.490,5" and French
 * "1 490,5"; a size's unit is the language's own. Any other text is returned as it is.
 */
export function shownFigure(english: string, language = current): string {
  const match = kFigure.exec(english);
  if (match === null) {
    return english;
  }
  const stated = (context: string, source: string): string => {
    const entry = catalogues[language]?.[context]?.[source];
    return typeof entry === 'string' && entry !== '' ? entry : source;
  };
  const thousands = stated('NumberThousands', ',');
  const decimal = stated('NumberDecimal', '.');
  const unit = match[1];
  const figure = unit === undefined ? english : english.slice(0, -unit.length - 1);
  const shown = figure.replace(/[,.]/g, (mark) => (mark === ',' ? thousands : decimal));
  return unit === undefined ? shown : `${shown} ${stated('BytesText', unit)}`;
}

/**
 * `value` as the language shown writes a chart's tick: "10,000" in English, "10.000" in German;
 * nothing for a tick the chart leaves unlabelled (null).
 */
export function figureText(value: number | null): string {
  return value === null ? '' : shownFigure(value.toLocaleString('en', { maximumFractionDigits: 3 }));
}

/**
 * `text` with its markers `%1` to `%99` filled in one pass, as QString::arg with several
 * arguments does: the first value replaces every marker of the lowest number, the second those of
 * the next number, and so on; markers past the values stay, and a value's own `%1` is not read.
 * A value that is a figure (a number, or a text such as "1,490.5") is shown in the language's
 * forms, as the window shows it; a `verbatim` one as it stands.
 */
export function arg(text: string, ...values: readonly (string | number | Verbatim)[]): string {
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
    const value = values[index];
    if (value !== undefined) {
      valueOf.set(number, value instanceof Verbatim ? value.text : shownFigure(String(value)));
    }
  });
  return text.replace(marker, (whole: string, digits: string) => valueOf.get(Number(digits)) ?? whole);
}

// Each whole text of `language` that a catalogue entry shows, with its context and source.
const shownSources = new Map<string, Map<string, [string, string]>>();

function sourcesOf(language: string): Map<string, [string, string]> {
  let sources = shownSources.get(language);
  if (sources === undefined) {
    sources = new Map();
    const catalogue = catalogues[language] ?? {};
    for (const [context, entries] of Object.entries(catalogue)) {
      for (const [source, entry] of Object.entries(entries)) {
        if (typeof entry !== 'string') {
          continue;
        }
        // As a label shows it too: without its '&' shortcut marks.
        for (const shown of [entry, entry.replace(/&(&?)/g, '$1')]) {
          if (shown !== '' && !sources.has(shown)) {
            sources.set(shown, [context, source]);
          }
        }
      }
    }
    shownSources.set(language, sources);
  }
  return sources;
}

// The attributes that hold shown texts.
const kTextAttributes = ['title', 'aria-label', 'aria-description', 'placeholder'];

/**
 * Writes again, in the language shown now, every text under `root` that is a whole catalogue text
 * of language `from` (text nodes and the shown attributes). Texts the program composed with
 * figures are not catalogue texts and stay; the views write those again themselves. Preformatted
 * text, text boxes and elements marked data-own-texts (which write their texts again themselves) are
 * left alone.
 */
export function translateShown(root: Element, from: string): void {
  if (from === current) {
    return;
  }
  const sources = sourcesOf(from);
  const again = (text: string): string | null => {
    const found = sources.get(text);
    return found === undefined ? null : tr(found[0], found[1]).replace(/&(&?)/g, text.includes('&') ? '&$1' : '$1');
  };
  const kept = (element: Element | null): boolean =>
    element !== null && element.closest('pre, textarea, [data-own-texts]') !== null;
  for (const element of [root, ...root.querySelectorAll('*')]) {
    if (kept(element)) {
      continue;
    }
    for (const name of kTextAttributes) {
      const value = element.getAttribute(name);
      const shown = value === null ? null : again(value);
      if (shown !== null) {
        element.setAttribute(name, shown);
      }
    }
  }
  const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node !== null; node = walker.nextNode()) {
    if (kept(node.parentElement)) {
      continue;
    }
    const text = node.textContent ?? '';
    // A text beside a control keeps the spaces that part it from the control.
    const trimmed = text.trim();
    const whole = again(text);
    const inner = whole === null && trimmed !== text ? again(trimmed) : null;
    if (whole !== null) {
      node.textContent = whole;
    } else if (inner !== null) {
      const at = text.indexOf(trimmed);
      node.textContent = text.slice(0, at) + inner + text.slice(at + trimmed.length);
    }
  }
}

// The set-up a teacher's link carries: ?phrase=METHINKS+IT+IS+LIKE+A+WEASEL&step=4&scheme=3&seed=1.
// Every value is read as text and checked; one that cannot be used is left out with a note the
// page shows, and the page starts as it would without it.

import type { Engine, State } from "./engine-core.js";
import { arg, matchLanguage, shippedLanguages, tr, verbatim } from "./texts.js";

/** The longest phrase a link may carry: an address much longer than this is cut or refused by
 * many servers and mail programs; longer phrases belong in the box. */
export const kLongestLinkPhrase = 2_000;

export interface LinkSetup {
  phrase?: string;
  /** 1 to 4. */
  step?: number;
  /** The scheme's number in the table. */
  scheme?: number;
  seed?: { text: string; state: State };
  /** The language the link asks for (lang=de, lang=pt-BR ...). */
  language?: string;
  /** A view to open over the page: "repeat". */
  view?: "repeat";
  /** What was ignored, in the page's words. */
  notes: string[];
}

const kKnown = new Set(["phrase", "step", "scheme", "seed", "view", "lang"]);

function page(source: string): string {
  return tr("WebPage", source);
}

/** Reads the address's query. */
export function readLink(search: string, engine: Engine, schemeNumbers: number[]): LinkSetup {
  const query = new URLSearchParams(search);
  const setup: LinkSetup = { notes: [] };
  for (const [name, value] of query) {
    if (!kKnown.has(name)) {
      setup.notes.push(
        arg(page("The link's setting \"%1\" is not one this page knows, and was ignored."), verbatim(name)),
      );
      continue;
    }
    if (name === "phrase") {
      if (value.length > kLongestLinkPhrase) {
        setup.notes.push(
          arg(
            page("The link's phrase was ignored: it is longer than %1 characters."),
            engine.figures(kLongestLinkPhrase, 0).grouped,
          ),
        );
      } else {
        setup.phrase = value;
      }
    } else if (name === "step") {
      if (/^[1-4]$/.test(value)) {
        setup.step = Number(value);
      } else {
        setup.notes.push(
          arg(page("The link's step \"%1\" was ignored: the steps are 1 to 4."), verbatim(value)),
        );
      }
    } else if (name === "scheme") {
      if (/^[0-9]{1,3}$/.test(value) && schemeNumbers.includes(Number(value))) {
        setup.scheme = Number(value);
      } else {
        setup.notes.push(
          arg(
            page("The link's scheme \"%1\" was ignored: the schemes are %2."),
            verbatim(value),
            `${schemeNumbers.slice(0, -1).join(", ")} ${tr("WebPage", "and")} ${
              schemeNumbers[schemeNumbers.length - 1]
            }`,
          ),
        );
      }
    } else if (name === "lang") {
      const code = matchLanguage(value);
      if (code !== null) {
        setup.language = code;
      } else {
        setup.notes.push(
          arg(
            page("The link's language \"%1\" was ignored: the languages are %2."),
            verbatim(value.length > 40 ? `${value.slice(0, 40)}…` : value),
            shippedLanguages.map((language) => language.code.replace("_", "-")).join(", "),
          ),
        );
      }
    } else if (name === "view") {
      // Only the Repeat view opens from a link; any other value is left out.
      if (value === "repeat") {
        setup.view = "repeat";
      } else {
        setup.notes.push(
          arg(page("The link's setting \"%1\" is not one this page knows, and was ignored."), verbatim(`view=${value}`)),
        );
      }
    } else if (name === "seed") {
      const seed = engine.readSeed(value);
      if (seed.valid && seed.seed && seed.text) {
        setup.seed = { text: seed.text, state: seed.seed };
      } else {
        setup.notes.push(
          arg(
            page("The link's seed \"%1\" was ignored: a seed is a whole number from 0 to %2."),
            verbatim(value.length > 40 ? `${value.slice(0, 40)}…` : value),
            "18446744073709551615",
          ),
        );
      }
    }
  }
  return setup;
}

/** The address of this page with the set-up given. */
export function linkTo(
  base: string,
  setup: { phrase: string; step: number; scheme?: number; seed?: string },
): string {
  const query = new URLSearchParams();
  query.set("phrase", setup.phrase);
  query.set("step", String(setup.step));
  if (setup.scheme !== undefined) {
    query.set("scheme", String(setup.scheme));
  }
  if (setup.seed !== undefined) {
    query.set("seed", setup.seed);
  }
  const address = new URL(base);
  address.search = query.toString();
  address.hash = "";
  return address.href;
}

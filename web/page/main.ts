// The page's start: the window drawn from its layout, the engine loaded, the set-up read from
// the address, and the four pages given their behaviour.

import { Engine, loadModule } from "./engine-core.js";
import { buildWindow } from "./layout.js";
import { languageChooser } from "./language-chooser.js";
import { createHelpViewer, installHelp } from "./help.js";
import { linkTo, readLink } from "./link.js";
import { OfflineSite } from "./offline.js";
import { openRepeat } from "./repeat.js";
import { Steps } from "./steps.js";
import {
  arg,
  browserLanguage,
  currentLanguage,
  matchLanguage,
  onLanguageChange,
  previousLanguage,
  setLanguage,
  tr,
  translateShown,
} from "./texts.js";

function toolbar(): HTMLElement {
  let bar = document.getElementById("page-tools");
  if (bar === null) {
    bar = document.createElement("header");
    bar.id = "page-tools";
    document.body.append(bar);
  }
  return bar;
}

/** Notes on what the address held that the page could not use, where everyone sees them. */
function showNotes(notes: string[], seedNote: string | null): void {
  const bar = toolbar();
  let list = document.getElementById("link-notes");
  if (list === null) {
    list = document.createElement("div");
    list.id = "link-notes";
    list.setAttribute("role", "status");
  }
  list.replaceChildren();
  for (const note of seedNote ? [seedNote, ...notes] : notes) {
    const line = document.createElement("p");
    line.textContent = note;
    list.append(line);
  }
  if (!list.isConnected) {
    bar.append(list);
  }
}

/** The page's set-up as a link: the phrase, step, scheme and seed it shows. */
function setUpLink(steps: Steps, ui: ReturnType<typeof buildWindow>): string {
  return linkTo(location.href, {
    phrase: ui.input("txtPhrase").value,
    step: ui.currentTab() + 1,
    scheme: steps.chosenScheme(),
    seed: steps.seedText(),
  });
}

function addCopyLink(steps: Steps, ui: ReturnType<typeof buildWindow>): void {
  const button = document.createElement("button");
  button.type = "button";
  button.id = "copyLink";
  const render = (): void => {
    button.textContent = tr("WebPage", "Copy link");
    button.title = tr("WebPage", "Copy a link to this phrase, step and scheme");
  };
  render();
  onLanguageChange(render);
  const said = document.createElement("p");
  said.id = "copy-link-said";
  said.setAttribute("role", "status");
  button.addEventListener("click", async () => {
    const link = setUpLink(steps, ui);
    try {
      await navigator.clipboard.writeText(link);
      said.textContent = arg(tr("WebPage", "The link to this set-up is on the clipboard:\n%1"), link);
    } catch {
      said.textContent = arg(
        tr("WebPage", "The link could not be put on the clipboard. Copy it from here:\n%1"),
        link,
      );
    }
  });
  toolbar().prepend(button, said);
}

/** The page's heading for those who read it by its headings: the window's title. */
function addHeading(): void {
  const heading = document.createElement("h1");
  heading.className = "visually-hidden";
  heading.textContent = document.title;
  toolbar().prepend(heading);
  onLanguageChange(() => {
    heading.textContent = document.title;
  });
}

/** The language the page starts in: the link's, else the first of the browser's it ships. */
function startLanguage(): string {
  const asked = new URLSearchParams(location.search).get("lang");
  const fromLink = asked === null ? null : matchLanguage(asked);
  return fromLink ?? browserLanguage(navigator.languages ?? [navigator.language]);
}

/** The chooser of the language in the bar. */
function addLanguageChooser(): void {
  const holder = languageChooser("language");
  holder.id = "language-chooser";
  toolbar().append(holder);
}

async function start(): Promise<void> {
  setLanguage(startLanguage());
  document.documentElement.lang = currentLanguage().replace("_", "-");
  addHeading();
  // Kept for use offline, and told of new versions in the bar; a switch reopens this set-up.
  const offline = new OfflineSite(toolbar());
  void offline.start();
  const root = document.getElementById("app") ?? document.body;
  const ui = buildWindow(root);
  const engine = new Engine(await loadModule(new URL("../engine", import.meta.url).href));
  const schemes = engine.schemes();
  const setup = readLink(
    location.search,
    engine,
    schemes.map((row) => row.number),
  );
  const steps = new Steps(ui, engine, setup);
  steps.Form_Load();
  installHelp(
    ui,
    createHelpViewer({
      logPath: tr("WebPage", "generation.log, in this browser's storage for the page"),
    }),
  );
  addCopyLink(steps, ui);
  addLanguageChooser();
  // The steps' texts, the open views and dialogs: every catalogue text they show, written again.
  onLanguageChange(() => translateShown(document.body, previousLanguage()));
  offline.keepSetUp(() => setUpLink(steps, ui));
  const notes = (): void => {
    // The notes are read again from the address so that they speak the language shown.
    const again = readLink(location.search, engine, schemes.map((row) => row.number));
    showNotes(
      again.notes,
      again.seed
        ? arg(
            tr("WebPage", "Seeded with %1: every result repeats exactly, as quarrow-lab's with --seed %1."),
            again.seed.text,
          )
        : null,
    );
  };
  notes();
  onLanguageChange(notes);
  document.body.dataset.ready = "true";
  // A link may open the Repeat view over the page, on the phrase and seed it carries.
  if (setup.view === "repeat") {
    openRepeat({ target: ui.input("txtPhrase").value, seedText: setup.seed?.text });
  }
}

start().catch((error: unknown) => {
  const problem = document.createElement("p");
  problem.setAttribute("role", "alert");
  problem.textContent = arg(
    tr("WebPage", "Quarrow could not start in this browser: %1"),
    error instanceof Error ? error.message : String(error),
  );
  document.body.append(problem);
});

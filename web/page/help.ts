// The help viewer: the window's own help pages (ui/help/pages, copied to help/ in the site) in a
// modal dialog with the list of topics, Back and Forward, and the topic's title as its title.

import { trapFocus } from './dialogs.js';
import { languageChooser } from './language-chooser.js';
import { layout } from './generated/layout.js';
import { helpTopicOf, setDescription } from './layout.js';
import type { WindowControls } from './layout.js';
import { arg, currentLanguage, onLanguageChange, tr } from './texts.js';

const kViewer = 'quarrow::HelpViewer';
const kTopicContext = 'HelpTopic';
// The marker topic 110 carries where the log's place belongs.
const kLogPathMarker = '@LOG_PATH@';

// What a help page may contain: its text and structure, links between topics and nothing else.
const kKeptElements = new Set([
  'a', 'b', 'blockquote', 'br', 'code', 'dd', 'div', 'dl', 'dt', 'em', 'h1', 'h2', 'h3', 'h4',
  'hr', 'i', 'kbd', 'li', 'ol', 'p', 'pre', 'samp', 'small', 'span', 'strong', 'sub', 'sup',
  'table', 'tbody', 'td', 'th', 'thead', 'tr', 'u', 'ul', 'var',
]);
// Whose contents are dropped with them.
const kDroppedWhole = new Set(['script', 'style', 'iframe', 'object', 'embed', 'template', 'noscript']);

/** The viewer's one dialog. */
export interface HelpViewer {
  readonly dialog: HTMLDialogElement;
  /** Shows topic `context` (0 or an unknown number: the contents), opening the dialog. */
  show(context: number, opener?: Element | null): Promise<void>;
  close(): void;
  /** The topic showing: 0 for the contents. */
  currentTopic(): number;
  /** The title of topic `context` as the contents list shows it; '' if the page has none. */
  topicTitle(context: number): Promise<string>;
  /** Puts `path` where topic 110 names the log's place. */
  setLogPath(path: string): void;
}

export interface HelpOptions {
  /** The folder of the pages, relative to the document; "help/" by default. */
  readonly base?: string;
  /** Where the page keeps the generation log, shown in the log's topic. */
  readonly logPath?: string;
}

interface ParsedPage {
  readonly title: string;
  readonly body: Document;
}

function isKnown(context: number): boolean {
  return layout.help.topics.includes(context);
}

function fileOf(context: number): string {
  return isKnown(context) ? `topic${context}.html` : 'contents.html';
}

/** The topic a link to `href` leads to; null for anything that is not one of the pages. */
export function topicOfLink(href: string): number | null {
  const match = /^(?:\.\/)?(?:topic(\d+)|(contents))\.html(?:#.*)?$/.exec(href.trim());
  if (match === null) {
    return null;
  }
  if (match[2] !== undefined) {
    return 0;
  }
  const context = Number(match[1]);
  return isKnown(context) ? context : null;
}

/** The page's body as plain elements: no scripts, styles, handlers or links out of the help. */
export function cleanBody(source: Node, into: Document): DocumentFragment {
  const fragment = into.createDocumentFragment();
  const copy = (node: Node, parent: Node): void => {
    if (node.nodeType === Node.TEXT_NODE) {
      parent.appendChild(into.createTextNode(node.textContent ?? ''));
      return;
    }
    if (node.nodeType !== Node.ELEMENT_NODE) {
      return;
    }
    const element = node as Element;
    const tag = element.localName;
    if (kDroppedWhole.has(tag)) {
      return;
    }
    let target: Node = parent;
    if (kKeptElements.has(tag)) {
      const kept = into.createElement(tag);
      if (tag === 'a') {
        const topic = topicOfLink(element.getAttribute('href') ?? '');
        if (topic !== null) {
          kept.setAttribute('href', fileOf(topic));
          kept.dataset.topic = String(topic);
        }
      }
      parent.appendChild(kept);
      target = kept;
    }
    element.childNodes.forEach((child) => copy(child, target));
  };
  source.childNodes.forEach((child) => copy(child, fragment));
  return fragment;
}

function button(text: string, toolTip: string): HTMLButtonElement {
  const made = document.createElement('button');
  made.type = 'button';
  made.textContent = text;
  if (toolTip !== '') {
    made.title = toolTip;
  }
  return made;
}

/** Makes the viewer; it opens on its first `show`. */
export function createHelpViewer(options: HelpOptions = {}): HelpViewer {
  const base = options.base ?? 'help/';
  let logPath = options.logPath ?? '';
  const pages = new Map<string, Promise<ParsedPage | null>>();
  const history: number[] = [];
  let at = -1;
  let opener: HTMLElement | null = null;

  const dialog = document.createElement('dialog');
  dialog.id = 'helpViewer';
  dialog.className = 'help-viewer';
  dialog.dataset.ownTexts = 'true';
  // The help window's size at 1x, grown with the window's zoom as far as the screen allows.
  const size = layout.help.baseSize;
  dialog.style.width = `min(calc(${size.w}px * var(--zoom, 1)), 96vw)`;
  dialog.style.height = `min(calc(${size.h}px * var(--zoom, 1)), 94vh)`;
  const heading = document.createElement('h2');
  heading.id = 'helpViewer-title';
  heading.className = 'dialog-title';
  dialog.setAttribute('aria-labelledby', heading.id);
  const back = button(tr(kViewer, 'Back'), tr(kViewer, 'Back to the previous topic (Alt+Left)'));
  const retitle = (): void => {
    back.textContent = tr(kViewer, 'Back');
    back.title = tr(kViewer, 'Back to the previous topic (Alt+Left)');
    forward.textContent = tr(kViewer, 'Forward');
    forward.title = tr(kViewer, 'Forward to the next topic (Alt+Right)');
    close.setAttribute('aria-label', tr('quarrow::ViewControls', 'Close'));
    contents.setAttribute('aria-label', tr(kViewer, 'Help topics'));
    topic.setAttribute('aria-label', tr(kViewer, 'Help topic'));
  };
  back.id = 'helpBack';
  back.setAttribute('aria-keyshortcuts', 'Alt+ArrowLeft');
  const forward = button(
    tr(kViewer, 'Forward'),
    tr(kViewer, 'Forward to the next topic (Alt+Right)'),
  );
  forward.id = 'helpForward';
  forward.setAttribute('aria-keyshortcuts', 'Alt+ArrowRight');
  // The window's close box, which the help window has from the window manager.
  const close = button('\u00d7', '');
  close.id = 'helpClose';
  close.className = 'close';
  close.setAttribute('aria-label', tr('quarrow::ViewControls', 'Close'));
  const bar = document.createElement('div');
  bar.className = 'help-bar';
  bar.append(back, forward, heading, languageChooser('helpLanguage'), close);

  const contents = document.createElement('nav');
  contents.id = 'helpContents';
  contents.setAttribute('aria-label', tr(kViewer, 'Help topics'));
  const list = document.createElement('ul');
  contents.append(list);
  const topic = document.createElement('article');
  topic.id = 'helpBrowser';
  topic.tabIndex = 0;
  topic.setAttribute('aria-label', tr(kViewer, 'Help topic'));
  topic.setAttribute('aria-live', 'polite');
  const split = document.createElement('div');
  split.className = 'help-split';
  split.append(contents, topic);
  dialog.append(bar, split);
  trapFocus(dialog);
  document.body.append(dialog);

  // Each language's pages are in help/<language>/, English's in help/; a page missing in a
  // language is shown in English.
  const fetchPage = (language: string, file: string): Promise<ParsedPage> =>
    fetch(language === 'en' ? base + file : `${base}${language}/${file}`)
      .then((response) => (response.ok ? response.text() : Promise.reject(response.status)))
      .then((text) => {
        const parsed = new DOMParser().parseFromString(text, 'text/html');
        const title = (parsed.querySelector('title')?.textContent ?? '').replace(/\s+/g, ' ').trim();
        // The English pages' titles are catalogue entries; a translated page carries its own.
        const shownTitle = title === '' || language !== 'en' ? title : tr(kTopicContext, title);
        return { title: shownTitle, body: parsed };
      });
  const load = (context: number): Promise<ParsedPage | null> => {
    const file = fileOf(context);
    const language = currentLanguage();
    const key = `${language}/${file}`;
    let page = pages.get(key);
    if (page === undefined) {
      page = fetchPage(language, file)
        .catch(() => (language === 'en' ? Promise.reject(new Error(file)) : fetchPage('en', file)))
        .catch(() => null);
      pages.set(key, page);
    }
    return page;
  };

  const topicTitle = async (context: number): Promise<string> =>
    (await load(isKnown(context) ? context : 0))?.title ?? '';

  const entries = [0, ...layout.help.topics].map((context) => {
    const item = document.createElement('li');
    const link = document.createElement('a');
    link.href = fileOf(context);
    link.dataset.topic = String(context);
    item.append(link);
    list.append(item);
    return link;
  });
  const titleEntries = (): void => {
    entries.forEach((link) => {
      void topicTitle(Number(link.dataset.topic)).then((title) => {
        link.textContent = title;
      });
    });
  };
  titleEntries();

  const render = async (context: number): Promise<void> => {
    const page = await load(context);
    topic.replaceChildren();
    if (page !== null) {
      topic.append(cleanBody(page.body.body, document));
      if (logPath !== '') {
        const walker = document.createTreeWalker(topic, NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node !== null; node = walker.nextNode()) {
          node.textContent = (node.textContent ?? '').split(kLogPathMarker).join(logPath);
        }
      }
    }
    heading.textContent =
      context === 0
        ? tr(kViewer, 'Quarrow Help')
        : arg(tr(kViewer, 'Quarrow Help: %1'), page?.title ?? '');
    entries.forEach((link) => {
      if (Number(link.dataset.topic) === context) {
        link.setAttribute('aria-current', 'page');
      } else {
        link.removeAttribute('aria-current');
      }
    });
    back.disabled = at <= 0;
    forward.disabled = at >= history.length - 1;
    topic.scrollTop = 0;
    if (dialog.open && !dialog.contains(document.activeElement)) {
      // The link or button that had the focus went with the page, or was disabled.
      topic.focus({ preventScroll: true });
    }
  };

  // A new language: the bar, the list and the topic showing are shown again in it.
  onLanguageChange(() => {
    retitle();
    titleEntries();
    if (at >= 0) {
      void render(history[at]);
    }
  });

  const go = (context: number): Promise<void> => {
    const target = isKnown(context) ? context : 0;
    if (history[at] !== target) {
      history.splice(at + 1);
      history.push(target);
      at = history.length - 1;
    }
    return render(target);
  };
  const step = (by: number): void => {
    const next = at + by;
    if (next >= 0 && next < history.length) {
      at = next;
      void render(history[at]);
    }
  };

  dialog.addEventListener('click', (event) => {
    const link = (event.target as Element).closest?.('a');
    if (link !== null && link !== undefined && dialog.contains(link)) {
      event.preventDefault();
      const context = link.dataset.topic;
      if (context !== undefined) {
        void go(Number(context));
      }
    }
  });
  document.addEventListener('keydown', (event) => {
    if (dialog.open && event.altKey && !event.ctrlKey && (event.key === 'ArrowLeft' || event.key === 'ArrowRight')) {
      event.preventDefault();
      step(event.key === 'ArrowLeft' ? -1 : 1);
    }
  });
  back.addEventListener('click', () => step(-1));
  forward.addEventListener('click', () => step(1));
  close.addEventListener('click', () => dialog.close());
  dialog.addEventListener('close', () => {
    // The focus goes back where it was when the help opened.
    if (opener !== null && opener.isConnected) {
      opener.focus();
    }
    opener = null;
  });

  return {
    dialog,
    show: async (context, from) => {
      if (!dialog.open) {
        const focused = from ?? document.activeElement;
        opener = focused instanceof HTMLElement ? focused : null;
        dialog.showModal();
      }
      await go(context);
      topic.focus({ preventScroll: true });
    },
    close: () => dialog.close(),
    currentTopic: () => history[at] ?? 0,
    topicTitle,
    setLogPath: (path) => {
      logPath = path;
      if (dialog.open && history[at] !== undefined) {
        void render(history[at]);
      }
    },
  };
}

/**
 * Wires the window's help: every button with a topic opens it, F1 opens the topic of the
 * focused control (the contents where it has none), and each button that explains a box says
 * which topic it opens, as the window's InstallHelp does.
 */
export function installHelp(window: WindowControls, viewer: HelpViewer): void {
  for (const widget of layout.widgets) {
    if (widget.class !== 'QPushButton' || (widget.helpContext ?? 0) <= 0) {
      continue;
    }
    const control = window.button(widget.objectName);
    control.addEventListener('click', () => {
      void viewer.show(window.helpTopicOf(control), control);
    });
    if (!layout.instructionsButtons.includes(widget.objectName)) {
      void viewer.topicTitle(widget.helpContext ?? 0).then((title) => {
        if (title !== '') {
          setDescription(control, arg(tr('quarrow::Quarrow', 'Opens the help topic "%1"'), title));
        }
      });
    }
  }
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'F1' || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    event.preventDefault();
    if (viewer.dialog.open) {
      return;
    }
    const focused = document.activeElement;
    if (document.querySelector('dialog[open]') === null) {
      void viewer.show(helpTopicOf(focused), focused);
    }
  });
}

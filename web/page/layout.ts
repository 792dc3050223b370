// The window's fixed layout in the page: every control of ui/window/quarrow.ui at its place in
// a box of the form's size, the box grown by one factor to fill the browser window, centred,
// with the margins left over on two sides where the window's shape differs from the form's.

import { layout } from './generated/layout.js';
import type { FontSpec, Geometry, LayoutWidget } from './generated/layout.js';
import { onLanguageChange, tr } from './texts.js';

/** The controls of the built window, found by their objectName. */
export interface WindowControls {
  /** The box of the form's size that holds every control. */
  readonly form: HTMLElement;
  /** A line edit. */
  input(name: string): HTMLInputElement;
  /** A push button (a tab of the strip is not one). */
  button(name: string): HTMLButtonElement;
  /** An option button. */
  radio(name: string): HTMLInputElement;
  /** A caption: its text is the label's whole text content. */
  label(name: string): HTMLElement;
  /** Any control, page or group by its objectName. */
  element(name: string): HTMLElement;
  /** The index of the page showing (0 is "Step One"). */
  currentTab(): number;
  /** Shows page `index`, telling the listeners if it changes. */
  setTab(index: number): void;
  /** Calls `listener(current, previous)` after each page change; returns its removal. */
  onTabChanged(listener: (current: number, previous: number) => void): () => void;
  /** The help topic F1 opens for `element`: the nearest control's helpContext, else 0. */
  helpTopicOf(element: Element | null): number;
  /** Gives a control another help topic (the scheme table decides the schemes' ones). */
  setHelpTopic(name: string, topic: number): void;
  /** The factor the form is shown at. */
  zoom(): number;
}

/** The layout's texts are translated under the form's class, as uic writes them. */
export const kLayoutContext = layout.form.objectName;

// Capitals of the page's default face are at least this tall on a 1920 by 1080 screen, where a
// class reads them from the back of the room.
const kLegibleCapitals = 20;
// The page's own bar above the window (its heading, Copy link) takes up to this much height.
const kPageBar = 48;
const kProjectorScreen = { w: 1920, h: 1080 - kPageBar };
const kPointsToPixels = 96 / 72;
// A face the system lacks falls back to the generic one of its kind.
const kGenericFamily: { readonly [role: string]: string } = {
  default: 'sans-serif',
  largeTitle: 'serif',
  title: 'serif',
  string: 'monospace',
};

/** A caption without its '&' marks, and the letter after the first single '&'. */
export interface Mnemonic {
  readonly caption: string;
  readonly key: string | null;
  readonly index: number;
}

/** Splits `text` as Qt reads a mnemonic: '&&' is a literal '&', '&x' makes x the key. */
export function splitMnemonic(text: string): Mnemonic {
  let caption = '';
  let key: string | null = null;
  let index = -1;
  for (let i = 0; i < text.length; i += 1) {
    const c = text[i];
    if (c === '&' && i + 1 < text.length) {
      const next = text[i + 1];
      if (next === '&') {
        caption += '&';
        i += 1;
        continue;
      }
      if (key === null && next.trim() !== '') {
        key = next.toUpperCase();
        index = caption.length;
      }
      continue;
    }
    caption += c;
  }
  return { caption, key, index };
}

function shown(text: string | undefined): string {
  return text === undefined || text === '' ? '' : tr(kLayoutContext, text);
}

function familyOf(role: string, font: FontSpec): string {
  const names = font.families.map((family) => JSON.stringify(family));
  return [...names, kGenericFamily[role] ?? 'sans-serif'].join(', ');
}

function place(element: HTMLElement, geometry: Geometry | undefined, top = 0): void {
  if (geometry === undefined) {
    return;
  }
  element.style.left = `${geometry.x}px`;
  element.style.top = `${geometry.y - top}px`;
  element.style.width = `${geometry.w}px`;
  element.style.height = `${geometry.h}px`;
}

/** Fills `element` with `text`, the mnemonic letter underlined as the window draws it. */
function writeCaption(element: HTMLElement, mnemonic: Mnemonic): void {
  element.replaceChildren();
  if (mnemonic.index < 0) {
    element.textContent = mnemonic.caption;
    return;
  }
  const underlined = document.createElement('u');
  underlined.textContent = mnemonic.caption.charAt(mnemonic.index);
  element.append(
    mnemonic.caption.slice(0, mnemonic.index),
    underlined,
    mnemonic.caption.slice(mnemonic.index + 1),
  );
}

// ---- Arrows, drawn pixel for pixel as the window draws them (ui/window/arrows.cpp).

// Whether pixel (x, y) of a right arrow `length` long and `thickness` high is black.
function rightArrowPixel(x: number, y: number, length: number, thickness: number): boolean {
  if (length < 4 || thickness < 3) {
    return false;
  }
  const middle = Math.trunc((thickness - 1) / 2);
  const headLength = Math.min(Math.trunc(length / 2), Math.trunc(thickness / 2) + 1);
  const shaftHalf = Math.max(Math.trunc(thickness / 8), 1);
  let half = shaftHalf;
  if (x >= length - headLength) {
    const fromTip = length - 1 - x;
    half = Math.trunc(
      (fromTip * middle + Math.trunc((headLength - 1) / 2)) / Math.max(headLength - 1, 1),
    );
  }
  return y >= Math.max(middle - half, 0) && y <= Math.min(middle + half, thickness - 1);
}

function drawArrow(canvas: HTMLCanvasElement, down: boolean, scale: number): void {
  const width = Math.max(Math.round(Number(canvas.dataset.w) * scale), 1);
  const height = Math.max(Math.round(Number(canvas.dataset.h) * scale), 1);
  canvas.width = width;
  canvas.height = height;
  const context = canvas.getContext('2d');
  if (context === null) {
    return;
  }
  const image = context.createImageData(width, height);
  const grey = layout.arrowBackgroundGrey;
  for (let y = 0; y < height; y += 1) {
    for (let x = 0; x < width; x += 1) {
      // A down arrow is the right arrow turned a quarter clockwise.
      const black = down
        ? rightArrowPixel(y, width - 1 - x, height, width)
        : rightArrowPixel(x, y, width, height);
      const value = black ? 0 : grey;
      const at = (y * width + x) * 4;
      image.data[at] = value;
      image.data[at + 1] = value;
      image.data[at + 2] = value;
      image.data[at + 3] = 255;
    }
  }
  context.putImageData(image, 0, 0);
}

// ---- The default face's size.

function captionsFit(context: CanvasRenderingContext2D, family: string, pixels: number): boolean {
  const slack = layout.fonts.default.captionSlack ?? 0;
  context.font = `${pixels}px ${family}`;
  return layout.widgets.every((widget) => {
    if (!widget.fitsText || widget.fontRole !== undefined || widget.geometry === undefined) {
      return true;
    }
    const caption = splitMnemonic(shown(widget.text)).caption;
    return context.measureText(caption).width <= widget.geometry.w + slack;
  });
}

/**
 * The default face's size in the form's pixels: as the window chooses it, the largest size at
 * which every caption that sizes itself fits the width the layout gives it, starting where the
 * face's capitals are legible on a projector rather than at the window's 8.25 points.
 */
function defaultPixelSize(family: string): number {
  const font = layout.fonts.default;
  const step = (font.pointSizeStep ?? 0.25) * kPointsToPixels;
  const smallest = (font.smallestPointSize ?? font.pointSize) * kPointsToPixels;
  const context = document.createElement('canvas').getContext('2d');
  if (context === null) {
    return font.pixelSize;
  }
  const probe = 100;
  context.font = `${probe}px ${family}`;
  const capitals = context.measureText('H').actualBoundingBoxAscent / probe;
  const projector = fitFactor(kProjectorScreen.w, kProjectorScreen.h);
  const legible = capitals > 0 ? kLegibleCapitals / (capitals * projector) : font.pixelSize;
  // Whole steps above the window's size, so that the size is the same on every machine.
  let pixels = font.pixelSize + Math.max(0, Math.ceil((legible - font.pixelSize) / step)) * step;
  while (pixels > smallest && !captionsFit(context, family, pixels)) {
    pixels -= step;
  }
  return Math.max(pixels, smallest);
}

function fitFactor(width: number, height: number): number {
  const form = layout.form.geometry;
  return Math.min(width / form.w, height / form.h);
}

// ---- Building.

interface Built {
  readonly byName: Map<string, HTMLElement>;
  readonly arrows: HTMLCanvasElement[];
  readonly tabs: HTMLButtonElement[];
  readonly panels: HTMLElement[];
}

function controlFor(widget: LayoutWidget, built: Built): HTMLElement {
  switch (widget.class) {
    case 'QPushButton': {
      const button = document.createElement('button');
      button.type = 'button';
      return button;
    }
    case 'QLineEdit': {
      const input = document.createElement('input');
      input.type = 'text';
      input.spellcheck = false;
      input.autocomplete = 'off';
      input.value = shown(widget.text);
      if (widget.readOnly === true) {
        input.readOnly = true;
      }
      return input;
    }
    case 'QRadioButton': {
      const input = document.createElement('input');
      input.type = 'radio';
      input.name = widget.parent ?? '';
      input.checked = widget.checked === true;
      return input;
    }
    case 'QGroupBox':
      return document.createElement('fieldset');
    case 'QLabel': {
      if (widget.arrow !== undefined) {
        const canvas = document.createElement('canvas');
        built.arrows.push(canvas);
        return canvas;
      }
      return document.createElement(widget.buddy !== undefined ? 'label' : 'div');
    }
    default:
      return document.createElement('div');
  }
}

function describe(control: HTMLElement, widget: LayoutWidget): void {
  const toolTip = shown(widget.toolTip);
  if (toolTip !== '') {
    control.title = toolTip;
  }
  const description = shown(widget.accessibleDescription);
  if (description !== '' && description !== toolTip) {
    setDescription(control, description);
  }
  if (widget.helpContext !== undefined && widget.helpContext > 0) {
    control.dataset.helpContext = String(widget.helpContext);
  }
}

/** Gives `control` an accessible description of its own, read after its name. */
export function setDescription(control: HTMLElement, text: string): void {
  const id = `${control.id}-description`;
  let holder = document.getElementById(id);
  if (holder === null) {
    holder = document.createElement('span');
    holder.id = id;
    holder.hidden = true;
    control.after(holder);
    control.setAttribute('aria-describedby', id);
  }
  holder.textContent = text;
}

function decorate(control: HTMLElement, widget: LayoutWidget, key: string | null): void {
  if (key !== null && widget.accessKeyRemoved !== true) {
    control.dataset.accessKey = key;
    control.setAttribute('aria-keyshortcuts', `Alt+${key}`);
  }
}

// The access key of `control` from its caption in the language shown now.
function redecorate(control: HTMLElement, widget: LayoutWidget, key: string | null): void {
  delete control.dataset.accessKey;
  control.removeAttribute('aria-keyshortcuts');
  decorate(control, widget, key);
}

/**
 * Writes the layout's captions, tooltips, accessible names and descriptions again in the language
 * shown now, control by control; the texts the program writes into its controls are left alone.
 */
function retranslate(built: Built): void {
  document.title = shown(layout.form.windowTitle);
  for (const widget of layout.widgets) {
    const control = built.byName.get(widget.objectName);
    if (control === undefined) {
      continue;
    }
    const mnemonic = splitMnemonic(shown(widget.text));
    const name = shown(widget.accessibleName);
    const labelled = (caption: string): void => {
      if (name !== '' && name !== caption) {
        control.setAttribute('aria-label', name);
      } else {
        control.removeAttribute('aria-label');
      }
    };
    if (widget.class === 'QRadioButton') {
      const caption = control.parentElement?.querySelector(`label[for="${widget.objectName}"]`);
      if (caption instanceof HTMLElement) {
        writeCaption(caption, mnemonic);
      }
      labelled(mnemonic.caption);
    } else if (widget.class === 'QPushButton' || (widget.class === 'QLabel' && !widget.arrow)) {
      if (widget.text !== undefined && widget.text !== '') {
        writeCaption(control, mnemonic);
      }
      if (widget.class === 'QPushButton') {
        labelled(mnemonic.caption);
      }
    } else if (widget.class === 'QGroupBox') {
      const legend = control.querySelector(':scope > legend');
      if (legend !== null) {
        legend.textContent = shown(widget.title);
      } else if (name !== '') {
        control.setAttribute('aria-label', name);
      }
    } else if (widget.class === 'QTabWidget') {
      control.querySelector('.tab-strip')?.setAttribute('aria-label', name);
    } else if (name !== '' && control.hasAttribute('aria-label')) {
      control.setAttribute('aria-label', name);
    }
    const toolTip = shown(widget.toolTip);
    if (toolTip !== '') {
      control.title = toolTip;
    }
    const description = shown(widget.accessibleDescription);
    if (description !== '' && description !== toolTip) {
      setDescription(control, description);
    }
    if (widget.text !== undefined && widget.text !== '' && control.dataset.accessKey !== undefined) {
      redecorate(control, widget, mnemonic.key);
    }
  }
  const tabWidget = layout.widgets.find((widget) => widget.class === 'QTabWidget');
  layout.tabWidget.pages.forEach((page, index) => {
    const tab = built.tabs[index];
    if (tab !== undefined && tabWidget !== undefined) {
      const mnemonic = splitMnemonic(shown(page.title));
      writeCaption(tab, mnemonic);
      redecorate(tab, tabWidget, mnemonic.key);
    }
  });
}

function buildControl(widget: LayoutWidget, container: HTMLElement, top: number, built: Built) {
  const control = controlFor(widget, built);
  control.id = widget.objectName;
  control.classList.add(widget.class);
  if (widget.fontRole !== undefined) {
    const font = layout.fonts[widget.fontRole];
    control.style.fontFamily = familyOf(widget.fontRole, font);
    control.style.fontSize = `${font.pixelSize}px`;
  }
  const mnemonic = splitMnemonic(shown(widget.text));
  const name = shown(widget.accessibleName);
  let holder: HTMLElement = control;
  if (widget.class === 'QRadioButton') {
    // The option and its caption share the place the layout gives the option.
    holder = document.createElement('div');
    holder.className = 'option';
    const caption = document.createElement('label');
    caption.htmlFor = widget.objectName;
    writeCaption(caption, mnemonic);
    holder.append(control, caption);
    if (name !== '' && name !== mnemonic.caption) {
      control.setAttribute('aria-label', name);
    }
  } else if (widget.class === 'QPushButton' || (widget.class === 'QLabel' && !widget.arrow)) {
    writeCaption(control, mnemonic);
    if (widget.class === 'QPushButton' && name !== '' && name !== mnemonic.caption) {
      control.setAttribute('aria-label', name);
    }
  }
  if (widget.class === 'QLabel') {
    if (widget.arrow !== undefined) {
      // A decorative picture, as the window marks it: nothing for assistive technology.
      control.setAttribute('aria-hidden', 'true');
      control.dataset.w = String(widget.geometry?.w ?? 0);
      control.dataset.h = String(widget.geometry?.h ?? 0);
      control.dataset.arrow = widget.arrow;
    } else {
      const alignment = widget.alignment ?? [];
      if (alignment.includes('AlignCenter')) {
        control.classList.add('centred');
      }
      control.classList.toggle('wraps', widget.wordWrap === true);
      control.classList.toggle('fits', widget.fitsText === true);
      if (control instanceof HTMLLabelElement && widget.buddy !== undefined) {
        control.htmlFor = widget.buddy;
      }
    }
  }
  if (widget.class === 'QGroupBox') {
    const title = shown(widget.title);
    if (title !== '') {
      const legend = document.createElement('legend');
      legend.textContent = title;
      control.append(legend);
    } else if (name !== '') {
      control.setAttribute('aria-label', name);
    }
  }
  if (widget.class === 'QFrame' && (widget.frameShape === 'VLine' || widget.frameShape === 'HLine')) {
    control.setAttribute('role', 'separator');
    control.setAttribute('aria-orientation', widget.frameShape === 'VLine' ? 'vertical' : 'horizontal');
    if (name !== '') {
      control.setAttribute('aria-label', name);
    }
    control.classList.add('line');
  }
  if (widget.class === 'QLineEdit' && name !== '') {
    const buddyLabel = layout.widgets.find((other) => other.buddy === widget.objectName);
    if (buddyLabel === undefined || shown(buddyLabel.text) !== name) {
      control.setAttribute('aria-label', name);
    }
  }
  describe(control, widget);
  decorate(control, widget, mnemonic.key);
  place(holder, widget.geometry, top);
  if (widget.fitsText === true && widget.geometry !== undefined) {
    // A caption that sizes itself keeps its corner and takes the few pixels more it may need.
    holder.style.minWidth = holder.style.width;
    holder.style.width = 'max-content';
  }
  holder.classList.add('placed');
  container.append(holder);
  built.byName.set(widget.objectName, control);
  return control;
}

// The order of a container's children in the document, which is the order Tab follows: the
// window's focus chain, each caption just before the box it names, and a picture or caption
// that names nothing before the next control that follows it in the layout.
function inFocusOrder(children: readonly LayoutWidget[]): LayoutWidget[] {
  const chain = layout.focusChain;
  const chainIndex = (widget: LayoutWidget): number => {
    const own = chain.indexOf(widget.objectName);
    if (own >= 0) {
      return own;
    }
    const inner = layout.widgets
      .filter((child) => child.parent === widget.objectName)
      .map((child) => chain.indexOf(child.objectName))
      .filter((index) => index >= 0);
    return inner.length > 0 ? Math.min(...inner) : -1;
  };
  const keys = children.map((widget, position) => {
    const own = chainIndex(widget);
    if (own >= 0) {
      return own;
    }
    if (widget.buddy !== undefined && chain.includes(widget.buddy)) {
      return chain.indexOf(widget.buddy) - 0.5;
    }
    const next = children.slice(position + 1).find((later) => chainIndex(later) >= 0);
    return next !== undefined ? chainIndex(next) - 0.75 : chain.length;
  });
  return children
    .map((widget, position) => ({ widget, key: keys[position], position }))
    .sort((a, b) => a.key - b.key || a.position - b.position)
    .map((entry) => entry.widget);
}

function childrenOf(name: string): LayoutWidget[] {
  return layout.widgets.filter((widget) => widget.parent === name);
}

function buildChildren(parent: string, container: HTMLElement, top: number, built: Built): void {
  for (const widget of inFocusOrder(childrenOf(parent))) {
    if (widget.class === 'QTabWidget') {
      buildTabWidget(widget, container, built);
      continue;
    }
    const control = buildControl(widget, container, top, built);
    if (widget.class === 'QGroupBox') {
      buildChildren(widget.objectName, control, 0, built);
    }
  }
}

function buildTabWidget(widget: LayoutWidget, container: HTMLElement, built: Built): void {
  const tabWidget = document.createElement('div');
  tabWidget.id = widget.objectName;
  tabWidget.className = 'QTabWidget placed';
  place(tabWidget, widget.geometry);
  const strip = document.createElement('div');
  strip.className = 'tab-strip';
  strip.setAttribute('role', 'tablist');
  strip.setAttribute('aria-label', shown(widget.accessibleName));
  const height = layout.tabWidget.stripHeight;
  strip.style.height = `${height}px`;
  const pane = document.createElement('div');
  pane.className = 'tab-pane';
  pane.style.top = `${height - 1}px`;
  tabWidget.append(strip, pane);
  built.byName.set(widget.objectName, tabWidget);

  const pages = layout.tabWidget.pages;
  const width = widget.geometry?.w ?? 0;
  pages.forEach((page, index) => {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.id = `${widget.objectName}-tab${index}`;
    tab.className = 'tab';
    tab.setAttribute('role', 'tab');
    tab.setAttribute('aria-controls', page.objectName);
    const mnemonic = splitMnemonic(shown(page.title));
    writeCaption(tab, mnemonic);
    decorate(tab, widget, mnemonic.key);
    // The tabs share the strip's width in one row (quarrow_zoom.cpp's SizeTabs).
    tab.style.left = `${Math.floor((width * index) / pages.length)}px`;
    tab.style.width = `${Math.floor(width / pages.length)}px`;
    strip.append(tab);
    built.tabs.push(tab);

    const panel = document.createElement('div');
    panel.id = page.objectName;
    panel.className = 'page';
    panel.setAttribute('role', 'tabpanel');
    panel.setAttribute('aria-labelledby', tab.id);
    panel.style.top = `${height}px`;
    panel.style.height = `${(widget.geometry?.h ?? 0) - height}px`;
    tabWidget.append(panel);
    built.panels.push(panel);
    built.byName.set(page.objectName, panel);
    buildChildren(page.objectName, panel, height, built);
  });
  container.append(tabWidget);
}

function isShown(element: HTMLElement): boolean {
  return element.getClientRects().length > 0;
}

function modalOpen(): boolean {
  return document.querySelector('dialog[open]') !== null;
}

/** Builds the window into `root`, which it fills, and returns its controls. */
export function buildWindow(root: HTMLElement): WindowControls {
  const built: Built = { byName: new Map(), arrows: [], tabs: [], panels: [] };
  const form = document.createElement('div');
  form.id = layout.form.objectName;
  form.className = 'form';
  const size = layout.form.geometry;
  form.style.width = `${size.w}px`;
  form.style.height = `${size.h}px`;
  const family = familyOf('default', layout.fonts.default);
  form.style.fontFamily = family;
  root.classList.add('window-root');
  root.replaceChildren(form);
  document.title = shown(layout.form.windowTitle);
  buildChildren(layout.form.objectName, form, 0, built);
  const fontPixels = defaultPixelSize(family);
  form.style.fontSize = `${fontPixels}px`;
  document.documentElement.style.setProperty('--window-family', family);
  onLanguageChange(() => retranslate(built));

  let current = -1;
  let factor = 1;
  const listeners = new Set<(current: number, previous: number) => void>();

  const select = (index: number, focusTab: boolean): void => {
    if (index < 0 || index >= built.tabs.length) {
      return;
    }
    if (index === current) {
      if (focusTab) {
        built.tabs[index].focus();
      }
      return;
    }
    const previous = current;
    const leaving = previous >= 0 ? built.panels[previous] : null;
    const hadFocus = leaving !== null && leaving.contains(document.activeElement);
    current = index;
    built.tabs.forEach((tab, i) => {
      tab.setAttribute('aria-selected', String(i === index));
      tab.tabIndex = i === index ? 0 : -1;
      built.panels[i].hidden = i !== index;
    });
    if (focusTab || hadFocus) {
      // A control on a page that is hidden gives the focus to the strip, as the window's
      // focus moves on from a control that disappears.
      built.tabs[index].focus();
    }
    for (const listener of [...listeners]) {
      listener(index, previous);
    }
  };

  const strip = built.tabs[0]?.parentElement;
  built.tabs.forEach((tab, index) => {
    tab.addEventListener('click', () => select(index, false));
  });
  strip?.addEventListener('keydown', (event) => {
    const moves: { readonly [key: string]: number } = {
      ArrowRight: current + 1,
      ArrowDown: current + 1,
      ArrowLeft: current - 1,
      ArrowUp: current - 1,
      Home: 0,
      End: built.tabs.length - 1,
    };
    const target = moves[event.key];
    if (target !== undefined && !event.altKey && !event.ctrlKey && !event.metaKey) {
      event.preventDefault();
      select(Math.min(Math.max(target, 0), built.tabs.length - 1), true);
    }
  });

  document.addEventListener('keydown', (event) => {
    if (modalOpen() || event.defaultPrevented) {
      return;
    }
    const count = built.tabs.length;
    // Ctrl+Tab and Ctrl+PageDown turn to the next page, with Shift or PageUp to the previous,
    // round the end, as the tab widget does (where the browser lets the keys through).
    if (event.ctrlKey && !event.altKey && !event.metaKey) {
      const forward = (event.key === 'Tab' && !event.shiftKey) || event.key === 'PageDown';
      const backward = (event.key === 'Tab' && event.shiftKey) || event.key === 'PageUp';
      if (forward || backward) {
        event.preventDefault();
        select((current + (forward ? 1 : count - 1)) % count, false);
      }
      return;
    }
    if (event.altKey && !event.ctrlKey && !event.metaKey) {
      const letter = event.code.startsWith('Key') ? event.code.slice(3) : event.key.toUpperCase();
      if (activateAccessKey(form, letter)) {
        event.preventDefault();
      }
    }
  });

  const fit = (): void => {
    const width = root.clientWidth || window.innerWidth;
    const height = root.clientHeight || window.innerHeight;
    factor = fitFactor(width, height);
    form.style.transform = `scale(${factor})`;
    form.style.left = `${Math.max(0, (width - size.w * factor) / 2)}px`;
    form.style.top = `${Math.max(0, (height - size.h * factor) / 2)}px`;
    // Dialogs opened from the window are read at its zoom.
    document.documentElement.style.setProperty('--zoom', String(factor));
    document.documentElement.style.setProperty('--window-font', `${fontPixels * factor}px`);
    const pixels = factor * (window.devicePixelRatio || 1);
    for (const canvas of built.arrows) {
      drawArrow(canvas, canvas.dataset.arrow === 'down', pixels);
    }
  };
  fit();
  window.addEventListener('resize', fit);
  if (typeof ResizeObserver !== 'undefined') {
    new ResizeObserver(fit).observe(root);
  }

  select(layout.tabWidget.currentIndex, false);
  built.byName.get(layout.initialFocus)?.focus({ preventScroll: true });

  const find = <T extends HTMLElement>(name: string, type: new () => T, what: string): T => {
    const element = built.byName.get(name);
    if (!(element instanceof type)) {
      throw new Error(`${name} is not ${what} of the window`);
    }
    return element;
  };
  return {
    form,
    input: (name) => {
      const input = find(name, HTMLInputElement, 'a line edit');
      if (input.type !== 'text') {
        throw new Error(`${name} is not a line edit of the window`);
      }
      return input;
    },
    button: (name) => find(name, HTMLButtonElement, 'a push button'),
    radio: (name) => {
      const input = find(name, HTMLInputElement, 'an option button');
      if (input.type !== 'radio') {
        throw new Error(`${name} is not an option button of the window`);
      }
      return input;
    },
    label: (name) => {
      const widget = layout.widgets.find((w) => w.objectName === name);
      if (widget?.class !== 'QLabel' || widget.arrow !== undefined) {
        throw new Error(`${name} is not a caption of the window`);
      }
      return find(name, HTMLElement, 'a caption');
    },
    element: (name) => find(name, HTMLElement, 'a control'),
    currentTab: () => current,
    setTab: (index) => select(index, false),
    onTabChanged: (listener) => {
      listeners.add(listener);
      return () => listeners.delete(listener);
    },
    helpTopicOf,
    setHelpTopic: (name, topic) => {
      find(name, HTMLElement, 'a control').dataset.helpContext = String(topic);
    },
    zoom: () => factor,
  };
}

/** The help topic of the nearest control at or above `element` that has one; 0 if none. */
export function helpTopicOf(element: Element | null): number {
  const holder = element?.closest<HTMLElement>('[data-help-context]');
  const topic = Number(holder?.dataset.helpContext ?? 0);
  return Number.isFinite(topic) && topic > 0 ? topic : 0;
}

// Alt+letter: a button is pressed, an option chosen, a caption's box focused. Where several
// shown controls share the letter the focus moves between them and nothing is pressed, as the
// window does with an ambiguous shortcut.
function activateAccessKey(form: HTMLElement, letter: string): boolean {
  const candidates = [...form.querySelectorAll<HTMLElement>('[data-access-key]')].filter(
    (control) =>
      control.dataset.accessKey === letter &&
      isShown(control) &&
      !(control as HTMLButtonElement).disabled,
  );
  if (candidates.length === 0) {
    return false;
  }
  if (candidates.length > 1) {
    const at = candidates.indexOf(document.activeElement as HTMLElement);
    candidates[(at + 1) % candidates.length].focus();
    return true;
  }
  const control = candidates[0];
  if (control instanceof HTMLLabelElement) {
    document.getElementById(control.htmlFor)?.focus();
  } else {
    control.focus();
    control.click();
  }
  return true;
}

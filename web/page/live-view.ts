// The live view of a "Step Four" run, as the window's: the letters marked, the blind search
// racing under them, the fitness chart filling in, the figures, Pause, Step and Speed, the
// offspring of each shown generation, and once the run is over where it falls among all runs.
// Every figure and mark comes from the engine's reports; this file only lays them out.

import type { Engine, Raw, SchemeRow, State } from './engine-core.js';
import { LiveControl } from './engine-tasks.js';
import { ask, trapFocus } from './dialogs.js';
import { languageChooser } from './language-chooser.js';
import { LiveChart, type ChartTexts, type CurvePoint } from './live-chart.js';
import { arg, onLanguageChange, tr } from './texts.js';

const kView = 'quarrow::EvolutionView';
const kControls = 'quarrow::ViewControls';
const kOffspring = 'quarrow::OffspringPanel';
const kLetters = 'quarrow::LettersPanel';
const kBlind = 'quarrow::BlindSearchLane';
const kChart = 'quarrow::FitnessChart';

// The view's own styles, beside the page's.
if (typeof document !== 'undefined' && !document.querySelector('link[href="live-view.css"]')) {
  const sheet = document.createElement('link');
  sheet.rel = 'stylesheet';
  sheet.href = 'live-view.css';
  document.head.append(sheet);
}

/** The speeds offered, in generations a second; 0 is full speed. */
const kSpeeds = [1, 4, 16, 0];
const kRows = 20;
/** The blind lane's share of the page's time at each report, and once the run is over. */
const kBlindSlice = 3;
const kBlindFinish = 500;
const kBlindFinishSlice = 20;
/** The least time between two changes of the status a screen reader hears. */
const kStatusInterval = 2000;

/** What the view keeps between runs, as the window keeps its choices. */
const kChoicesKey = 'quarrow.liveView';
interface Choices {
  keepOpen: boolean;
  speed: number;
}

function readChoices(): Choices {
  try {
    const stored = JSON.parse(localStorage.getItem(kChoicesKey) ?? '{}') as Partial<Choices>;
    return {
      keepOpen: stored.keepOpen ?? true,
      speed: kSpeeds.includes(stored.speed ?? 0) ? (stored.speed ?? 0) : 0,
    };
  } catch {
    return { keepOpen: true, speed: 0 };
  }
}

function keepChoices(choices: Choices): void {
  try {
    localStorage.setItem(kChoicesKey, JSON.stringify(choices));
  } catch {
    // A browser that keeps nothing for the page starts each run from the defaults.
  }
}

export interface LiveViewOptions {
  engine: Engine;
  scheme: SchemeRow;
  target: string;
  first: string;
  /** The control block shared with the run's worker; null where memory cannot be shared. */
  control: LiveControl | null;
  /** Asks the run to stop. */
  onCancel: () => void;
  /** Shown as "Repeat..." once the run has found the target. */
  onRepeat?: (target: string) => void;
  /** The blind search's own generator. */
  blindSeed: State;
}

interface Letters {
  text: string;
  marks: string;
  right?: number;
  wrong?: number;
  fewRight?: number[];
  fewWrong?: number[];
  of: number;
  cut: boolean;
  lockedShown?: number;
  lockedText?: string;
  hits?: number;
  hitPlaces?: number[];
  marked?: number;
}

interface OffspringRowReport {
  letters: string;
  marks: string;
  matched: number;
  matchedText: string;
  copied: number;
  copiedText: string;
  hits: number;
  whole: boolean;
  fate: 'dropped' | 'next' | 'passed';
}

interface OffspringReport {
  generation: number;
  generationText: string;
  parent: string;
  rows: OffspringRowReport[];
  cut: boolean;
}

export interface LiveReport {
  generation: number;
  strings: number;
  matched: number;
  best: number;
  length: number;
  locked: number;
  /** Seconds the run has computed, held time left out. */
  seconds: number;
  final: boolean;
  logBytes: number;
  figures: Record<string, string>;
  letters: Letters;
  curve: CurvePoint[];
  bestCurve: CurvePoint[];
  offspring?: OffspringReport;
}

const kMarkClass: Record<string, string> = {
  r: 'mark-right',
  c: 'mark-changed',
  l: 'mark-locked',
  k: '',
};

/** `text` in spans of its marks (one a letter), spaces kept as letters of their own. */
function markedLetters(into: HTMLElement, text: string, marks: string, cut = false): void {
  const parts: Node[] = [];
  let start = 0;
  for (let i = 1; i <= text.length; ++i) {
    if (i === text.length || marks[i] !== marks[start]) {
      const piece = text.slice(start, i).replace(/ /g, '\u00a0');
      const className = kMarkClass[marks[start] ?? 'k'] ?? '';
      if (className === '') {
        parts.push(document.createTextNode(piece));
      } else {
        const span = document.createElement(marks[start] === 'c' ? 'i' : 'b');
        span.className = className;
        span.textContent = piece;
        parts.push(span);
      }
      start = i;
    }
  }
  if (cut) {
    parts.push(document.createTextNode('\u2026'));
  }
  into.replaceChildren(...parts);
}

/** 1-based positions as a reader counts them: "3, 7 and 12". */
function positions(places: number[]): string {
  if (places.length <= 1) {
    return places.join('');
  }
  const all = places.map(String);
  const last = all.pop() ?? '';
  return arg(tr(kLetters, '%1 and %2'), all.join(', '), last);
}

function element<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  className: string,
  text?: string,
): HTMLElementTagNameMap[K] {
  const made = document.createElement(tag);
  if (className) {
    made.className = className;
  }
  if (text !== undefined) {
    made.textContent = text;
  }
  return made;
}

function button(text: string, id: string): HTMLButtonElement {
  const made = element('button', '', text);
  made.type = 'button';
  made.id = id;
  return made;
}

/** A download of `data` named `name`, through a link to a Blob. */
function download(name: string, data: Blob): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(data);
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
}

/** A file name from the phrase and what the file holds, as the window suggests it. */
function fileName(phrase: string, what: string, extension: string): string {
  let stem = '';
  for (const c of phrase.slice(0, 40)) {
    stem += /[\p{L}\p{N}]/u.test(c) ? c : '-';
  }
  return `${stem || 'phrase'}-${what}.${extension}`;
}

export class LiveView {
  readonly dialog: HTMLDialogElement;
  private readonly prefix: boolean;
  private readonly choices = readChoices();
  private running = true;
  private paused = false;
  private last: LiveReport | null = null;
  private readonly chart: LiveChart;
  private readonly blind: number;
  private blindStrings = 0;
  private blindFinishing = 0;
  private statusText = '';
  private statusAt = 0;
  private statusDue = 0;
  private readonly opener: HTMLElement | null;
  private csv = '';
  private closed = false;
  private closeListeners: (() => void)[] = [];
  private pendingReport: LiveReport | null = null;
  private drawScheduled = false;

  // The parts it updates.
  private readonly currentLetters: HTMLElement;
  private readonly figures: HTMLElement;
  private readonly headline: HTMLElement;
  private readonly offspring: HTMLElement;
  private readonly offspringTitle: HTMLElement;
  private readonly legend: HTMLElement;
  private ended: { outcome: string; answer: Raw | null } | null = null;
  private readonly rows: HTMLElement[] = [];
  private readonly blindBest: HTMLElement;
  private readonly blindFigures: HTMLElement;
  private readonly blindEnding: HTMLElement;
  private readonly ending: HTMLElement;
  private readonly place: HTMLElement;
  private readonly status: HTMLElement;
  private readonly pauseButton: HTMLButtonElement;
  private readonly stepButton: HTMLButtonElement;
  private readonly speedBox: HTMLSelectElement;
  private readonly keepOpen: HTMLInputElement;
  private readonly saveChartButton: HTMLButtonElement;
  private readonly saveMenu: HTMLElement;
  private readonly saveDataButton: HTMLButtonElement;
  private readonly repeatButton: HTMLButtonElement;
  private readonly cancelButton: HTMLButtonElement;
  private readonly isolationNote: HTMLElement;

  constructor(private readonly options: LiveViewOptions) {
    this.prefix = options.scheme.law === 'growingPrefix';
    this.opener = document.activeElement instanceof HTMLElement ? document.activeElement : null;
    const caption = tr('Scheme', options.scheme.caption);
    const dialog = element('dialog', 'live-view');
    dialog.id = 'liveView';
    this.dialog = dialog;
    const title = element('h2', 'dialog-title', arg(tr(kView, 'Step Four: %1'), caption));
    title.id = 'liveView-title';
    dialog.setAttribute('aria-labelledby', title.id);

    const body = element('div', 'live-body');
    this.headline = element(
      'p',
      'live-headline',
      this.prefix
        ? ''
        : tr(
            kOffspring,
            'The 20th offspring always becomes the next parent, even when another offspring has more letters right.',
          ),
    );

    // The letters, large enough to read across a room.
    const letters = element('div', 'live-letters');
    const addRow = (label: string, id: string, name: string, text?: string): HTMLElement => {
      const caption = element('span', 'live-caption', label);
      caption.id = `${id}-caption`;
      const value = element('span', 'live-string');
      value.id = id;
      value.setAttribute('role', 'img');
      value.setAttribute('aria-label', name);
      if (text !== undefined) {
        markedLetters(value, text.slice(0, 200), 'k'.repeat(Math.min(200, text.length)), text.length > 200);
        value.setAttribute('aria-description', text.slice(0, 200));
      }
      letters.append(caption, value);
      return value;
    };
    addRow(tr(kLetters, 'Target:'), 'liveTarget', tr(kLetters, 'Target'), options.target);
    if (this.prefix) {
      addRow(
        tr(kLetters, 'Scored against:'),
        'liveScored',
        tr(kLetters, 'First string, which the random tail is scored against'),
        options.first,
      );
      this.currentLetters = addRow(
        tr(kLetters, 'This generation:'),
        'liveCurrent',
        tr(kLetters, 'Last offspring of the generation'),
      );
    } else {
      this.currentLetters = addRow(tr(kLetters, 'Parent:'), 'liveCurrent', tr(kLetters, 'Current parent'));
      markedLetters(this.currentLetters, options.first.slice(0, 200), 'k'.repeat(Math.min(200, options.first.length)));
    }
    const lettersBlock = element('div', 'live-letters-block');
    lettersBlock.append(letters);
    if (this.prefix) {
      lettersBlock.append(
        element(
          'p',
          'live-note',
          tr(
            kLetters,
            'Each offspring copies the first letters of the target (blue: locked) and draws the rest at random. A drawn letter that equals the first string\'s letter at its place is a hit (green) and locks one more letter of the target for the next offspring. Every generation starts again with nothing locked.',
          ),
        ),
      );
    }

    // Blind search races under the run's letters.
    const blind = element('div', 'live-blind');
    blind.id = 'liveBlind';
    blind.setAttribute('role', 'group');
    blind.setAttribute('aria-label', tr(kBlind, 'Blind search'));
    const blindCaption = element('span', 'live-caption', tr(kBlind, 'Blind search:'));
    this.blindBest = element('span', 'live-blind-best');
    this.blindBest.id = 'liveBlindBest';
    this.blindBest.setAttribute('role', 'img');
    this.blindBest.setAttribute('aria-label', tr(kBlind, "Blind search's best string"));
    this.blindFigures = element('span', 'live-blind-figures');
    this.blindFigures.id = 'liveBlindFigures';
    blind.append(blindCaption, this.blindBest, this.blindFigures);
    this.blind = options.engine.blindNew(options.target, options.blindSeed);

    // The chart, the figures with the pace under them, and the offspring.
    const middle = element('div', 'live-middle');
    const chartBox = element('div', 'live-chart');
    chartBox.id = 'liveChart';
    this.chart = new LiveChart(chartBox, this.chartTexts());
    const side = element('div', 'live-side');
    this.figures = element('pre', 'live-figures');
    this.figures.id = 'liveFigures';
    const pace = element('div', 'live-pace');
    this.pauseButton = button(tr(kControls, 'Pause'), 'livePause');
    this.pauseButton.title = tr(kControls, 'Holds the run after the generation it is in (Space)');
    this.pauseButton.setAttribute('aria-keyshortcuts', 'Space');
    this.stepButton = button(tr(kControls, 'Step'), 'liveStep');
    this.stepButton.title = tr(kControls, 'Runs exactly one more generation while paused (Right arrow)');
    this.stepButton.setAttribute('aria-keyshortcuts', 'ArrowRight');
    this.stepButton.disabled = true;
    const speedLabel = element('label', '', tr(kControls, 'Speed:'));
    speedLabel.htmlFor = 'liveSpeed';
    this.speedBox = element('select', '');
    this.speedBox.id = 'liveSpeed';
    this.speedBox.title = tr(
      kControls,
      "Generations a second; slower than full speed, the view shows each generation's offspring. The choice holds for the next runs too.",
    );
    for (const speed of kSpeeds) {
      const option = element(
        'option',
        '',
        speed === 0 ? tr(kControls, 'Full speed') : arg(tr(kControls, '%1 a second'), speed),
      );
      option.value = String(speed);
      this.speedBox.append(option);
    }
    this.isolationNote = element(
      'p',
      'live-note',
      tr(
        'WebPage',
        'This browser does not let the page hold a run in its worker, so the run goes at full speed: Pause, Step and the slower speeds need the page served with cross-origin isolation.',
      ),
    );
    this.isolationNote.id = 'liveIsolation';
    if (options.control === null) {
      this.choices.speed = 0;
      this.pauseButton.disabled = true;
      this.speedBox.disabled = true;
    } else {
      this.isolationNote.hidden = true;
    }
    this.speedBox.value = String(this.choices.speed);
    pace.append(this.pauseButton, this.stepButton, speedLabel, this.speedBox);
    side.append(this.figures, pace, this.isolationNote);

    this.offspring = element('section', 'live-offspring');
    this.offspring.id = 'liveOffspring';
    this.offspring.setAttribute('aria-labelledby', 'liveOffspringTitle');
    this.offspringTitle = element('h3', 'live-offspring-title', tr(kOffspring, 'Offspring of this generation'));
    this.offspringTitle.id = 'liveOffspringTitle';
    const list = element('ol', 'live-rows');
    for (let i = 0; i < kRows; ++i) {
      const row = element('li', 'live-row', '\u00a0');
      row.id = `liveOffspringRow${i + 1}`;
      list.append(row);
      this.rows.push(row);
    }
    const rule = element('p', 'live-rule', tr('Scheme', options.scheme.rule));
    rule.id = 'liveRule';
    this.legend = element('p', 'live-legend', this.legendText());
    this.offspring.append(this.offspringTitle, list, rule, this.legend);
    middle.append(chartBox, side, this.offspring);

    this.ending = element('p', 'live-ending');
    this.ending.id = 'liveEnding';
    this.place = element('p', 'live-place');
    this.place.id = 'livePlace';
    this.blindEnding = element('p', 'live-blind-ending');
    this.blindEnding.id = 'liveBlindEnding';
    const expectation = element('p', 'live-expectation', this.expectationText());
    expectation.id = 'liveExpectation';
    for (const hidden of [this.ending, this.place, this.blindEnding]) {
      hidden.hidden = true;
    }

    const controls = element('div', 'live-controls');
    const keepLabel = element('label', 'live-keep');
    this.keepOpen = element('input', '');
    this.keepOpen.type = 'checkbox';
    this.keepOpen.id = 'liveKeepOpen';
    this.keepOpen.checked = this.choices.keepOpen;
    keepLabel.title = tr(kControls, 'Leave the finished chart on the screen when the run ends');
    keepLabel.append(this.keepOpen, ` ${tr(kControls, 'Keep this window open after the run')}`);
    this.saveDataButton = button(tr(kControls, 'Save data...'), 'liveSaveData');
    this.saveDataButton.setAttribute(
      'aria-description',
      tr(kControls, 'Saves a row for each generation (letters right, strings made) as a CSV file'),
    );
    this.saveDataButton.disabled = true;
    const saveChart = element('div', 'live-save-chart');
    this.saveChartButton = button(tr(kControls, 'Save chart...'), 'liveSaveChart');
    this.saveChartButton.setAttribute(
      'aria-description',
      tr(kControls, 'Saves the chart with its title as a PNG picture or an SVG drawing'),
    );
    this.saveChartButton.setAttribute('aria-haspopup', 'true');
    this.saveChartButton.setAttribute('aria-expanded', 'false');
    this.saveChartButton.setAttribute('aria-controls', 'liveSaveMenu');
    this.saveMenu = element('div', 'live-save-menu');
    this.saveMenu.id = 'liveSaveMenu';
    this.saveMenu.hidden = true;
    const savePng = button(tr('QObject', 'PNG images'), 'liveSavePng');
    const saveSvg = button(tr('QObject', 'SVG drawings'), 'liveSaveSvg');
    this.saveMenu.append(savePng, saveSvg);
    saveChart.append(this.saveChartButton, this.saveMenu);
    this.repeatButton = button(tr(kControls, 'Repeat...'), 'liveRepeat');
    this.repeatButton.title = tr(
      kControls,
      'Run this target many times with each scheme and compare the distribution with the exact law and blind search',
    );
    this.repeatButton.hidden = true;
    this.cancelButton = button(tr(kControls, 'Cancel'), 'liveCancel');
    this.cancelButton.setAttribute(
      'aria-description',
      tr(kControls, 'Stops the run; the log keeps every generation finished so far'),
    );
    controls.append(keepLabel, this.saveDataButton, saveChart, this.repeatButton, this.cancelButton);

    this.status = element('p', 'visually-hidden');
    this.status.id = 'liveStatus';
    this.status.setAttribute('role', 'status');

    body.append(
      this.headline,
      lettersBlock,
      blind,
      middle,
      this.ending,
      this.place,
      this.blindEnding,
      expectation,
      controls,
      this.status,
    );
    // The title's bar holds the language's chooser too: the view covers the page's.
    const titleBar = element('div', 'dialog-title-bar');
    titleBar.append(title, languageChooser('liveLanguage'));
    dialog.append(titleBar, body);
    trapFocus(dialog);
    this.wire(savePng, saveSvg);
    this.showOffspringPanel();
    this.followBlind(0);
    document.body.append(dialog);
    onLanguageChange(() => this.showAgain());
    dialog.showModal();
    this.chart.fit();
    this.cancelButton.focus();
  }

  /** The chart's titles and names, in the language shown. */
  private chartTexts(): ChartTexts {
    return {
      prefix: this.prefix,
      length: this.options.target.length,
      lettersTitle: this.prefix ? tr(kChart, 'Letters matched') : tr(kChart, 'Letters right'),
      generationTitle: tr(kChart, 'Generation'),
      logTitle: tr(kChart, 'Generation (logarithmic)'),
      seriesName: this.prefix ? tr(kChart, 'Prefix reached (solid line)') : tr(kChart, 'Letters right'),
      bestName: tr(kChart, 'Best of the run (dashed line)'),
      label: this.prefix
        ? tr(kChart, "Prefix each generation reached, and the run's best")
        : tr(kChart, 'Letters right by generation'),
      description: tr(kChart, 'The curve fills in as the run goes on.'),
    };
  }

  /** The key to the offspring rows' marks. */
  private legendText(): string {
    return this.prefix
      ? tr(kOffspring, 'Blue: copied from the target; green: a hit.')
      : arg(
          tr(kOffspring, 'Bold, underlined: right; italic: changed; plain: kept; \u201c%1\u201d: %2.'),
          tr(kOffspring, 'not chosen'),
          tr(kOffspring, 'more letters right, but not chosen: the 20th offspring always is'),
        );
  }

  /** What a run is expected to cost: for the growing prefix from its closed form, with the
   * chance that the next generation ends the run; for the others from their exact law. */
  private expectationText(): string {
    const { engine, scheme, target } = this.options;
    if (this.prefix) {
      const figures = engine.longRun(target.length, 0, 0);
      const expected = arg(
        tr(
          'CostText',
          'From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings and a generation log of about %5.',
        ),
        figures.mean,
        figures.half,
        figures.nine,
        figures.strings,
        figures.log,
      );
      const chance = arg(tr('CostText', figures.chanceAsShare ? '%1%' : '1 in %1'), figures.chance);
      return arg(
        tr(
          kView,
          'Expected: %1\nChance that the next generation finishes the run: %2, the same for every generation however many have failed before it.',
        ),
        expected,
        chance,
      );
    }
    const law = engine.lawExpectation(scheme.number, target.length);
    return arg(
      tr(kView, 'Expected: %1'),
      arg(
        tr(
          'CostText',
          'From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings.',
        ),
        law.mean as string,
        law.half as string,
        law.nine as string,
        law.strings as string,
      ),
    );
  }

  private wire(savePng: HTMLButtonElement, saveSvg: HTMLButtonElement): void {
    this.pauseButton.addEventListener('click', () => this.togglePause());
    this.stepButton.addEventListener('click', () => this.step());
    this.speedBox.addEventListener('change', () => this.chooseSpeed(Number(this.speedBox.value)));
    this.keepOpen.addEventListener('change', () => {
      this.choices.keepOpen = this.keepOpen.checked;
      keepChoices(this.choices);
    });
    this.saveDataButton.addEventListener('click', () => this.saveData());
    this.saveChartButton.addEventListener('click', () => this.toggleSaveMenu());
    savePng.addEventListener('click', () => {
      this.toggleSaveMenu(false);
      void this.saveChart('png');
    });
    saveSvg.addEventListener('click', () => {
      this.toggleSaveMenu(false);
      void this.saveChart('svg');
    });
    this.repeatButton.addEventListener('click', () => this.options.onRepeat?.(this.options.target));
    this.cancelButton.addEventListener('click', () => {
      if (this.running) {
        // The button says what it does: no question.
        this.requestCancel();
      } else {
        this.close();
      }
    });
    this.dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      if (!this.saveMenu.hidden) {
        this.toggleSaveMenu(false);
        this.saveChartButton.focus();
      } else if (this.running) {
        void this.askToCancel();
      } else {
        this.close();
      }
    });
    // Space and the Right arrow act on the run wherever the focus is in the view, but in the
    // speed box, which takes them to choose.
    this.dialog.addEventListener(
      'keydown',
      (event) => {
        if (event.altKey || event.ctrlKey || event.metaKey || event.target === this.speedBox) {
          return;
        }
        if (event.key === ' ') {
          event.preventDefault();
          event.stopPropagation();
          if (!event.repeat) {
            this.togglePause();
          }
        } else if (event.key === 'ArrowRight') {
          event.preventDefault();
          this.step();
        }
      },
      true,
    );
    this.dialog.addEventListener(
      'keyup',
      (event) => {
        if (event.key === ' ' && event.target !== this.speedBox) {
          event.preventDefault();
        }
      },
      true,
    );
    window.addEventListener('resize', this.onResize);
  }

  private readonly onResize = (): void => {
    this.arrange();
  };

  private toggleSaveMenu(open = this.saveMenu.hidden): void {
    this.saveMenu.hidden = !open;
    this.saveChartButton.setAttribute('aria-expanded', String(open));
    if (open) {
      (this.saveMenu.querySelector('button') as HTMLButtonElement).focus();
    }
  }

  /** Calls `listener` once the view has closed. */
  onClose(listener: () => void): void {
    if (this.closed) {
      listener();
    } else {
      this.closeListeners.push(listener);
    }
  }

  /** Whether the run is held, paused, by the view. */
  get isPaused(): boolean {
    return this.paused;
  }

  togglePause(): void {
    if (!this.running || this.options.control === null) {
      return;
    }
    this.paused = !this.paused;
    this.options.control.setPaused(this.paused);
    this.pauseButton.textContent = this.paused ? tr(kControls, 'Resume') : tr(kControls, 'Pause');
    this.pauseButton.title = this.paused
      ? tr(kControls, 'Lets the run go on at the chosen speed (Space)')
      : tr(kControls, 'Holds the run after the generation it is in (Space)');
    this.stepButton.disabled = !this.paused;
    this.showOffspringPanel();
  }

  step(): void {
    if (this.running && this.paused) {
      this.options.control?.step();
    }
  }

  private chooseSpeed(speed: number): void {
    this.choices.speed = speed;
    keepChoices(this.choices);
    this.options.control?.setSpeed(speed);
    this.showOffspringPanel();
  }

  /** The speed the run starts at, for the control block. */
  get startSpeed(): number {
    return this.options.control === null ? 0 : this.choices.speed;
  }

  private showOffspringPanel(): void {
    // At full speed the generations fly by too fast to read their offspring, and the engine is
    // not asked for them.
    const shown = this.running && (this.paused || this.choices.speed > 0);
    this.offspring.hidden = !shown;
    this.headline.hidden = !shown || this.headline.textContent === '';
    this.dialog.classList.toggle('rows-shown', shown);
    this.arrange();
  }

  /** Lays the rows beside the chart or under it, and hides the chart while the rows show, as
   * the view's room allows: the rows are never scrolled. */
  private arrange(): void {
    const classes = this.dialog.classList;
    classes.remove('rows-under', 'chart-hidden');
    const list = this.offspring.querySelector('.live-rows') as HTMLElement;
    list.style.fontSize = '';
    if (!this.offspring.hidden) {
      const body = this.dialog.querySelector('.live-body') as HTMLElement;
      const middle = this.dialog.querySelector('.live-middle') as HTMLElement;
      if (middle.scrollWidth > middle.clientWidth + 1) {
        classes.add('rows-under');
        // Rows of a long phrase, under the chart and still wider than the view, take a smaller
        // face rather than a scroll bar: every row is read whole.
        const room = middle.clientWidth;
        const wanted = Math.max(...this.rows.map((row) => row.scrollWidth));
        if (wanted > room) {
          const size = parseFloat(getComputedStyle(list).fontSize);
          list.style.fontSize = `${Math.max(7, Math.floor(size * (room / wanted) * 10) / 10)}px`;
        }
      }
      if (body.scrollHeight > body.clientHeight + 1) {
        classes.add('chart-hidden');
      }
    }
    this.chart.fit();
  }

  private requestCancel(): void {
    this.options.control?.cancel();
    this.options.onCancel();
  }

  private async askToCancel(): Promise<void> {
    if (document.querySelector('#cancelRunQuestion')) {
      return;
    }
    const answer = await ask(
      tr(
        kView,
        'The run is still going on. Do you want to cancel it?\n\nThe log keeps every generation finished so far.',
      ),
      [
        { label: tr(kView, 'Cancel the run'), role: 'accept' },
        { label: tr(kView, 'Keep it running'), role: 'reject' },
      ],
      { title: this.dialog.querySelector('h2')?.textContent ?? '', id: 'cancelRunQuestion' },
    );
    if (answer === 0 && this.running) {
      this.requestCancel();
    }
  }

  /** A report of the run, the engine's JSON text; drawn at the next frame, the latest only,
   * its offspring kept should a later report come before the frame. */
  report(json: string): LiveReport {
    const report = JSON.parse(json) as LiveReport;
    if (report.offspring === undefined && this.pendingReport?.offspring !== undefined) {
      report.offspring = this.pendingReport.offspring;
    }
    this.pendingReport = report;
    if (!this.drawScheduled) {
      this.drawScheduled = true;
      requestAnimationFrame(() => this.drawPending());
    }
    return report;
  }

  private drawPending(): void {
    this.drawScheduled = false;
    const report = this.pendingReport;
    this.pendingReport = null;
    if (report !== null && !this.closed) {
      this.show(report);
    }
  }

  // A new language: the figures, letters, offspring and status of the last report written again.
  private showAgain(): void {
    if (this.closed) {
      return;
    }
    const title = this.dialog.querySelector('#liveView-title');
    if (title !== null) {
      title.textContent = arg(tr(kView, 'Step Four: %1'), tr('Scheme', this.options.scheme.caption));
    }
    for (const option of this.speedBox.options) {
      const speed = Number(option.value);
      option.textContent = speed === 0 ? tr(kControls, 'Full speed') : arg(tr(kControls, '%1 a second'), speed);
    }
    const expectation = this.dialog.querySelector('.live-expectation');
    if (expectation !== null) {
      expectation.textContent = this.expectationText();
    }
    this.legend.textContent = this.legendText();
    this.chart.setTexts(this.chartTexts());
    this.followBlind(0);
    const report = this.last;
    if (report === null) {
      return;
    }
    this.showFigures(report);
    this.showLetters(report);
    if (report.offspring !== undefined) {
      this.showOffspring(report.offspring);
    }
    if (this.ended === null) {
      this.updateStatus(true);
      return;
    }
    this.lockWhenMatched();
    this.updateStatus(true, this.writeEnding());
    this.chart.setSummary(this.chartSummary());
    if (!this.blindEnding.hidden) {
      this.showBlindEnding();
    }
  }

  /** A growing prefix that matched shows every letter of the target locked. */
  private lockWhenMatched(): void {
    if (this.ended?.outcome === 'matched' && this.prefix) {
      markedLetters(
        this.currentLetters,
        this.options.target.slice(0, 200),
        'l'.repeat(Math.min(200, this.options.target.length)),
        this.options.target.length > 200,
      );
    }
  }

  private show(report: LiveReport): void {
    this.last = report;
    this.showFigures(report);
    this.showLetters(report);
    if (report.offspring !== undefined) {
      const first = this.rows[0].dataset.fate === undefined;
      this.showOffspring(report.offspring);
      if (first) {
        this.arrange();
      }
    }
    this.chart.setCurves(report.curve, report.bestCurve);
    this.followBlind(kBlindSlice);
    this.updateStatus(false);
  }

  private showFigures(report: LiveReport): void {
    const f = report.figures;
    const lines = [
      arg(tr(kView, 'Generation: %1'), f.generation),
      arg(tr(kView, 'Strings made: %1'), f.strings),
      arg(tr(kView, 'Letters matched: %1 of %2'), f.matched, f.length),
    ];
    if (this.prefix) {
      lines.push(arg(tr(kView, 'Best of the run: %1 of %2'), f.best, f.length));
    }
    lines.push(arg(tr(kView, 'Generations per second: %1'), f.rate));
    lines.push(arg(tr(kView, 'Elapsed seconds: %1'), f.seconds));
    if (f.computing !== '') {
      lines.push(arg(tr(kView, 'Computing seconds: %1'), f.computing));
    }
    lines.push(arg(tr(kView, 'Log file size: %1'), f.log));
    this.figures.textContent = lines.join('\n');
  }

  private showLetters(report: LiveReport): void {
    const letters = report.letters;
    markedLetters(this.currentLetters, letters.text, letters.marks, letters.cut);
    const shown = letters.cut ? `${letters.text}\u2026` : letters.text;
    if (this.prefix) {
      let description = arg(
        tr(kLetters, '%1. Locked: %2, %3.'),
        shown,
        tr(kLetters, 'the first %Ln letter(s)', letters.lockedShown ?? 0),
        letters.lockedText ?? '',
      );
      const hits = letters.hits ?? 0;
      if (hits > 0) {
        description +=
          ' ' +
          (hits <= 5
            ? arg(tr(kLetters, 'Hits in the random tail at positions %1.'), positions(letters.hitPlaces ?? []))
            : arg(tr(kLetters, '%1 hits in the random tail.'), hits));
      }
      description += ' ' + arg(tr(kLetters, '%1 of %2 letters matched.'), letters.marked ?? 0, letters.of);
      this.currentLetters.setAttribute('aria-description', description);
    } else {
      this.currentLetters.setAttribute(
        'aria-description',
        `${shown}. ${this.describeRight(letters)}.`,
      );
    }
  }

  private describeRight(letters: Letters): string {
    const right = letters.right ?? 0;
    const wrong = letters.wrong ?? 0;
    const count = arg(tr(kLetters, '%1 of %2 right'), right, letters.of);
    if (wrong === 0 || right === 0) {
      return count;
    }
    if (wrong <= 5) {
      return arg(
        wrong === 1 ? tr(kLetters, '%1; wrong at position %2') : tr(kLetters, '%1; wrong at positions %2'),
        count,
        positions(letters.fewWrong ?? []),
      );
    }
    if (right <= 5) {
      return arg(
        right === 1 ? tr(kLetters, '%1, at position %2') : tr(kLetters, '%1, at positions %2'),
        count,
        positions(letters.fewRight ?? []),
      );
    }
    return count;
  }

  private showOffspring(report: OffspringReport): void {
    this.offspringTitle.textContent = arg(tr(kOffspring, 'Offspring of generation %1'), report.generationText);
    const length = this.last?.figures.length ?? String(this.options.target.length);
    this.rows.forEach((row, i) => {
      const bred = report.rows[i];
      if (bred === undefined) {
        row.replaceChildren('\u00a0');
        row.removeAttribute('aria-label');
        row.dataset.fate = '';
        return;
      }
      const number = element('span', 'live-row-number', String(i + 1).padStart(2, '\u00a0'));
      number.setAttribute('aria-hidden', 'true');
      const letters = element('span', 'live-row-letters');
      letters.setAttribute('aria-hidden', 'true');
      markedLetters(letters, bred.letters, bred.marks, report.cut);
      const note = element('span', 'live-row-note');
      note.setAttribute('aria-hidden', 'true');
      if (this.prefix) {
        note.textContent = arg(
          tr(kOffspring, '%1 copied, %2'),
          bred.copiedText,
          tr(kOffspring, '%Ln hit(s)', bred.hits),
        );
      } else {
        note.textContent = arg(tr(kOffspring, '%1 of %2'), bred.matchedText, length);
        let mark: HTMLElement | null = null;
        if (bred.whole) {
          mark = element('b', '', tr(kOffspring, 'matches the target'));
        } else if (bred.fate === 'next') {
          mark = element('b', '', tr(kOffspring, 'next parent'));
        } else if (bred.fate === 'passed') {
          mark = element('i', '', tr(kOffspring, 'not chosen'));
        }
        if (mark !== null) {
          note.append('\u00a0 ', mark);
        }
      }
      row.replaceChildren(number, letters, note);
      row.dataset.fate = bred.fate;
      row.setAttribute('aria-label', this.describeOffspring(i + 1, bred, length));
    });
  }

  private describeOffspring(number: number, row: OffspringRowReport, length: string): string {
    // Each description is one whole sentence of the catalogue, its figures its arguments.
    if (this.prefix) {
      const copied = tr(kOffspring, '%Ln letter(s) copied', row.copied);
      const sentence = row.whole
        ? tr(kOffspring, 'Offspring %1: %2, %3, every letter now locked')
        : tr(kOffspring, 'Offspring %1: %2, %3');
      return arg(sentence, number, copied, tr(kOffspring, '%Ln hit(s)', row.hits));
    }
    let sentence = tr(kOffspring, 'Offspring %1: %2 of %3 right');
    if (row.whole) {
      sentence = tr(kOffspring, 'Offspring %1: %2 of %3 right, matches the target');
    } else if (row.fate === 'next') {
      sentence = tr(kOffspring, 'Offspring %1: %2 of %3 right, next parent');
    } else if (row.fate === 'passed') {
      sentence = tr(
        kOffspring,
        'Offspring %1: %2 of %3 right, more letters right, but not chosen: the 20th offspring always is',
      );
    }
    return arg(sentence, number, row.matchedText, length);
  }

  private followBlind(budget: number): void {
    const strings = this.last?.strings ?? 0;
    const state = this.options.engine.blindFollow(this.blind, strings, budget);
    this.blindStrings = state.strings as number;
    markedLetters(
      this.blindBest,
      state.best as string,
      state.marks as string,
      (state.length as number) > 200,
    );
    const figures = state.found
      ? arg(tr(kBlind, 'found the target at string %1'), state.stringsText as string)
      : arg(
          tr(kBlind, '%1 of %2 right; %3 strings'),
          state.bestRight as number,
          state.length as number,
          state.stringsText as string,
        );
    this.blindFigures.textContent = figures;
    this.blindBest.setAttribute('aria-description', `${state.best as string}. ${figures}`);
  }

  private finishBlind(strings: number): void {
    const deadline = performance.now() + kBlindFinish;
    const step = (): void => {
      if (this.closed) {
        return;
      }
      const left = deadline - performance.now();
      const state = this.options.engine.blindFollow(this.blind, strings, Math.max(0, Math.min(kBlindFinishSlice, left)));
      this.followBlind(0);
      if ((state.there as boolean) || left <= kBlindFinishSlice) {
        this.showBlindEnding();
        return;
      }
      this.blindFinishing = window.setTimeout(step, 0);
    };
    step();
  }

  private showBlindEnding(): void {
    const ending = this.options.engine.blindEnding(this.blind);
    let text: string;
    if (ending.found) {
      text = arg(
        tr(kBlind, 'Blind search found the target at string %1; on average a blind search needs %2 = %3 strings to match it.'),
        ending.strings as string,
        ending.power as string,
        ending.all as string,
      );
    } else {
      text = arg(
        tr(
          kBlind,
          'Blind search made %1 strings; its best has %2 of %3 letters right. Matching all %3 would take on average %4 = %5 strings',
        ),
        ending.strings as string,
        ending.bestRight as number,
        ending.length as number,
        ending.power as string,
        ending.all as string,
      );
      if (!ending.timed) {
        text += '.';
      } else {
        const duration = ending.inYears
          ? arg(tr(kBlind, '%1 years'), ending.years as string)
          : arg(tr('CostText', ending.phrase as string), ending.figure as string);
        text += arg(tr(kBlind, ": about %1 at this computer's rate."), duration);
      }
    }
    this.blindEnding.textContent = text;
    this.blindEnding.hidden = false;
  }

  private updateStatus(force: boolean, prefix = ''): void {
    const report = this.last;
    if (report === null && !force) {
      return;
    }
    const now = performance.now();
    if (!force && now - this.statusAt < kStatusInterval) {
      if (this.statusDue === 0) {
        this.statusDue = window.setTimeout(() => {
          this.statusDue = 0;
          this.updateStatus(false);
        }, kStatusInterval - (now - this.statusAt));
      }
      return;
    }
    window.clearTimeout(this.statusDue);
    this.statusDue = 0;
    const generation = report?.generation ?? 0;
    const length = report?.length ?? this.options.target.length;
    let text = this.prefix
      ? arg(
          tr(kView, "Generation %1: %2 of %3 letters matched, the run's best %4"),
          generation,
          report?.matched ?? 0,
          length,
          report?.best ?? 0,
        )
      : arg(tr(kView, 'Generation %1: %2 of %3 letters right'), generation, report?.matched ?? 0, length);
    if (prefix !== '') {
      text = `${prefix} ${text}`;
    }
    if (text !== this.statusText) {
      this.statusText = text;
      this.status.textContent = text;
      this.statusAt = now;
    }
  }

  /** Writes the ended run's sentences in the language shown; the status's opening words. */
  private writeEnding(): string {
    if (this.ended === null) {
      return '';
    }
    const { outcome, answer } = this.ended;
    const report = this.last;
    const generation = report?.generation ?? 0;
    const grouped = report?.figures.generation ?? '0';
    let ending = '';
    let line = '';
    if (outcome === 'matched') {
      ending = tr(kView, 'Run finished.');
      if (this.prefix) {
        const lastDrewIt = (report?.locked ?? 0) < this.options.target.length;
        line = lastDrewIt
          ? arg(
              tr(kView, 'Offspring %1 of generation %2 drew the last hit: every letter of the target is now locked.'),
              kRows,
              grouped,
            )
          : arg(tr(kView, 'Generation %1 drew the last hit: every letter of the target is now locked.'), grouped);
      } else {
        line = arg(tr(kView, 'The parent matched the target in generation %1.'), grouped);
      }
      const place = answer?.place as { kind: string; percent: string } | undefined;
      if (place !== undefined) {
        const share =
          place.kind === 'lessThanOne'
            ? tr(kView, 'less than 1%')
            : place.kind === 'moreThan99'
              ? tr(kView, 'more than 99%')
              : place.percent;
        this.place.textContent = arg(
          tr(kView, 'This run took %1 generation(s); %2 of runs take at most that many.', generation),
          grouped,
          share,
        );
        this.place.hidden = false;
      }
      this.repeatButton.hidden = this.options.onRepeat === undefined;
    } else if (outcome === 'cancelled') {
      ending = arg(tr(kView, 'Cancelled after %1 generation(s).', generation), grouped);
      line = ending;
    } else if (outcome === 'logFailed') {
      ending = tr(kView, 'Run stopped: the log could not be written.');
      line = ending;
    } else if (outcome === 'invalidInput') {
      ending = tr(kView, 'Run refused.');
      line = ending;
    } else {
      // The worker failed: the page's message says why; the view keeps where the run was.
      ending = '';
      line = '';
    }
    this.ending.textContent = line;
    this.ending.hidden = line === '';
    return ending;
  }

  /** The run has ended with `answer`, the engine's; whether the view stays open. */
  finish(outcome: string, answer: Raw | null): boolean {
    this.drawPending();
    this.running = false;
    this.paused = false;
    this.pauseButton.disabled = true;
    this.stepButton.disabled = true;
    this.pauseButton.textContent = tr(kControls, 'Pause');
    this.cancelButton.textContent = tr(kControls, 'Close');
    this.cancelButton.setAttribute('aria-description', tr(kControls, 'Closes this window'));
    this.csv = (answer?.csv as string | undefined) ?? '';
    this.saveDataButton.disabled = this.csv === '';
    this.showOffspringPanel();
    this.ended = { outcome, answer };
    this.lockWhenMatched();
    this.updateStatus(true, this.writeEnding());
    this.chart.setSummary(this.chartSummary());
    if (outcome === 'matched' || outcome === 'cancelled') {
      this.finishBlind(this.last?.strings ?? 0);
    }
    if (!this.choices.keepOpen) {
      this.close();
      return false;
    }
    return true;
  }

  private chartSummary(): string {
    const report = this.last;
    const curve = report?.curve ?? [];
    if (report === null || curve.length === 0) {
      return tr(kView, 'No generation was finished.');
    }
    const first = Math.round(curve[0][1]);
    const last = Math.round(curve[curve.length - 1][1]);
    const many = report.generation;
    const generations = report.figures.generation;
    if (this.prefix) {
      const best = report.bestCurve.length > 0 ? Math.round(report.bestCurve[report.bestCurve.length - 1][1]) : 0;
      return arg(
        tr(
          kView,
          "The prefix each generation reached went from %1 to %2 letters of %3 in %4 generation(s); the run's best rose to %5.",
          many,
        ),
        first,
        last,
        report.length,
        generations,
        best,
      );
    }
    if (last === first) {
      return arg(tr(kView, 'Letters right stayed at %1 of %2 for %3 generation(s).', many), first, report.length, generations);
    }
    return arg(
      last > first
        ? tr(kView, 'Letters right rose from %1 to %2 of %3 in %4 generation(s).', many)
        : tr(kView, 'Letters right fell from %1 to %2 of %3 in %4 generation(s).', many),
      first,
      last,
      report.length,
      generations,
    );
  }

  /** The title a saved chart carries: the phrase, the scheme, the run and its first string. */
  savedChartTitle(): string {
    return arg(
      tr(kView, 'Letters right by generation for "%1": %2, 1 run from "%3"'),
      this.options.target,
      tr('Scheme', this.options.scheme.caption),
      this.options.first,
    );
  }

  private async saveChart(type: 'png' | 'svg'): Promise<void> {
    const title = this.savedChartTitle();
    const what = `letters-by-generation-scheme-${this.options.scheme.number}`;
    const blob = type === 'png' ? await this.chart.png(title) : this.chart.svg(title);
    download(fileName(this.options.target, what, type), blob);
  }

  private saveData(): void {
    if (this.csv === '') {
      return;
    }
    download(
      fileName(this.options.target, `generations-scheme-${this.options.scheme.number}`, 'csv'),
      new Blob([this.csv], { type: 'text/csv' }),
    );
  }

  close(): void {
    if (this.closed) {
      return;
    }
    this.closed = true;
    window.clearTimeout(this.blindFinishing);
    window.clearTimeout(this.statusDue);
    window.removeEventListener('resize', this.onResize);
    this.options.engine.blindFree(this.blind);
    this.chart.destroy();
    if (this.dialog.open) {
      this.dialog.close();
    }
    this.dialog.remove();
    if (this.opener !== null && this.opener.isConnected) {
      this.opener.focus();
    }
    for (const listener of this.closeListeners.splice(0)) {
      listener();
    }
  }

  /** Strings the blind search has made, for the tests. */
  get blindStringCount(): number {
    return this.blindStrings;
  }
}

// The Repeat view: many runs of each chosen scheme on the page's workers, each scheme's
// histogram beside its exact law, the summary table and where a guess falls, as the window's
// Repeat window shows them. Every figure and every text's source comes from the engine (see
// web/bindings/repeat_exports.cpp); this file lays them out, draws them and saves them.

import { Engine, latin1, loadModule, type EngineModule, type SchemeRow } from "./engine-core.js";
import { poolSize, runPool, type PoolRun } from "./engine-pool.js";
import { languageChooser } from "./language-chooser.js";
import { arg, figureText, groupedCount, onLanguageChange, shownFigure, tr, verbatim } from "./texts.js";
import uPlot from "./vendor/uplot.js";

export interface RepeatOptions {
  target: string;
  seedText?: string;
  onClose?: () => void;
}

const kWindow = "quarrow::RepeatWindow";
const kChart = "DistributionChart";
const kFewestRuns = 10;
const kMostRuns = 100_000;
const kDefaultRuns = 100;
const kLongSequentialSeconds = 600;
const kLongestGuess = 12;
const kLawColour = "#202020";
const kGuessColour = "#D55E00";

interface Summary {
  mean: number;
  median: number;
  p10: number;
  p90: number;
  min: number;
  max: number;
}

interface GuessFigures {
  source: string;
  plural: number;
  guess: string;
  percentile: string | null;
  percent: number;
}

interface Panel {
  scheme: number;
  heading: string;
  finished: number;
  finishedText: string;
  shares: number[];
  lawShares: number[];
  generations: Summary | null;
  guess: GuessFigures | null;
  cells: string[];
  lawMean: string;
  lawQuantiles: string[];
}

export interface RepeatFigures {
  title: { source: string; plural: number; counts: string[] };
  interrupted: boolean;
  runsFinished: number;
  axis: { low: number; high: number; logarithmic: boolean };
  binFirst: number[];
  binLast: number[];
  panels: Panel[];
  csv: string;
}

/** A catalogue text of the window's, its "&" shortcut marks dropped as the page shows labels. */
function win(source: string, n?: number): string {
  return tr(kWindow, source, n).replace(/&(?=\S)/g, "");
}

function element<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  props: Partial<HTMLElementTagNameMap[K]> = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const node = Object.assign(document.createElement(tag), props);
  node.append(...children);
  return node;
}

/** The guess's sentence, from the engine's choice of text and its figures. */
export function guessSentence(guess: GuessFigures): string {
  const sentence = tr(kChart, guess.source, guess.plural);
  if (guess.percentile === null) {
    return arg(sentence, guess.guess);
  }
  return arg(arg(sentence, guess.guess, arg(tr(kChart, guess.percentile), guess.percent)), guess.percent);
}

function duration(seconds: number, longPhrase: string, longFigure: string): string {
  if (seconds < 1) return tr("QObject", "under a second");
  if (seconds < 120) return tr("QObject", "about %Ln second(s)", Math.round(seconds));
  if (seconds < 7200) return arg(tr("QObject", "about %1 minutes"), Math.round(seconds / 60));
  return arg(tr("QObject", "about %1"), arg(tr("CostText", longPhrase), longFigure));
}

function colourOf(row: SchemeRow | undefined): string {
  return `#${(row?.colour ?? 0x606060).toString(16).padStart(6, "0").slice(-6)}`;
}

/** The file name the saves offer: what the chart shows, its seed and its runs. */
function fileName(target: string, schemes: number, runs: number, seed: string, extension: string): string {
  let stem = target.slice(0, 40).replace(/[^A-Za-z0-9]/g, "-") || "phrase";
  stem += `-${schemes}-schemes-${runs}-runs-seed-${seed}`;
  return `${stem}.${extension}`;
}

function download(name: string, data: Blob): void {
  const link = element("a", { href: URL.createObjectURL(data), download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
}

function escapeXml(text: string): string {
  return text.replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c] ?? c);
}

/** The view's state and its parts. */
class RepeatView {
  private engine!: Engine;
  private module!: EngineModule;
  private rows: SchemeRow[] = [];
  private readonly root: HTMLElement;
  private readonly runsBox: HTMLInputElement;
  private readonly seedBox: HTMLInputElement;
  private readonly guessBox: HTMLInputElement;
  private readonly checks: HTMLInputElement[] = [];
  private readonly estimate: HTMLElement;
  private readonly progress: HTMLProgressElement;
  private readonly progressText: HTMLElement;
  private readonly startButton: HTMLButtonElement;
  private readonly cancelButton: HTMLButtonElement;
  private readonly saveButton: HTMLButtonElement;
  private readonly saveDataButton: HTMLButtonElement;
  private readonly saveChoices: HTMLElement;
  private readonly status: HTMLElement;
  private readonly chartTitle: HTMLElement;
  private readonly charts: HTMLElement;
  private readonly table: HTMLTableElement;
  private readonly tableCaption: HTMLElement;
  private plots: uPlot[] = [];
  private running: PoolRun | null = null;
  private shown: { figures: RepeatFigures; title: string; seed: string; runs: number } | null = null;
  private estimateFigures: { seconds: number; slowScheme: number; longPhrase: string; longFigure: string } | null =
    null;

  private runsDone: { done: number; asked: number } | null = null;

  constructor(private readonly options: RepeatOptions) {
    this.root = element("section", { id: "repeat-view", className: "repeat-view" });
    this.root.setAttribute("role", "dialog");
    // A new language: the charts, their titles and the estimate written again from the last figures.
    onLanguageChange(() => {
      if (!this.root.isConnected) return;
      if (this.shown) this.show(this.shown.figures, this.shown.seed, this.shown.runs);
      this.updateEstimate();
      this.writeProgress();
    });
    this.root.setAttribute("aria-modal", "true");
    this.root.setAttribute("aria-labelledby", "repeat-heading");
    const heading = element("h2", { id: "repeat-heading" }, arg(win("Repeat: %1"), verbatim(options.target)));
    onLanguageChange(() => {
      heading.textContent = arg(win("Repeat: %1"), verbatim(options.target));
    });
    const close = element("button", { type: "button", id: "repeatClose" }, tr("WebPage", "Close"));
    close.addEventListener("click", () => this.close());
    document.addEventListener("keydown", this.onKey);

    this.runsBox = element("input", { type: "number", id: "repeatRunsBox", min: String(kFewestRuns), max: String(kMostRuns) });
    this.runsBox.value = String(kDefaultRuns);
    this.seedBox = element("input", { type: "number", id: "repeatSeedBox", min: "0", max: "999999999" });
    this.seedBox.value =
      options.seedText && /^[0-9]{1,9}$/.test(options.seedText)
        ? options.seedText
        : String(Math.floor((Date.now() % 86_400_000) % 1_000_000_000));
    this.guessBox = element("input", { type: "text", id: "repeatGuessBox", placeholder: win("optional") });
    this.guessBox.inputMode = "numeric";
    this.estimate = element("p", { id: "repeatEstimate", className: "repeat-estimate" });
    this.estimate.setAttribute("aria-live", "polite");
    const schemes = element("fieldset", { className: "repeat-schemes" }, element("legend", {}, win("Schemes:")));
    this.schemesBox = schemes;

    const form = element("div", { className: "repeat-form" });
    const field = (label: string, input: HTMLElement): void => {
      const tag = element("label", { htmlFor: input.id }, label);
      form.append(tag, input);
    };
    field(win("&Runs of each scheme:"), this.runsBox);
    field(win("S&eed:"), this.seedBox);
    field(win("Your &guess (generations):"), this.guessBox);
    const timeLabel = element("span", { className: "repeat-time-label" }, win("Time:"));
    form.append(timeLabel, this.estimate);

    this.progress = element("progress", { id: "repeatProgress", max: 1, value: 0 });
    this.progress.setAttribute("aria-label", tr("WebPage", "Runs done: %1 of %2").replace(/:.*/, ""));
    this.progressText = element("span", { className: "repeat-progress-text" });
    this.startButton = element("button", { type: "button", id: "repeatStartButton" }, win("&Start"));
    this.cancelButton = element("button", { type: "button", id: "repeatCancelButton", disabled: true }, win("Cancel"));
    this.saveButton = element("button", { type: "button", id: "repeatSaveButton", disabled: true }, win("Save chart..."));
    this.saveDataButton = element("button", { type: "button", id: "repeatSaveDataButton", disabled: true }, win("Save data..."));
    this.saveButton.setAttribute("aria-expanded", "false");
    const png = element("button", { type: "button", id: "repeatSavePng" }, tr("WebPage", "Save chart as PNG"));
    const svg = element("button", { type: "button", id: "repeatSaveSvg" }, tr("WebPage", "Save chart as SVG"));
    this.saveChoices = element("div", { className: "repeat-save-choices", hidden: true }, png, svg);
    const buttons = element(
      "div",
      { className: "repeat-buttons" },
      this.progress,
      this.progressText,
      this.startButton,
      this.cancelButton,
      this.saveButton,
      this.saveChoices,
      this.saveDataButton,
    );
    this.status = element("p", { id: "repeatStatus", className: "repeat-status" });
    this.status.setAttribute("role", "status");
    this.chartTitle = element("h3", { id: "repeatChartTitle", className: "repeat-chart-title" });
    this.charts = element("div", { id: "repeatCharts", className: "repeat-charts" });
    this.charts.append(element("p", {}, tr("quarrow::DistributionChartWidget", "The chart appears once runs are done.")));
    this.tableCaption = element(
      "caption",
      {},
      win(
        "Generations per run, over the runs that finished. Exact law: what chance predicts for a very great number of runs, its mean and, in brackets, its 10%, median and 90%.",
      ),
    );
    this.table = element("table", { id: "repeatTable", className: "repeat-table" }, this.tableCaption);
    const head = element("tr");
    for (const heading of ["Scheme", "Runs finished", "Mean", "SD", "Median", "10%", "90%", "Fewest", "Most", "Exact law"]) {
      head.append(element("th", { scope: "col" }, win(heading)));
    }
    this.table.append(element("thead", {}, head), element("tbody"));

    this.root.append(
      element("div", { className: "repeat-top" }, heading, element("div", { className: "repeat-top-tools" }, languageChooser("repeatLanguage"), close)),
      form,
      schemes,
      buttons,
      this.status,
      element("figure", { className: "repeat-figure" }, this.chartTitle, this.charts),
      this.table,
    );
    this.startButton.addEventListener("click", () => void this.start());
    this.cancelButton.addEventListener("click", () => this.cancel());
    this.saveButton.addEventListener("click", () => {
      const open = this.saveChoices.hidden;
      this.saveChoices.hidden = !open;
      this.saveButton.setAttribute("aria-expanded", String(open));
      if (open) png.focus();
    });
    png.addEventListener("click", () => this.savePng());
    svg.addEventListener("click", () => this.saveSvg());
    this.saveDataButton.addEventListener("click", () => this.saveData());
    this.runsBox.addEventListener("input", () => this.updateEstimate());
  }

  private readonly schemesBox: HTMLElement;

  /** Escape closes the view wherever the focus is, Start's own focus lost while it ran. */
  private readonly onKey = (event: KeyboardEvent): void => {
    if (event.key === "Escape" && document.body.contains(this.root)) this.close();
  };

  async open(): Promise<void> {
    document.body.append(this.root);
    this.module = await loadModule(new URL("../engine", import.meta.url).href);
    this.engine = new Engine(this.module);
    this.rows = this.engine.schemes();
    for (const row of this.rows) {
      const box = element("input", { type: "checkbox", id: `repeatScheme${row.number}`, checked: true });
      box.addEventListener("change", () => this.updateEstimate());
      this.checks.push(box);
      this.schemesBox.append(element("label", { htmlFor: box.id, className: "repeat-scheme" }, box, tr("Scheme", row.caption)));
    }
    this.estimateFigures = this.measure();
    const slow = this.checks[this.rows.findIndex((row) => row.number === this.estimateFigures?.slowScheme)];
    if (slow && this.estimateFigures.seconds > kLongSequentialSeconds) slow.checked = false;
    this.updateEstimate();
    this.root.dataset.ready = "true";
    this.runsBox.focus();
  }

  private measure(): { seconds: number; slowScheme: number; longPhrase: string; longFigure: string } {
    const runs = Number(this.runsBox.value) || 0;
    return this.engine.raw("repeat_estimate", latin1(this.options.target).length, runs, poolSize(runs)) as unknown as {
      seconds: number;
      slowScheme: number;
      longPhrase: string;
      longFigure: string;
    };
  }

  private updateEstimate(): void {
    if (!this.estimateFigures) return;
    const runs = Math.max(0, Number(this.runsBox.value) || 0);
    const figures = this.measure();
    const cores = poolSize(Math.max(runs, 1));
    const slowIndex = this.rows.findIndex((row) => row.number === figures.slowScheme);
    const text = duration(figures.seconds, figures.longPhrase, figures.longFigure);
    if (this.checks[slowIndex]?.checked) {
      this.estimate.textContent = arg(
        win("Scheme %1 will take %2 on %n core(s); fewer runs, or leaving it out, shortens that.", cores),
        figures.slowScheme,
        text,
      );
    } else if (figures.seconds > kLongSequentialSeconds) {
      this.estimate.textContent = arg(win("Scheme %1 is left out: it would take %2 on %n core(s).", cores), figures.slowScheme, text);
    } else {
      this.estimate.textContent = win("The other schemes take a moment.");
    }
  }

  private inputs(enabled: boolean): void {
    for (const input of [this.runsBox, this.seedBox, this.guessBox, ...this.checks, this.startButton]) {
      input.disabled = !enabled;
    }
  }

  private say(text: string, focus?: HTMLInputElement): void {
    this.status.textContent = text;
    if (focus) {
      focus.focus();
      focus.select();
    }
  }

  private readGuess(): number | null | undefined {
    const digits = this.guessBox.value.replace(/[\s,]/g, "");
    if (digits === "") return null;
    if (digits.length > kLongestGuess || !/^[0-9]+$/.test(digits)) return undefined;
    return Number(digits);
  }

  async start(): Promise<void> {
    if (this.running) return;
    let mask = 0;
    let count = 0;
    this.rows.forEach((row, i) => {
      if (this.checks[i].checked) {
        mask |= 1 << (row.number - 1);
        ++count;
      }
    });
    if (count === 0) {
      this.say(win("Choose at least one scheme."));
      return;
    }
    const runs = Number(this.runsBox.value);
    if (!Number.isInteger(runs) || runs < kFewestRuns || runs > kMostRuns) {
      this.say(
        arg(win("Each scheme needs at least %1 runs, and at most %2; %3 are too few."), kFewestRuns, groupedCount(kMostRuns, "en"), verbatim(this.runsBox.value)),
        this.runsBox,
      );
      return;
    }
    const guess = this.readGuess();
    if (guess === undefined) {
      this.say(
        win("Your guess must be a whole number of generations, such as 30. Leave the box empty to run without a guess."),
        this.guessBox,
      );
      return;
    }
    const seedText = String(Math.max(0, Math.floor(Number(this.seedBox.value) || 0)));
    const seed = this.engine.readSeed(seedText).seed ?? { high: 0, low: 0 };
    this.say("");
    this.inputs(false);
    this.cancelButton.disabled = false;
    this.saveButton.disabled = true;
    this.saveDataButton.disabled = true;
    this.saveChoices.hidden = true;
    const asked = runs * count;
    this.progress.max = asked;
    this.progress.value = 0;
    this.root.dataset.state = "running";
    const shownProgress = (done: number): void => {
      this.progress.value = done;
      this.runsDone = { done, asked };
      this.writeProgress();
    };
    shownProgress(0);
    this.running = runPool({ target: this.options.target, schemes: mask, schemeCount: count, seed, runs }, shownProgress);
    const result = await this.running.ended;
    this.running = null;
    const figures = this.figures(mask, runs, result.cancelled, guess, result.records, result.strings);
    this.inputs(true);
    this.cancelButton.disabled = true;
    shownProgress(figures.runsFinished);
    this.show(figures, seedText, runs);
    this.root.dataset.state = "done";
    // The focus was on Start, disabled while the batch ran: it goes back there.
    if (document.activeElement === document.body || document.activeElement === null) this.startButton.focus();
  }

  /** The progress line, in the language shown. */
  private writeProgress(): void {
    if (this.runsDone === null) return;
    const { done, asked } = this.runsDone;
    this.progressText.textContent = arg(tr("WebPage", "Runs done: %1 of %2"), groupedCount(done, "en"), groupedCount(asked, "en"));
  }

  cancel(): void {
    this.running?.cancel();
    this.cancelButton.disabled = true;
  }

  /** The engine's figures of the merged batch; the records pass through its memory. */
  private figures(mask: number, runs: number, interrupted: boolean, guess: number | null, records: Float64Array, strings: Uint8Array): RepeatFigures {
    const module = this.module;
    const numbers = module._malloc(Math.max(8, records.byteLength));
    const bytes = module._malloc(Math.max(1, strings.length));
    try {
      new Float64Array(module.HEAPU8.buffer, numbers, records.length).set(records);
      module.HEAPU8.set(strings, bytes);
      return this.engine.raw(
        "repeat_figures",
        this.options.target,
        mask,
        runs,
        runs,
        interrupted ? 1 : 0,
        guess ?? -1,
        numbers,
        bytes,
      ) as unknown as RepeatFigures;
    } finally {
      module._free(numbers);
      module._free(bytes);
    }
  }

  private titleOf(figures: RepeatFigures, seed: string): string {
    const t = figures.title;
    const names = figures.panels.map((p) => this.caption(p.scheme)).join(", ");
    return arg(tr(kChart, t.source, t.plural >= 0 ? t.plural : undefined), this.options.target, names, ...t.counts, arg(win("seed %1"), seed));
  }

  private caption(scheme: number): string {
    const row = this.rows.find((r) => r.number === scheme);
    return row ? tr("Scheme", row.caption) : String(scheme);
  }

  private headingOf(panel: Panel): string {
    return panel.finished === 0
      ? arg(tr(kChart, panel.heading), this.caption(panel.scheme))
      : arg(tr(kChart, panel.heading, panel.finished), this.caption(panel.scheme), panel.finishedText);
  }

  private summaryOf(panel: Panel): string {
    const g = panel.generations;
    if (!g) return this.headingOf(panel);
    return arg(
      tr("WebPage", "%1: mean %2 generations, median %3, 10% of runs at most %4, 90% at most %5; the exact law's mean is %6."),
      this.caption(panel.scheme),
      panel.cells[0],
      panel.cells[2],
      panel.cells[3],
      panel.cells[4],
      panel.lawMean,
    );
  }

  private show(figures: RepeatFigures, seed: string, runs: number): void {
    const title = this.titleOf(figures, seed);
    this.shown = { figures, title, seed, runs };
    this.chartTitle.textContent = title;
    for (const plot of this.plots) plot.destroy();
    this.plots = [];
    this.charts.replaceChildren();
    const top = Math.max(1e-9, ...figures.panels.flatMap((p) => [...p.shares, ...p.lawShares]));
    const width = Math.max(320, (this.charts.clientWidth || 900) - 8);
    const columns = figures.panels.length > 1 && width > 1100 ? figures.panels.length : 1;
    const plotWidth = Math.floor(width / columns) - (columns > 1 ? 16 : 0);
    this.charts.style.setProperty("--repeat-columns", String(columns));
    figures.panels.forEach((panel, index) => {
      const box = element("section", { className: "repeat-panel" });
      const headingId = `repeat-panel-${index}`;
      box.setAttribute("aria-labelledby", headingId);
      box.append(element("h4", { id: headingId }, this.headingOf(panel)));
      if (panel.guess) box.append(element("p", { className: "repeat-guess" }, guessSentence(panel.guess)));
      const plotBox = element("div", { className: "repeat-plot" });
      plotBox.setAttribute("role", "img");
      plotBox.setAttribute("aria-label", this.summaryOf(panel));
      box.append(plotBox);
      this.charts.append(box);
      this.plots.push(this.plot(plotBox, figures, panel, top, plotWidth));
    });
    const body = this.table.tBodies[0];
    body.replaceChildren();
    for (const panel of figures.panels) {
      const row = element("tr");
      row.append(element("th", { scope: "row" }, this.caption(panel.scheme)), element("td", {}, String(panel.finished)));
      for (const cell of panel.cells) row.append(element("td", {}, shownFigure(cell)));
      row.append(element("td", {}, arg(win("%1 (%2, %3, %4)"), panel.lawMean, ...panel.lawQuantiles)));
      body.append(row);
    }
    this.table.setAttribute(
      "aria-description",
      arg(
        win("Generations per run, %1; the Exact law column gives the exact law's mean and, in brackets, its 10th percentile, median and 90th percentile."),
        arg(win("seed %1"), seed),
      ),
    );
    this.saveButton.disabled = figures.panels.length === 0;
    this.saveDataButton.disabled = figures.panels.length === 0;
  }

  /** One scheme's histogram: bars as steps over its bins, the law through each bin's middle,
   * and the marks of its runs and the guess. */
  private plot(box: HTMLElement, figures: RepeatFigures, panel: Panel, top: number, width: number): uPlot {
    const xs: number[] = [];
    const bars: (number | null)[] = [];
    const law: (number | null)[] = [];
    figures.binFirst.forEach((first, b) => {
      const end = figures.binLast[b] + 1;
      xs.push(first, figures.axis.logarithmic ? Math.sqrt(first * end) : (first + end) / 2);
      bars.push(panel.shares[b], panel.shares[b]);
      law.push(null, panel.lawShares[b]);
    });
    xs.push(figures.binLast[figures.binLast.length - 1] + 1);
    bars.push(0);
    law.push(null);
    const colour = colourOf(this.rows.find((r) => r.number === panel.scheme));
    const marks = this.marksOf(panel);
    const options: uPlot.Options = {
      width,
      height: 240,
      legend: { show: false },
      cursor: { show: false },
      // Room above the plot for the marks' labels, in up to three rows.
      padding: [46, 12, 0, 0],
      scales: {
        x: figures.axis.logarithmic ? { time: false, distr: 3, log: 10, range: [figures.axis.low, figures.axis.high] } : { time: false, range: [figures.axis.low, figures.axis.high] },
        y: { range: [0, top * 1.05] },
      },
      axes: [
        {
          label: figures.axis.logarithmic ? tr(kChart, "Generations per run (logarithmic scale)") : tr(kChart, "Generations per run"),
          values: (_u, values) => values.map(figureText),
        },
        { values: (_u, values) => values.map((v) => (v === null ? "" : `${figureText(+(v * 100).toFixed(2))}%`)), size: 56 },
      ],
      series: [
        {},
        { stroke: colour, fill: `${colour}55`, width: 1, paths: uPlot.paths.stepped?.({ align: 1 }), points: { show: false } },
        { stroke: kLawColour, width: 2, spanGaps: true, points: { show: false } },
      ],
      hooks: {
        draw: [
          (u: uPlot) => {
            const ctx = u.ctx;
            ctx.save();
            ctx.font = `${Math.round(12 * devicePixelRatio)}px sans-serif`;
            // Each label in the first row, from the plot's top down, where it meets no other.
            const rows: [number, number][][] = [];
            const gap = 4 * devicePixelRatio;
            const placed = marks
              .map((mark) => ({ mark, x: u.valToPos(mark.value, "x", true) }))
              .sort((a, b) => a.x - b.x);
            for (const { mark, x } of placed) {
              ctx.strokeStyle = mark.colour;
              ctx.fillStyle = mark.colour;
              ctx.lineWidth = (mark.colour === kLawColour ? 1.2 : 2) * devicePixelRatio;
              ctx.setLineDash(mark.dash.map((d) => d * devicePixelRatio));
              ctx.beginPath();
              ctx.moveTo(x, u.bbox.top);
              ctx.lineTo(x, u.bbox.top + u.bbox.height);
              ctx.stroke();
              const width = ctx.measureText(mark.label).width;
              const left = Math.max(u.bbox.left, Math.min(x - width / 2, u.bbox.left + u.bbox.width - width));
              let row = 0;
              while (rows[row]?.some(([a, b]) => left < b + gap && left + width + gap > a)) ++row;
              (rows[row] ??= []).push([left, left + width]);
              ctx.fillText(mark.label, left, u.bbox.top - (4 + 14 * row) * devicePixelRatio);
            }
            ctx.restore();
          },
        ],
      },
    };
    return new uPlot(options, [xs, bars, law], box);
  }

  private marksOf(panel: Panel): { value: number; label: string; dash: number[]; colour: string }[] {
    const marks: { value: number; label: string; dash: number[]; colour: string }[] = [];
    const g = panel.generations;
    if (g) {
      marks.push(
        { value: g.p10, label: "10%", dash: [2, 3], colour: kLawColour },
        { value: g.median, label: tr(kChart, "median"), dash: [6, 4], colour: kLawColour },
        { value: g.mean, label: tr(kChart, "mean"), dash: [], colour: kLawColour },
        { value: g.p90, label: "90%", dash: [2, 3], colour: kLawColour },
      );
    }
    if (panel.guess) {
      marks.push({ value: Number(panel.guess.guess.replace(/,/g, "")), label: tr(kChart, "your guess"), dash: [8, 3, 2, 3], colour: kGuessColour });
    }
    return marks;
  }

  private name(extension: string): string {
    const shown = this.shown!;
    return fileName(this.options.target, shown.figures.panels.length, shown.runs, shown.seed, extension);
  }

  savePng(): void {
    if (!this.shown) return;
    const scale = 2;
    const canvases = this.plots.map((p) => p.ctx.canvas);
    const width = Math.max(...canvases.map((c) => c.width / devicePixelRatio), 600);
    const headed = 40;
    const height = 50 + this.plots.length * (240 + headed + 20);
    const canvas = element("canvas", { width: width * scale, height: height * scale });
    const ctx = canvas.getContext("2d")!;
    ctx.scale(scale, scale);
    ctx.fillStyle = "#fff";
    ctx.fillRect(0, 0, width, height);
    ctx.fillStyle = "#000";
    ctx.font = "bold 16px sans-serif";
    ctx.fillText(this.shown.title, 10, 28, width - 20);
    let y = 50;
    this.shown.figures.panels.forEach((panel, i) => {
      ctx.font = "bold 13px sans-serif";
      ctx.fillStyle = "#000";
      ctx.fillText(this.headingOf(panel), 10, y + 14, width - 20);
      if (panel.guess) {
        ctx.font = "13px sans-serif";
        ctx.fillText(guessSentence(panel.guess), 10, y + 32, width - 20);
      }
      const source = canvases[i];
      ctx.drawImage(source, 0, y + headed, source.width / devicePixelRatio, source.height / devicePixelRatio);
      y += 240 + headed + 20;
    });
    canvas.toBlob((blob) => {
      if (blob) download(this.name("png"), blob);
    }, "image/png");
  }

  /** The chart as SVG, written from the same figures the plots draw. */
  chartSvg(): string {
    const shown = this.shown!;
    const f = shown.figures;
    const width = 960;
    const plotLeft = 70;
    const plotRight = width - 20;
    const plotHeight = 180;
    const panelHeight = plotHeight + 90;
    const height = 60 + f.panels.length * panelHeight;
    const place = (value: number): number => {
      const a = f.axis;
      const share = a.logarithmic
        ? (Math.log10(Math.max(value, a.low)) - Math.log10(a.low)) / (Math.log10(a.high) - Math.log10(a.low))
        : (value - a.low) / (a.high - a.low);
      return plotLeft + (plotRight - plotLeft) * share;
    };
    const top = Math.max(1e-9, ...f.panels.flatMap((p) => [...p.shares, ...p.lawShares])) * 1.05;
    const parts: string[] = [
      `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}" font-family="sans-serif" font-size="13">`,
      `<title>${escapeXml(shown.title)}</title>`,
      `<rect width="${width}" height="${height}" fill="#fff"/>`,
      `<text x="10" y="28" font-size="16" font-weight="bold">${escapeXml(shown.title)}</text>`,
    ];
    f.panels.forEach((panel, i) => {
      const y0 = 50 + i * panelHeight;
      const plotTop = y0 + 46;
      const bottom = plotTop + plotHeight;
      const yOf = (share: number): number => bottom - (plotHeight * Math.min(share, top)) / top;
      const colour = colourOf(this.rows.find((r) => r.number === panel.scheme));
      parts.push(`<text x="10" y="${y0 + 14}" font-weight="bold">${escapeXml(this.headingOf(panel))}</text>`);
      if (panel.guess) parts.push(`<text x="10" y="${y0 + 32}">${escapeXml(guessSentence(panel.guess))}</text>`);
      parts.push(`<line x1="${plotLeft}" y1="${bottom}" x2="${plotRight}" y2="${bottom}" stroke="#808080"/>`);
      parts.push(`<line x1="${plotLeft}" y1="${plotTop}" x2="${plotLeft}" y2="${bottom}" stroke="#808080"/>`);
      parts.push(`<text x="${plotLeft - 6}" y="${plotTop + 4}" text-anchor="end" fill="#555">${figureText(+(top * 100).toFixed(2))}%</text>`);
      parts.push(`<text x="${plotLeft - 6}" y="${bottom + 4}" text-anchor="end" fill="#555">0%</text>`);
      const law: string[] = [];
      f.binFirst.forEach((first, b) => {
        const x1 = place(first);
        const x2 = place(f.binLast[b] + 1);
        if (panel.shares[b] > 0) {
          parts.push(
            `<rect x="${x1.toFixed(2)}" y="${yOf(panel.shares[b]).toFixed(2)}" width="${(x2 - x1).toFixed(2)}" height="${(bottom - yOf(panel.shares[b])).toFixed(2)}" fill="${colour}" fill-opacity="0.35" stroke="${colour}"/>`,
          );
        }
        law.push(`${((x1 + x2) / 2).toFixed(2)},${yOf(panel.lawShares[b]).toFixed(2)}`);
      });
      parts.push(`<polyline points="${law.join(" ")}" fill="none" stroke="${kLawColour}" stroke-width="2"/>`);
      this.marksOf(panel).forEach((mark, m) => {
        const x = place(mark.value).toFixed(2);
        const dash = mark.dash.length ? ` stroke-dasharray="${mark.dash.join(" ")}"` : "";
        parts.push(`<line x1="${x}" y1="${plotTop}" x2="${x}" y2="${bottom}" stroke="${mark.colour}" stroke-width="1.5"${dash}/>`);
        parts.push(`<text x="${x}" y="${plotTop - 4 - 0 * m}" fill="${mark.colour}" font-size="11" transform="rotate(0)" dx="3" dy="${12 + 12 * (m % 3)}">${escapeXml(mark.label)}</text>`);
      });
      parts.push(`<text x="${plotLeft}" y="${bottom + 16}">${figureText(Math.round(f.axis.low))}</text>`);
      parts.push(`<text x="${plotRight}" y="${bottom + 16}" text-anchor="end">${figureText(Math.round(f.axis.high))}</text>`);
      const axisTitle = f.axis.logarithmic ? tr(kChart, "Generations per run (logarithmic scale)") : tr(kChart, "Generations per run");
      parts.push(`<text x="${(plotLeft + plotRight) / 2}" y="${bottom + 32}" text-anchor="middle">${escapeXml(axisTitle)}</text>`);
    });
    parts.push("</svg>");
    return parts.join("\n");
  }

  saveSvg(): void {
    if (!this.shown) return;
    download(this.name("svg"), new Blob([this.chartSvg()], { type: "image/svg+xml" }));
  }

  saveData(): void {
    if (!this.shown) return;
    download(this.name("csv"), new Blob([this.shown.figures.csv], { type: "text/csv" }));
  }

  close(): void {
    this.running?.cancel();
    document.removeEventListener("keydown", this.onKey);
    for (const plot of this.plots) plot.destroy();
    this.root.remove();
    this.options.onClose?.();
  }
}

/** Opens the Repeat view of `target` over the page. */
export function openRepeat(options: RepeatOptions): void {
  document.getElementById("repeat-view")?.remove();
  const view = new RepeatView(options);
  view.open().catch((error: unknown) => {
    console.error(error);
  });
}

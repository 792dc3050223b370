// The live view's fitness chart: the engine's curve of letters right by generation (for the
// growing prefix, each generation's reach and the run's best), drawn as steps through the points
// the engine kept, so that nothing is drawn between two generations that the curve does not hold.
// Saved whole with its title, as a PNG from the chart's own canvas or as an SVG written from the
// same points.

import { figureText as tickText } from './texts.js';
import uPlot from './vendor/uplot.js';

/** A point of the engine's curve: generation, value, and the lowest and highest value of the
 * stretch it stands for. */
export type CurvePoint = [number, number, number, number];

export interface ChartTexts {
  prefix: boolean;
  length: number;
  lettersTitle: string;
  generationTitle: string;
  logTitle: string;
  seriesName: string;
  bestName: string;
  label: string;
  description: string;
}

/** Generations after which the generation axis turns logarithmic, as the window's does. */
const kLogAxisFromGeneration = 1000;
const kLine = '#1f5fbf';
const kBest = '#b04a00';
const kBand = 'rgba(31, 95, 191, 0.25)';
const kWholeSteps = [1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10_000, 20_000, 50_000, 100_000, 200_000, 500_000, 1e6, 2e6, 5e6, 1e7, 2e7, 5e7, 1e8, 2e8, 5e8, 1e9];
const kFont = '12px "Liberation Sans", Arial, sans-serif';

/** Ticks of a nice step between `low` and `high`, at most `most` of them. */
function niceTicks(low: number, high: number, most: number): number[] {
  const span = Math.max(high - low, 1);
  const raw = span / Math.max(most, 1);
  const power = 10 ** Math.floor(Math.log10(raw));
  const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw) ?? raw;
  const ticks: number[] = [];
  for (let v = Math.ceil(low / step) * step; v <= high + 1e-9; v += step) {
    ticks.push(Math.round(v * 1e6) / 1e6);
  }
  return ticks;
}

function decades(high: number): number[] {
  const ticks: number[] = [];
  for (let v = 1; v <= high * 1.0001; v *= 10) {
    ticks.push(v);
  }
  return ticks;
}

function escapeXml(text: string): string {
  return text.replace(/[<>&"]/g, (c) => ({ '<': '&lt;', '>': '&gt;', '&': '&amp;', '"': '&quot;' })[c] ?? c);
}

export class LiveChart {
  private plot: uPlot | null = null;
  private logarithmic = false;
  private curve: CurvePoint[] = [];
  private best: CurvePoint[] = [];
  private readonly holder: HTMLElement;
  private readonly caption: HTMLElement;
  private readonly legend: HTMLElement | null = null;
  private summary = '';
  private readonly resizing: ResizeObserver | null = null;
  private fitDue = false;

  constructor(
    private readonly box: HTMLElement,
    private texts: ChartTexts,
  ) {
    box.setAttribute('role', 'img');
    box.setAttribute('aria-label', texts.label);
    this.holder = document.createElement('div');
    this.holder.className = 'live-chart-plot';
    this.holder.setAttribute('aria-hidden', 'true');
    this.caption = document.createElement('p');
    this.caption.className = 'visually-hidden';
    this.caption.textContent = texts.description;
    box.append(this.holder);
    if (texts.prefix) {
      // The two curves' legend, under the plot.
      this.legend = document.createElement('p');
      this.legend.className = 'live-chart-legend';
      this.legend.setAttribute('aria-hidden', 'true');
      this.writeLegend();
      box.append(this.legend);
    }
    box.append(this.caption);
    box.setAttribute('aria-describedby', this.caption.id = `${box.id || 'chart'}-summary`);
    // The layout decides the chart's size: it follows its box as the view's parts come and go.
    if (typeof ResizeObserver === 'function') {
      this.resizing = new ResizeObserver(() => {
        if (!this.fitDue) {
          this.fitDue = true;
          requestAnimationFrame(() => {
            this.fitDue = false;
            this.fit();
          });
        }
      });
      this.resizing.observe(this.holder);
    }
  }

  private writeLegend(): void {
    if (this.legend === null) {
      return;
    }
    this.legend.replaceChildren();
    for (const [name, kind] of [
      [this.texts.seriesName, 'solid'],
      [this.texts.bestName, 'dashed'],
    ]) {
      const swatch = document.createElement('span');
      swatch.className = `live-chart-swatch ${kind}`;
      this.legend.append(swatch, ` ${name}`);
    }
  }

  /** Shows the chart's titles and names as `texts` has them, as after a change of language. */
  setTexts(texts: ChartTexts): void {
    this.texts = texts;
    this.writeLegend();
    this.setSummary(this.summary);
    if (this.plot !== null) {
      this.plot.destroy();
      this.plot = this.make();
    }
  }

  private size(): { width: number; height: number } {
    const width = Math.max(200, Math.floor(this.holder.clientWidth || this.box.clientWidth || 400));
    const height = Math.max(120, Math.floor(this.holder.clientHeight || 200));
    return { width, height };
  }

  private make(): uPlot {
    const { width, height } = this.size();
    // A point stands for the generations since the one before it: each step ends at its point.
    const stepped = uPlot.paths.stepped?.({ align: -1 });
    const top = Math.max(this.texts.length, 1);
    // The lowest and highest value of each thinned stretch, as a band about the curve: a long
    // run keeps its whole range however coarse its old part has become.
    const edge = { stroke: 'transparent', width: 0, paths: stepped, spanGaps: true, points: { show: false } };
    const series: uPlot.Series[] = [
      {},
      { label: this.texts.seriesName, stroke: kLine, width: 2, paths: stepped, spanGaps: true, points: { show: false } },
      { ...edge, label: 'lowest' },
      { ...edge, label: 'highest' },
    ];
    if (this.texts.prefix) {
      series.push({
        label: this.texts.bestName,
        stroke: kBest,
        width: 2,
        dash: [6, 4],
        paths: stepped,
        spanGaps: true,
        points: { show: false },
      });
    }
    const options: uPlot.Options = {
      width,
      height,
      bands: [{ series: [3, 2], fill: kBand }],
      legend: { show: false },
      cursor: { show: false },
      select: { show: false, left: 0, top: 0, width: 0, height: 0 },
      scales: {
        x: this.logarithmic ? { time: false, distr: 3, log: 10 } : { time: false },
        y: { range: [0, top] },
      },
      axes: [
        {
          label: this.logarithmic ? this.texts.logTitle : this.texts.generationTitle,
          font: kFont,
          labelFont: kFont,
          // Generations are whole: no tick between two of them.
          incrs: this.logarithmic ? undefined : kWholeSteps,
          values: (_plot, ticks) => ticks.map(tickText),
        },
        { label: this.texts.lettersTitle, font: kFont, labelFont: kFont, incrs: kWholeSteps, values: (_plot, ticks) => ticks.map(tickText) },
      ],
      series,
    };
    return new uPlot(options, this.data(), this.holder);
  }

  /** The curves as the chart's columns: the generations both hold, each curve empty where it
   * has no point. */
  private data(): uPlot.AlignedData {
    // Both curves' points in order of generation, each in a row of its own: a step's corner
    // shares its generation with the point after it, and both are kept.
    const x = (generation: number): number => (this.logarithmic ? Math.max(generation, 1) : generation);
    const xs: number[] = [];
    const value: (number | null)[] = [];
    const lowest: (number | null)[] = [];
    const highest: (number | null)[] = [];
    const best: (number | null)[] = [];
    let i = 0;
    let j = 0;
    while (i < this.curve.length || j < this.best.length) {
      const fromCurve = j >= this.best.length || (i < this.curve.length && this.curve[i][0] <= this.best[j][0]);
      if (fromCurve) {
        const [generation, matched, low, high] = this.curve[i++];
        xs.push(x(generation));
        value.push(matched);
        lowest.push(low);
        highest.push(high);
        best.push(null);
      } else {
        const [generation, matched] = this.best[j++];
        xs.push(x(generation));
        value.push(null);
        lowest.push(null);
        highest.push(null);
        best.push(matched);
      }
    }
    const columns = this.texts.prefix ? [value, lowest, highest, best] : [value, lowest, highest];
    return [xs, ...columns] as uPlot.AlignedData;
  }

  setCurves(curve: CurvePoint[], best: CurvePoint[]): void {
    this.curve = curve;
    this.best = best;
    const last = Math.max(curve[curve.length - 1]?.[0] ?? 0, best[best.length - 1]?.[0] ?? 0);
    if (!this.logarithmic && last > kLogAxisFromGeneration) {
      this.logarithmic = true;
      this.plot?.destroy();
      this.plot = null;
    }
    if (this.plot === null) {
      this.plot = this.make();
    } else {
      this.plot.setData(this.data());
    }
  }

  /** Fits the chart to its box, as the view's layout changes. */
  fit(): void {
    if (this.plot === null) {
      this.plot = this.make();
      return;
    }
    const { width, height } = this.size();
    if (width !== this.plot.width || height !== this.plot.height) {
      this.plot.setSize({ width, height });
    }
  }

  setSummary(summary: string): void {
    this.summary = summary;
    this.caption.textContent = `${this.texts.description} ${summary}`;
    this.box.setAttribute('aria-label', `${this.texts.label}. ${summary}`);
  }

  get summaryText(): string {
    return this.summary;
  }

  destroy(): void {
    this.resizing?.disconnect();
    this.plot?.destroy();
    this.plot = null;
  }

  /** The chart under `title`, as a PNG of the canvas the chart is drawn on. */
  async png(title: string): Promise<Blob> {
    const plot = this.plot ?? this.make();
    const source = plot.ctx.canvas;
    const ratio = source.width / Math.max(plot.width, 1);
    const titleHeight = Math.round(32 * ratio);
    const legendHeight = this.texts.prefix ? Math.round(22 * ratio) : 0;
    const canvas = document.createElement('canvas');
    canvas.width = source.width;
    canvas.height = source.height + titleHeight + legendHeight;
    const ctx = canvas.getContext('2d') as CanvasRenderingContext2D;
    ctx.fillStyle = '#ffffff';
    ctx.fillRect(0, 0, canvas.width, canvas.height);
    ctx.fillStyle = '#000000';
    ctx.font = `bold ${Math.round(14 * ratio)}px "Liberation Sans", Arial, sans-serif`;
    ctx.textBaseline = 'middle';
    ctx.textAlign = 'center';
    ctx.fillText(title, canvas.width / 2, titleHeight / 2, canvas.width - 10 * ratio);
    ctx.drawImage(source, 0, titleHeight);
    if (this.texts.prefix) {
      ctx.font = `${Math.round(12 * ratio)}px "Liberation Sans", Arial, sans-serif`;
      ctx.textAlign = 'left';
      const y = titleHeight + source.height + legendHeight / 2;
      let x = 20 * ratio;
      for (const [name, colour] of [
        [this.texts.seriesName, kLine],
        [this.texts.bestName, kBest],
      ]) {
        ctx.fillStyle = colour;
        ctx.fillRect(x, y - ratio, 24 * ratio, 3 * ratio);
        ctx.fillStyle = '#000000';
        ctx.fillText(name, x + 30 * ratio, y);
        x += (40 + ctx.measureText(name).width / ratio + 20) * ratio;
      }
    }
    return new Promise((resolve, reject) =>
      canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no PNG'))), 'image/png'),
    );
  }

  /** The chart under `title` as an SVG drawing, written from the same points as it shows. */
  svg(title: string): Blob {
    const plot = this.plot ?? this.make();
    const width = plot.width;
    const titleHeight = 32;
    const legendHeight = this.texts.prefix ? 22 : 0;
    const height = plot.height + titleHeight + legendHeight;
    const ratio = plot.ctx.canvas.width / Math.max(plot.width, 1);
    const box = {
      left: plot.bbox.left / ratio,
      top: plot.bbox.top / ratio + titleHeight,
      width: plot.bbox.width / ratio,
      height: plot.bbox.height / ratio,
    };
    const xMin = plot.scales.x.min ?? 0;
    const xMax = plot.scales.x.max ?? 1;
    const yMax = Math.max(this.texts.length, 1);
    const xAt = (g: number): number => box.left + plot.valToPos(this.logarithmic ? Math.max(g, 1) : g, 'x');
    const yAt = (v: number): number => box.top + plot.valToPos(v, 'y');
    const parts: string[] = [
      `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}" font-family="Liberation Sans, Arial, sans-serif" font-size="12">`,
      `<title>${escapeXml(title)}</title>`,
      `<rect width="${width}" height="${height}" fill="#ffffff"/>`,
      `<text x="${width / 2}" y="${titleHeight / 2 + 5}" text-anchor="middle" font-weight="bold" font-size="14">${escapeXml(title)}</text>`,
      `<rect x="${box.left}" y="${box.top}" width="${box.width}" height="${box.height}" fill="none" stroke="#888888"/>`,
    ];
    const xTicks = this.logarithmic ? decades(xMax) : niceTicks(xMin, xMax, 8);
    for (const tick of xTicks) {
      if (tick < xMin - 1e-9 || tick > xMax + 1e-9) {
        continue;
      }
      const x = xAt(tick).toFixed(1);
      parts.push(
        `<line x1="${x}" y1="${box.top}" x2="${x}" y2="${box.top + box.height}" stroke="#e4e4e4"/>`,
        `<text x="${x}" y="${box.top + box.height + 16}" text-anchor="middle">${tickText(tick)}</text>`,
      );
    }
    for (const tick of niceTicks(0, yMax, 8)) {
      const y = yAt(tick).toFixed(1);
      parts.push(
        `<line x1="${box.left}" y1="${y}" x2="${box.left + box.width}" y2="${y}" stroke="#e4e4e4"/>`,
        `<text x="${box.left - 6}" y="${Number(y) + 4}" text-anchor="end">${tickText(tick)}</text>`,
      );
    }
    parts.push(
      `<text x="${box.left + box.width / 2}" y="${box.top + box.height + 34}" text-anchor="middle" font-weight="bold">${escapeXml(this.logarithmic ? this.texts.logTitle : this.texts.generationTitle)}</text>`,
      `<text transform="translate(14 ${box.top + box.height / 2}) rotate(-90)" text-anchor="middle" font-weight="bold">${escapeXml(this.texts.lettersTitle)}</text>`,
    );
    // Steps through the kept points: each point's value holds over the generations since the one
    // before it.
    const path = (points: CurvePoint[]): string => {
      let d = '';
      let previous: CurvePoint | null = null;
      for (const point of points) {
        const x = xAt(point[0]).toFixed(2);
        const y = yAt(point[1]).toFixed(2);
        if (previous === null) {
          d += `M${x} ${y}`;
        } else {
          d += `V${y}H${x}`;
        }
        previous = point;
      }
      return d;
    };
    if (this.curve.some((point) => point[2] !== point[3])) {
      const upper = path(this.curve.map(([g, , , high]) => [g, high, high, high] as CurvePoint));
      const lower = [...this.curve]
        .reverse()
        .map(([g, , low], i, all) => `V${yAt(low).toFixed(2)}H${xAt(all[i + 1]?.[0] ?? g).toFixed(2)}`)
        .join('');
      parts.push(`<path d="${upper}${lower}Z" fill="${kBand}" stroke="none"/>`);
    }
    parts.push(`<path d="${path(this.curve)}" fill="none" stroke="${kLine}" stroke-width="2"/>`);
    if (this.texts.prefix) {
      parts.push(`<path d="${path(this.best)}" fill="none" stroke="${kBest}" stroke-width="2" stroke-dasharray="6 4"/>`);
      const y = height - legendHeight / 2;
      parts.push(
        `<line x1="20" y1="${y}" x2="44" y2="${y}" stroke="${kLine}" stroke-width="3"/>`,
        `<text x="50" y="${y + 4}">${escapeXml(this.texts.seriesName)}</text>`,
        `<line x1="${width / 2}" y1="${y}" x2="${width / 2 + 24}" y2="${y}" stroke="${kBest}" stroke-width="3" stroke-dasharray="6 4"/>`,
        `<text x="${width / 2 + 30}" y="${y + 4}">${escapeXml(this.texts.bestName)}</text>`,
      );
    }
    parts.push('</svg>');
    return new Blob([parts.join('\n')], { type: 'image/svg+xml' });
  }
}

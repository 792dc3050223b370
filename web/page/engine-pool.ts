// A batch of Repeat runs shared over a worker per core, as the lab shares one over its threads:
// the runs go out in ranges, in run order, to whichever worker is free, and come back merged in
// run order. A run's figures depend on the seed and its number alone, so the merged batch is
// the one a single worker would make. Cancelled, the batch keeps what every range had finished;
// the engine cuts that back to the runs before the first one left unfinished.

import type { State } from "./engine-core.js";
import type { TaskRequest, WorkerMessage } from "./engine-tasks.js";
import type { RepeatRange } from "./repeat-worker.js";

export interface PoolBatch {
  target: string;
  /** Bit n - 1 for scheme n. */
  schemes: number;
  schemeCount: number;
  seed: State;
  runs: number;
}

/** The merged records: each scheme's `runs` records in table order, four numbers each. */
export interface PoolResult {
  records: Float64Array;
  strings: Uint8Array;
  cancelled: boolean;
}

export interface PoolRun {
  readonly ended: Promise<PoolResult>;
  cancel(): void;
}

/** How long a cancelled worker has to hand back its range before it is ended. */
const kAnswerWithin = 1500;

/** Workers for a batch: one per core, at least one, no more than there are runs. */
export function poolSize(runs: number): number {
  const cores = Math.max(1, Math.floor(navigator.hardwareConcurrency || 1));
  return Math.max(1, Math.min(cores, runs));
}

/** Starts `batch`; `progress` hears the runs done over every worker. */
export function runPool(batch: PoolBatch, progress: (done: number) => void, workers = poolSize(batch.runs)): PoolRun {
  const token = URL.createObjectURL(new Blob(["wanted"]));
  // Ranges of a few per worker, so that a worker that drew quick runs takes more of them.
  const size = Math.max(1, Math.ceil(batch.runs / (workers * 4)));
  const ranges: { first: number; count: number }[] = [];
  for (let first = 0; first < batch.runs; first += size) {
    ranges.push({ first, count: Math.min(size, batch.runs - first) });
  }
  const length = batch.target.length;
  const records = new Float64Array(batch.runs * batch.schemeCount * 4);
  const strings = new Uint8Array(batch.runs * batch.schemeCount * length);
  let next = 0;
  let finishedRuns = 0;
  let cancelled = false;
  const inFlight = new Map<Worker, number>();
  const started: Worker[] = [];
  let settle: (result: PoolResult) => void = () => {};
  let settled = false;
  const ended = new Promise<PoolResult>((resolve) => {
    settle = (result) => {
      if (settled) return;
      settled = true;
      for (const worker of started) worker.terminate();
      URL.revokeObjectURL(token);
      resolve(result);
    };
  });
  const finish = (): void => {
    if (inFlight.size === 0 && (cancelled || next >= ranges.length)) {
      settle({ records, strings, cancelled });
    }
  };
  const place = (range: RepeatRange): void => {
    // A range holds each scheme's records in turn; the batch holds each scheme's whole runs.
    for (let s = 0; s < batch.schemeCount; ++s) {
      const from = s * range.count;
      const to = s * batch.runs + range.first;
      records.set(range.records.subarray(from * 4, (from + range.count) * 4), to * 4);
      strings.set(range.strings.subarray(from * length, (from + range.count) * length), to * length);
    }
  };
  const give = (worker: Worker): void => {
    if (cancelled || next >= ranges.length) {
      finish();
      return;
    }
    const index = next++;
    const range = ranges[index];
    inFlight.set(worker, 0);
    const request: TaskRequest = {
      kind: "repeat",
      token,
      target: batch.target,
      schemes: batch.schemes,
      seed: batch.seed,
      first: range.first,
      count: range.count,
    };
    worker.postMessage(request);
  };
  const report = (): void => {
    let done = finishedRuns;
    for (const runs of inFlight.values()) done += runs;
    progress(done);
  };
  for (let w = 0; w < Math.min(workers, ranges.length); ++w) {
    const worker = new Worker(new URL("./engine-worker.js", import.meta.url), { type: "module" });
    started.push(worker);
    worker.onmessage = (event: MessageEvent<WorkerMessage>) => {
      const message = event.data;
      if (settled) return;
      if (message.kind === "repeat") {
        inFlight.set(worker, message.done);
        report();
      } else if (message.kind === "done") {
        const range = message.answer as RepeatRange;
        place(range);
        for (let i = 0; i < range.count * batch.schemeCount; ++i) {
          finishedRuns += range.records[i * 4] !== 0 ? 1 : 0;
        }
        inFlight.delete(worker);
        report();
        give(worker);
      } else if (message.kind === "failed") {
        cancelled = true;
        inFlight.delete(worker);
        finish();
      }
    };
    worker.onerror = (event: ErrorEvent) => {
      event.preventDefault();
      cancelled = true;
      inFlight.delete(worker);
      finish();
    };
    give(worker);
  }
  finish();
  return {
    ended,
    cancel: () => {
      if (cancelled) return;
      cancelled = true;
      URL.revokeObjectURL(token);
      finish();
      // A worker deep in one long run is ended; its range stays unfinished.
      setTimeout(() => {
        inFlight.clear();
        finish();
      }, kAnswerWithin);
    },
  };
}

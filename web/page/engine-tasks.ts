// What the page asks its worker and what the worker answers.

import type { State } from "./engine-core.js";

/** What every request carries: the address the worker asks, at each report, whether the page
 * still wants the work. The page revokes it to cancel, and the work stops as it would in the
 * window: after the string or generation it is in, its figures and log whole. */
interface Wanted {
  token: string;
}

export type TaskRequest = Wanted &
  (
  | { kind: "measure"; state: State; length: number }
  | { kind: "rate"; scheme: number; target: string; first: string; state: State }
  | { kind: "trial"; state: State; target: string; asked: number; stoppedClock: boolean }
  | {
      kind: "run";
      scheme: number;
      target: string;
      first: string;
      state: State;
      logged: boolean;
    }
  | {
      kind: "live";
      scheme: number;
      target: string;
      first: string;
      state: State;
      logged: boolean;
      /** The live view's control words (`LiveControl`), or null where the page cannot share
       * memory with its workers: then the run goes at full speed and is cancelled by its token. */
      control: SharedArrayBuffer | null;
    }
  );

export interface TrialProgress {
  kind: "trial";
  made: number;
  best: string;
  count: number;
}

export interface RunProgress {
  kind: "run";
  generation: number;
  strings: number;
  matched: number;
  length: number;
  seconds: number;
  parent: string;
  final: boolean;
  /** The bytes of whole lines in the log when this was reported. */
  logBytes: number;
}

/** A report of a run the live view watches: the engine's JSON text, read by the page. */
export interface LiveProgress {
  kind: "live";
  report: string;
}

export type WorkerMessage =
  | TrialProgress
  | RunProgress
  | LiveProgress
  | { kind: "done"; answer: unknown }
  | { kind: "failed"; message: string }
  | { kind: "logBusy"; message: string };

/** How a piece of work ended. */
export type TaskEnd<T> =
  | { kind: "done"; answer: T }
  | { kind: "cancelled" }
  | { kind: "failed"; message: string }
  | { kind: "logBusy"; message: string };

/** A piece of work under way in a worker of its own. */
export interface Task<T> {
  readonly ended: Promise<TaskEnd<T>>;
  /** Asks the work to stop; it answers with what it reached. A worker that does not answer
   * within moments is ended, and `ended` settles as cancelled. */
  cancel(): void;
  /** Ends the worker at once; `ended` settles as cancelled. */
  end(): void;
}

/** How long a cancelled worker has to answer before it is ended. */
const kAnswerWithin = 1500;

/** The request as the page writes it: the worker's token is added here. */
export type TaskAsk = TaskRequest extends infer R ? (R extends Wanted ? Omit<R, "token"> : never) : never;

/** Starts `request` in a new worker; `progress` hears every report. */
export function startTask<T>(
  ask: TaskAsk,
  progress: (message: TrialProgress | RunProgress | LiveProgress) => void = () => {},
): Task<T> {
  const worker = new Worker(new URL("./engine-worker.js", import.meta.url), { type: "module" });
  const token = URL.createObjectURL(new Blob(["wanted"]));
  const request = { ...ask, token } as TaskRequest;
  let settle: (end: TaskEnd<T>) => void = () => {};
  let settled = false;
  const ended = new Promise<TaskEnd<T>>((resolve) => {
    settle = (end) => {
      if (!settled) {
        settled = true;
        worker.terminate();
        URL.revokeObjectURL(token);
        resolve(end);
      }
    };
  });
  worker.onmessage = (event: MessageEvent<WorkerMessage>) => {
    const message = event.data;
    if (message.kind === "trial" || message.kind === "run" || message.kind === "live") {
      if (!settled) {
        progress(message);
      }
    } else if (message.kind === "done") {
      settle({ kind: "done", answer: message.answer as T });
    } else {
      settle(message);
    }
  };
  worker.onerror = (event: ErrorEvent) => {
    event.preventDefault();
    settle({ kind: "failed", message: event.message || "the worker stopped" });
  };
  worker.postMessage(request);
  return {
    ended,
    cancel: () => {
      URL.revokeObjectURL(token);
      setTimeout(() => settle({ kind: "cancelled" }), kAnswerWithin);
    },
    end: () => settle({ kind: "cancelled" }),
  };
}

// The live view's control of a run ------------------------------------------------------------

/** The words of the block the live view shares with its run's worker. Every change bumps
 * `Changes` and wakes a run held on it. */
export enum LiveWord {
  Changes = 0,
  Paused = 1,
  /** Generations granted by Step while paused, not yet run. */
  Steps = 2,
  /** Generations a second; 0 for full speed. */
  Speed = 3,
  Cancelled = 4,
  /** Set by the worker while the run waits, paused, for Resume or Step. */
  Holding = 5,
  /** The generation the run last reported, as the worker saw it. */
  Reported = 6,
}

const kLiveWords = 8;

/** Pause, Step, Speed and Cancel of a watched run, on memory shared with its worker: a held run
 * waits in `Atomics.wait`, costing no CPU, until a change wakes it. */
export class LiveControl {
  readonly words: Int32Array;

  constructor(readonly buffer: SharedArrayBuffer = new SharedArrayBuffer(kLiveWords * 4)) {
    this.words = new Int32Array(buffer);
  }

  /** Whether this browser lets the page share memory with its workers. */
  static available(): boolean {
    return typeof SharedArrayBuffer === "function" && globalThis.crossOriginIsolated === true;
  }

  private changed(): void {
    Atomics.add(this.words, LiveWord.Changes, 1);
    Atomics.notify(this.words, LiveWord.Changes);
  }

  setPaused(on: boolean): void {
    Atomics.store(this.words, LiveWord.Steps, 0);
    Atomics.store(this.words, LiveWord.Paused, on ? 1 : 0);
    this.changed();
  }

  paused(): boolean {
    return Atomics.load(this.words, LiveWord.Paused) !== 0;
  }

  /** One more generation while paused; presses add up. */
  step(): void {
    if (this.paused()) {
      Atomics.add(this.words, LiveWord.Steps, 1);
      this.changed();
    }
  }

  setSpeed(generationsPerSecond: number): void {
    Atomics.store(this.words, LiveWord.Speed, Math.max(0, Math.round(generationsPerSecond)));
    this.changed();
  }

  cancel(): void {
    Atomics.store(this.words, LiveWord.Cancelled, 1);
    this.changed();
  }

  holding(): boolean {
    return Atomics.load(this.words, LiveWord.Holding) !== 0;
  }
}

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
      kind: "repeat";
      target: string;
      /** Bit n - 1 for scheme n. */
      schemes: number;
      seed: State;
      first: number;
      count: number;
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

/** Runs of a Repeat range done so far. */
export interface RepeatProgress {
  kind: "repeat";
  done: number;
}

export type WorkerMessage =
  | TrialProgress
  | RunProgress
  | RepeatProgress
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
  progress: (message: TrialProgress | RunProgress | RepeatProgress) => void = () => {},
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
    if (message.kind === "trial" || message.kind === "run" || message.kind === "repeat") {
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

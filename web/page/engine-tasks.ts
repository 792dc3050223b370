// What the page asks its worker and what the worker answers.

import type { State } from "./engine-core.js";

export type TaskRequest =
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
    };

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
}

export type WorkerMessage =
  | TrialProgress
  | RunProgress
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
  /** Ends the worker at once; `ended` then settles as cancelled. */
  cancel(): void;
}

/** Starts `request` in a new worker; `progress` hears every report. */
export function startTask<T>(
  request: TaskRequest,
  progress: (message: TrialProgress | RunProgress) => void = () => {},
): Task<T> {
  const worker = new Worker(new URL("./engine-worker.js", import.meta.url), { type: "module" });
  let settle: (end: TaskEnd<T>) => void = () => {};
  let settled = false;
  const ended = new Promise<TaskEnd<T>>((resolve) => {
    settle = (end) => {
      if (!settled) {
        settled = true;
        worker.terminate();
        resolve(end);
      }
    };
  });
  worker.onmessage = (event: MessageEvent<WorkerMessage>) => {
    const message = event.data;
    if (message.kind === "trial" || message.kind === "run") {
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
  return { ended, cancel: () => settle({ kind: "cancelled" }) };
}

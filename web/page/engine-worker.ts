/// <reference lib="webworker" />
// The worker that runs one piece of long work (Step Two's second, Step Three's trial, Step Four's
// run and its rate) and reports its progress, so that the page answers input all the while. The
// page ends the worker to cancel; what the worker had reported is what the page keeps.

import { Engine, fromLatin1, loadModule, type EngineModule } from "./engine-core.js";
import type { TaskRequest, WorkerMessage } from "./engine-tasks.js";
import { runLive } from "./live-worker.js";

declare const self: DedicatedWorkerGlobalScope;

const logName = "generation.log";

function post(message: WorkerMessage): void {
  self.postMessage(message);
}

/** Whether the page still wants the work: its token answers until the page revokes it. A
 * synchronous request, since the work holds the worker's only thread until it returns. */
function stillWanted(token: string): boolean {
  try {
    const request = new XMLHttpRequest();
    request.open("GET", token, false);
    request.send();
    return request.status === 200;
  } catch {
    return false;
  }
}

/** The generation log in the page's own storage, written as the run goes. */
async function openLog(module: EngineModule): Promise<void> {
  const root = await navigator.storage.getDirectory();
  const file = await root.getFileHandle(logName, { create: true });
  const handle = await (
    file as FileSystemFileHandle & {
      createSyncAccessHandle(): Promise<{
        write(data: Uint8Array, options: { at: number }): number;
        truncate(size: number): void;
        flush(): void;
        close(): void;
      }>;
    }
  ).createSyncAccessHandle();
  let offset = 0;
  const fault = (error: unknown): number =>
    error instanceof DOMException && error.name === "QuotaExceededError" ? 1 : 2;
  module.logBegin = () => {
    try {
      handle.truncate(0);
      offset = 0;
      return 0;
    } catch (error) {
      return fault(error);
    }
  };
  // The bytes written, fewer when the storage is full, or -1 when the write was refused.
  module.logAppend = (bytes: Uint8Array) => {
    try {
      const written = handle.write(bytes, { at: offset });
      offset += written;
      return written;
    } catch (error) {
      return fault(error) === 1 ? 0 : -1;
    }
  };
  module.logCut = (size: number) => {
    try {
      handle.truncate(size);
      offset = size;
      return 0;
    } catch (error) {
      return fault(error);
    }
  };
  module.logEnd = () => {
    try {
      handle.flush();
      handle.close();
      return 0;
    } catch (error) {
      return fault(error);
    }
  };
}

async function perform(request: TaskRequest): Promise<void> {
  const module = await loadModule(new URL("../engine", import.meta.url).href);
  const engine = new Engine(module);
  switch (request.kind) {
    case "measure": {
      post({ kind: "done", answer: engine.measure(request.state, request.length) });
      return;
    }
    case "rate": {
      const rate = engine.generationRate(
        request.scheme,
        request.target,
        request.first,
        request.state,
      );
      post({ kind: "done", answer: { rate } });
      return;
    }
    case "trial": {
      module.onTrial = (made: number, best: Uint8Array, count: number) => {
        post({ kind: "trial", made, best: fromLatin1(best), count });
        return stillWanted(request.token) ? 1 : 0;
      };
      post({
        kind: "done",
        answer: engine.trial(request.state, request.target, request.asked, request.stoppedClock),
      });
      return;
    }
    case "run": {
      if (request.logged) {
        try {
          await openLog(module);
        } catch (error) {
          post({ kind: "logBusy", message: String(error) });
          return;
        }
      }
      module.onRun = (
        generation: number,
        strings: number,
        matched: number,
        length: number,
        seconds: number,
        parent: Uint8Array,
        final: boolean,
        logBytes: number,
      ) => {
        post({
          kind: "run",
          generation,
          strings,
          matched,
          length,
          seconds,
          parent: fromLatin1(parent),
          final,
          logBytes,
        });
        return stillWanted(request.token) ? 1 : 0;
      };
      post({
        kind: "done",
        answer: engine.run(
          request.scheme,
          request.target,
          request.first,
          request.state,
          request.logged,
        ),
      });
      return;
    }
    case "live": {
      if (request.logged) {
        try {
          await openLog(module);
        } catch (error) {
          post({ kind: "logBusy", message: String(error) });
          return;
        }
      }
      post({
        kind: "done",
        answer: runLive(module, engine, request, post, () => stillWanted(request.token)),
      });
      return;
    }
  }
}

self.onmessage = (event: MessageEvent<TaskRequest>) => {
  perform(event.data).catch((error: unknown) => {
    post({ kind: "failed", message: error instanceof Error ? error.message : String(error) });
  });
};

// The worker's half of the live view: runs a watched "Step Four" run and holds it, paused or
// slowed, inside the engine's report with Atomics.wait on the block it shares with the page, so
// that a held run costs no CPU and computes exactly what it computes at full speed.

import type { Engine, EngineModule } from "./engine-core.js";
import { LiveWord, type TaskRequest, type WorkerMessage } from "./engine-tasks.js";

type LiveRequest = Extract<TaskRequest, { kind: "live" }>;

const kCancelled = 1;
const kWatched = 2;
/** Past this long a wait is renewed, so that a page gone for good cannot hold the worker. */
const kLongestWait = 1000;

const asciiDecoder = new TextDecoder("ascii");

/** Runs `request` with its reports posted as they come; answers the engine's answer. */
export function runLive(
  module: EngineModule,
  engine: Engine,
  request: LiveRequest,
  post: (message: WorkerMessage) => void,
  stillWanted: () => boolean,
): unknown {
  const words = request.control !== null ? new Int32Array(request.control) : null;
  // When the last held generation was let go, for the pace of slow motion.
  let lastRelease = performance.now();
  let pacing = false;

  module.liveControl = () => {
    if (words === null) {
      return 0;
    }
    let bits = Atomics.load(words, LiveWord.Cancelled) !== 0 ? kCancelled : 0;
    if (Atomics.load(words, LiveWord.Paused) !== 0 || Atomics.load(words, LiveWord.Speed) > 0) {
      bits |= kWatched;
    }
    return bits;
  };

  /** Waits until the run's turn comes; false once the page has cancelled it. */
  const hold = (control: Int32Array): boolean => {
    if (!pacing) {
      pacing = true;
      lastRelease = performance.now();
    }
    for (;;) {
      const seen = Atomics.load(control, LiveWord.Changes);
      if (Atomics.load(control, LiveWord.Cancelled) !== 0) {
        return false;
      }
      if (Atomics.load(control, LiveWord.Paused) !== 0) {
        if (Atomics.load(control, LiveWord.Steps) > 0) {
          Atomics.sub(control, LiveWord.Steps, 1);
          Atomics.store(control, LiveWord.Holding, 0);
          lastRelease = performance.now();
          return true;
        }
        Atomics.store(control, LiveWord.Holding, 1);
        Atomics.wait(control, LiveWord.Changes, seen, kLongestWait);
        continue;
      }
      Atomics.store(control, LiveWord.Holding, 0);
      const speed = Atomics.load(control, LiveWord.Speed);
      if (speed <= 0) {
        pacing = false;
        return true;
      }
      const period = 1000 / speed;
      const release = lastRelease + period;
      const now = performance.now();
      if (now >= release) {
        // Keep to the schedule when the wake-up came a little late; a generation slower than a
        // whole period (or a pause) starts the schedule again from now.
        lastRelease = now - release < period ? release : now;
        return true;
      }
      Atomics.wait(control, LiveWord.Changes, seen, Math.min(release - now, kLongestWait));
    }
  };

  module.onLive = (json: Uint8Array, held: boolean) => {
    const report = asciiDecoder.decode(json);
    if (words !== null) {
      const generation = /"generation":(\d+)/.exec(report);
      Atomics.store(words, LiveWord.Reported, generation ? Number(generation[1]) : 0);
    }
    post({ kind: "live", report });
    if (words === null) {
      return stillWanted() ? 1 : 0;
    }
    if (!held) {
      pacing = false;
      return Atomics.load(words, LiveWord.Cancelled) !== 0 ? 0 : 1;
    }
    return hold(words) ? 1 : 0;
  };

  return engine.liveRun(request.scheme, request.target, request.first, request.state, request.logged);
}

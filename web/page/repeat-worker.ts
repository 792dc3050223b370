// The Repeat view's share of a batch in one worker: a range of its runs, run by the engine,
// handed back as arrays (four numbers a record, and the first strings' bytes) that the page
// merges in run order. The worker keeps its engine for the next range it is given.

import { Engine, latin1, loadModule, type EngineModule, type State } from "./engine-core.js";
import type { WorkerMessage } from "./engine-tasks.js";

export interface RepeatRequest {
  target: string;
  schemes: number;
  seed: State;
  first: number;
  count: number;
}

/** A range's records: per scheme in table order, `count` records each. */
export interface RepeatRange {
  first: number;
  count: number;
  records: Float64Array;
  strings: Uint8Array;
  cancelled: boolean;
}

let loaded: Promise<EngineModule> | null = null;

function engineModule(): Promise<EngineModule> {
  loaded ??= loadModule(new URL("../engine", import.meta.url).href);
  return loaded;
}

/** Runs the range, reporting runs done; `wanted` says whether the page still wants them. */
export async function runRepeatRange(
  request: RepeatRequest,
  post: (message: WorkerMessage) => void,
  wanted: () => boolean,
): Promise<void> {
  const module = await engineModule();
  const engine = new Engine(module);
  module.onRepeat = (done: number) => {
    post({ kind: "repeat", done });
    return wanted() ? 1 : 0;
  };
  const answer = engine.raw(
    "repeat_runs",
    request.target,
    request.schemes,
    request.seed.high,
    request.seed.low,
    request.first,
    request.count,
  );
  const schemes = countBits(request.schemes);
  const records = request.count * schemes;
  const numbers = answer.records as number;
  const strings = answer.strings as number;
  const length = latin1(request.target).length;
  const range: RepeatRange = {
    first: request.first,
    count: request.count,
    records: new Float64Array(module.HEAPU8.buffer.slice(numbers, numbers + records * 32)),
    strings: module.HEAPU8.slice(strings, strings + records * length),
    cancelled: answer.cancelled as boolean,
  };
  module._free(numbers);
  module._free(strings);
  post({ kind: "done", answer: range });
}

export function countBits(mask: number): number {
  let bits = 0;
  for (let m = mask; m !== 0; m >>>= 1) {
    bits += m & 1;
  }
  return bits;
}

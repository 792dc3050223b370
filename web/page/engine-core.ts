// The engine compiled to WebAssembly, as the page and its worker call it. Every figure and every
// string of letters comes from there: this file only carries texts in and answers out.

/** The parts of the compiled module the page uses. */
export interface EngineModule {
  HEAPU8: Uint8Array;
  _malloc(size: number): number;
  _free(pointer: number): void;
  [name: string]: unknown;
}

/** A 64-bit generator state or seed, as its two 32-bit halves. */
export interface State {
  high: number;
  low: number;
}

export interface SchemeRow {
  number: number;
  key: string;
  caption: string;
  rule: string;
  helpTopic: number;
  law: "lockedLetter" | "growingPrefix";
  firstString: "anyLength" | "targetLength";
  colour: number;
}

export interface SearchSpaceTexts {
  stringsPerSecond: string;
  distinctStrings: string;
  seconds: string;
  days: string;
  years: string;
}

export interface RunCheck {
  problem?: "noScheme" | "foreignSymbol" | "firstStringTooLong" | "firstStringTooShort";
  text?: "target" | "firstString";
  position?: number;
  positionText?: string;
  firstLength: string;
  targetLength: string;
  mayAsk: boolean;
}

export interface Duration {
  phrase: string;
  figure: string;
}

export interface LongRunFigures {
  chanceAsShare: boolean;
  chance: string;
  mean: string;
  half: string;
  nine: string;
  strings: string;
  log: string;
  logBytes: number;
  hasSeconds: boolean;
  seconds: Duration;
  atPace: Duration;
  pace: string;
  long: boolean;
}

export interface TrialAnswer {
  bestString: string;
  bestCount: string;
  stringsMade: number;
  stringsMadeGrouped: string;
  /** The page cancelled it before it made every string asked. */
  cancelled: boolean;
  seconds: string;
  state: State;
}

export interface RunAnswer {
  outcome: "matched" | "cancelled" | "logFailed" | "invalidInput";
  timeLength: string;
  numMutations: string;
  numMutationsGrouped: string;
  numTotal: string;
  logError: string;
  logBytes: number;
  state: State;
}

/** The page's text as the engine's one-byte strings: a character beyond Latin-1 becomes "?". */
export function latin1(text: string): Uint8Array {
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) {
    const code = text.charCodeAt(i);
    bytes[i] = code < 256 ? code : 0x3f;
  }
  return bytes;
}

const asciiDecoder = new TextDecoder("ascii");

/** The engine's one-byte string as text. */
export function fromLatin1(bytes: Uint8Array): string {
  // Plain ASCII, as every answer and nearly every string is, decodes at once ("ascii" is
  // windows-1252 to a decoder, which differs from Latin-1 only above 127).
  if (bytes.every((byte) => byte < 0x80)) {
    return asciiDecoder.decode(bytes);
  }
  let text = "";
  const chunk = 8192;
  for (let i = 0; i < bytes.length; i += chunk) {
    text += String.fromCharCode(...bytes.subarray(i, i + chunk));
  }
  return text;
}

export type Raw = Record<string, unknown>;

function stateOf(answer: Raw): State {
  return { high: answer.stateHigh as number, low: answer.stateLow as number };
}

/** Calls into the module: texts copied into its memory for the call, the answer read and freed. */
export class Engine {
  constructor(private readonly module: EngineModule) {}

  private call(name: string, ...args: (number | string)[]): Raw {
    const held: number[] = [];
    const flat: number[] = [];
    try {
      for (const value of args) {
        if (typeof value === "number") {
          flat.push(value);
          continue;
        }
        const bytes = latin1(value);
        const pointer = this.module._malloc(Math.max(1, bytes.length));
        if (pointer === 0) {
          throw new Error("out of memory");
        }
        held.push(pointer);
        this.module.HEAPU8.set(bytes, pointer);
        flat.push(pointer, bytes.length);
      }
      const fn = this.module[`_quarrow_${name}`] as (...values: number[]) => number;
      const answer = fn(...flat);
      if (answer === 0) {
        throw new Error("out of memory");
      }
      const heap = this.module.HEAPU8;
      const end = heap.indexOf(0, answer);
      const json = fromLatin1(heap.subarray(answer, end));
      this.module._free(answer);
      return JSON.parse(json) as Raw;
    } finally {
      for (const pointer of held) {
        this.module._free(pointer);
      }
    }
  }

  schemes(): SchemeRow[] {
    return this.call("schemes") as unknown as SchemeRow[];
  }

  readSeed(text: string): { valid: boolean; text?: string; seed?: State } {
    const answer = this.call("read_seed", text);
    if (!answer.valid) {
      return { valid: false };
    }
    return {
      valid: true,
      text: answer.text as string,
      seed: { high: answer.seedHigh as number, low: answer.seedLow as number },
    };
  }

  runGenerator(seed: State, run: number): State {
    return stateOf(this.call("run_generator", seed.high, seed.low, run));
  }

  randomText(state: State, length: number, reseed: boolean): { text: string; state: State } {
    const answer = this.call("random_text", state.high, state.low, length, reseed ? 1 : 0);
    return { text: answer.text as string, state: stateOf(answer) };
  }

  searchSpace(length: number, rate: number): SearchSpaceTexts {
    return this.call("search_space", length, rate) as unknown as SearchSpaceTexts;
  }

  measure(state: State, length: number): { rate: number; state: State } {
    const answer = this.call("measure", state.high, state.low, length);
    return { rate: answer.rate as number, state: stateOf(answer) };
  }

  readTrialCount(text: string): { valid: boolean; count: number; countText: string; most: string } {
    return this.call("read_trial_count", text) as unknown as {
      valid: boolean;
      count: number;
      countText: string;
      most: string;
    };
  }

  trial(state: State, target: string, asked: number, stoppedClock: boolean): TrialAnswer {
    const answer = this.call("trial", state.high, state.low, target, asked, stoppedClock ? 1 : 0);
    return { ...(answer as unknown as TrialAnswer), state: stateOf(answer) };
  }

  checkRun(scheme: number, target: string, first: string): RunCheck {
    return this.call("check_run", scheme, target, first) as unknown as RunCheck;
  }

  longRun(letters: number, rate: number, pace: number): LongRunFigures {
    return this.call("long_run", letters, rate, pace) as unknown as LongRunFigures;
  }

  generationRate(scheme: number, target: string, first: string, state: State): number {
    return this.call("generation_rate", scheme, target, first, state.high, state.low)
      .rate as number;
  }

  run(scheme: number, target: string, first: string, state: State, logged: boolean): RunAnswer {
    const answer = this.call("run", scheme, target, first, state.high, state.low, logged ? 1 : 0);
    return { ...(answer as unknown as RunAnswer), state: stateOf(answer) };
  }

  stoppedRun(generation: number, strings: number, seconds: number): {
    timeLength: string;
    numTotal: string;
    numMutationsGrouped: string;
  } {
    return this.call("stopped_run", generation, strings, seconds) as unknown as {
      timeLength: string;
      numTotal: string;
      numMutationsGrouped: string;
    };
  }

  // The live view --------------------------------------------------------------------------

  /** "Step Four" watched by the live view: reports go to the module's `onLive`. */
  liveRun(scheme: number, target: string, first: string, state: State, logged: boolean): Raw {
    const answer = this.call("live_run", scheme, target, first, state.high, state.low, logged ? 1 : 0);
    return { ...answer, state: stateOf(answer) };
  }

  /** The figures of the live view's "Expected:" line for a locked-letter scheme. */
  lawExpectation(scheme: number, length: number): Raw {
    return this.call("law_expectation", scheme, length);
  }

  /** A blind search of its own for `target`; the number names it to the calls below. */
  blindNew(target: string, seed: State): number {
    return this.call("blind_new", target, seed.high, seed.low).handle as number;
  }

  blindFollow(handle: number, strings: number, budgetMilliseconds: number): Raw {
    return this.call("blind_follow", handle, strings, budgetMilliseconds);
  }

  blindEnding(handle: number): Raw {
    return this.call("blind_ending", handle);
  }

  blindFree(handle: number): void {
    this.call("blind_free", handle);
  }

  boxTexts(seconds: number, count: number): { seconds: string; count: string } {
    return this.call("box_texts", seconds, count) as unknown as { seconds: string; count: string };
  }

  figures(count: number, bytes: number): { grouped: string; bytes: string } {
    return this.call("figures", count, bytes) as unknown as { grouped: string; bytes: string };
  }
}

/** Loads the module; `where` is the address of its folder. */
export async function loadModule(where: string): Promise<EngineModule> {
  const factory = (await import(`${where}/quarrow-engine.mjs`)) as {
    default: (settings: object) => Promise<EngineModule>;
  };
  return factory.default({
    locateFile: (file: string) => `${where}/${file}`,
  });
}

// The behaviour of the four pages, as the window has it: Step One's phrase, Step Two's rate and
// estimate, Step Three's trial and Step Four's runs with their log. The handlers keep the
// window's names; each reads its boxes, asks the engine, and writes its boxes.

import type { Engine, RunAnswer, SchemeRow, State, TrialAnswer } from "./engine-core.js";
import {
  LiveControl,
  startTask,
  type RunProgress,
  type Task,
  type TrialProgress,
} from "./engine-tasks.js";
import { ask, openProgress, showMessage, type MessageKind } from "./dialogs.js";
import type { WindowControls } from "./layout.js";
import { LogStore } from "./log-store.js";
import { LiveView } from "./live-view.js";
import { openRepeat } from "./repeat.js";
import { arg, tr, verbatim } from "./texts.js";

/** Characters of the phrase Form_Load draws. */
const kStartPhraseLength = 50;

/** The set-up the page starts from (from a link, or none). */
export interface StartSetup {
  phrase?: string;
  step?: number;
  scheme?: number;
  seed?: { text: string; state: State };
}

const kStepTwo = 1;
const kStepThree = 2;
const kStepFour = 3;

/** The text with each small letter as its capital, one UTF-16 unit at a time: a character whose
 * capital is not a single unit stays as it is, so the text keeps its length. */
export function capitalised(text: string): string {
  // Latin-1 but for "ß" capitalises one unit to one unit, so the whole text goes at once: a
  // phrase of a million letters takes milliseconds.
  if (!/[^\u0000-\u00de\u00e0-\u00ff]/.test(text)) {
    return text.toUpperCase();
  }
  let out = "";
  for (const unit of text) {
    if (unit.length !== 1) {
      out += unit;
      continue;
    }
    const upper = unit.toUpperCase();
    out += upper.length === 1 ? upper : unit;
  }
  return out;
}

function say(context: string, source: string): string {
  return tr(context, source);
}

export class Steps {
  private generator: State = { high: 0x2545f491, low: 0x4f6cdd1d };
  private task: Task<unknown> | null = null;
  private asking = false;
  private textChanges = 0;
  private readonly log = new LogStore();
  private readonly schemes: SchemeRow[];
  private ended = false;

  constructor(
    private readonly ui: WindowControls,
    private readonly engine: Engine,
    private readonly setup: StartSetup,
  ) {
    this.schemes = engine.schemes();
  }

  /** Captions and help topics from the scheme table, the handlers, and the first page. */
  Form_Load(): void {
    this.schemes.forEach((row, index) => {
      const option = this.ui.radio(`Option${index + 1}`);
      const caption = tr("Scheme", row.caption);
      const label = option.labels?.[0];
      if (label) {
        // Keep the mnemonic mark the layout drew; only the words come from the table.
        const mark = label.querySelector("u");
        const key = mark?.textContent ?? "";
        label.textContent = "";
        const at = key ? caption.indexOf(key) : -1;
        if (at >= 0 && mark) {
          label.append(caption.slice(0, at), mark, caption.slice(at + key.length));
        } else {
          label.textContent = caption;
        }
      }
      option.setAttribute("aria-label", caption);
      this.ui.setHelpTopic(`Command${13 + index}`, row.helpTopic);
    });
    if (this.setup.scheme !== undefined) {
      const index = this.schemes.findIndex((row) => row.number === this.setup.scheme);
      if (index >= 0) {
        this.ui.radio(`Option${index + 1}`).checked = true;
      }
    }
    this.wire();
    this.ui.setTab(0);
    if (this.setup.phrase !== undefined) {
      this.ui.input("txtPhrase").value = capitalised(this.setup.phrase);
    } else {
      const drawn = this.engine.randomText(this.generator, kStartPhraseLength, true);
      this.generator = drawn.state;
      this.ui.input("txtPhrase").value = drawn.text;
    }
    if (this.setup.step !== undefined && this.setup.step > 1) {
      this.ui.setTab(this.setup.step - 1);
    }
    this.ui.button("Command5").focus();
  }

  private wire(): void {
    this.ui.onTabChanged((current, previous) => this.SSTab1_Click(previous, current));
    this.ui.input("txtPhrase").addEventListener("blur", () => this.txtPhrase_LostFocus());
    this.ui.input("txtTarget").addEventListener("blur", () => this.txtTarget_LostFocus());
    this.ui.input("txtTarget").addEventListener("input", () => this.ForgetFigures());
    this.ui.input("txtInitialGuess").addEventListener("input", () => this.ForgetFigures());
    this.ui.button("Command8").addEventListener("click", () => this.Command8_Click());
    this.ui.button("Command4").addEventListener("click", () => this.Command4_Click());
    this.ui.button("Command2").addEventListener("click", () => this.Command2_Click());
    this.ui.button("Command1").addEventListener("click", () => this.Command1_Click());
    this.ui.button("Command3").addEventListener("click", () => this.Command3_Click());
  }

  /** The scheme chosen, as its number in the table. */
  chosenScheme(): number | undefined {
    const index = this.schemes.findIndex((_, i) => this.ui.radio(`Option${i + 1}`).checked);
    return index >= 0 ? this.schemes[index].number : undefined;
  }

  /** The seed the page runs with, when a link gave one. */
  seedText(): string | undefined {
    return this.setup.seed?.text;
  }

  /** The generator a seeded page starts each step's work from: the lab's first run's. */
  private seededGenerator(): State | undefined {
    return this.setup.seed ? this.engine.runGenerator(this.setup.seed.state, 0) : undefined;
  }

  private SSTab1_Click(previous: number, current: number): void {
    void previous; // what happens depends only on the page entered
    if (current === kStepTwo) {
      for (const name of ["txtNumString", "txtRndString", "txtTime", "txtTimeDay", "txtTimeYear"]) {
        this.ui.input(name).value = "";
      }
    } else if (current === kStepThree) {
      this.ui.input("txtTargetString").value = this.ui.input("txtPhrase").value;
    } else if (current === kStepFour) {
      this.ui.input("txtTarget").value = this.ui.input("txtPhrase").value;
      this.newFirstString(this.ui.input("txtPhrase").value.length);
    }
  }

  /** A new random first string of `length`, from the clock or, seeded, as the lab's run 0. */
  private newFirstString(length: number): void {
    const seeded = this.seededGenerator();
    const drawn = this.engine.randomText(seeded ?? this.generator, length, seeded === undefined);
    this.generator = drawn.state;
    this.ui.input("txtInitialGuess").value = drawn.text;
    this.ForgetFigures();
  }

  private txtPhrase_LostFocus(): void {
    const box = this.ui.input("txtPhrase");
    box.value = capitalised(box.value);
  }

  private txtTarget_LostFocus(): void {
    const box = this.ui.input("txtTarget");
    box.value = capitalised(box.value);
    this.newFirstString(box.value.length);
  }

  private ForgetFigures(): void {
    ++this.textChanges;
    for (const name of ["txtLength", "txtNumGen", "txtTotal"]) {
      this.ui.input(name).value = "";
    }
  }

  private message(kind: MessageKind, text: string): Promise<void> {
    return showMessage(kind, text);
  }

  private refuseWhileRunning(): boolean {
    if (this.task === null && !this.asking) {
      return false;
    }
    void this.message(
      "information",
      say(
        "quarrow::Quarrow",
        "A run is going on. Wait until it has finished, or cancel it, before you start another.",
      ),
    );
    return true;
  }

  private begin<T>(task: Task<T>): Promise<import("./engine-tasks.js").TaskEnd<T>> {
    this.task = task as Task<unknown>;
    document.body.classList.add("busy");
    return task.ended.finally(() => {
      this.task = null;
      document.body.classList.remove("busy");
    });
  }

  // Step Two ------------------------------------------------------------------------------------

  private async Command8_Click(): Promise<void> {
    if (this.refuseWhileRunning()) {
      return;
    }
    const length = this.ui.input("txtPhrase").value.length;
    const end = await this.begin(
      startTask<{ rate: number; state: State }>({
        kind: "measure",
        state: this.generator,
        length,
      }),
    );
    // Only quitting cancels a measurement; a part of a second is no rate to show.
    if (end.kind !== "done" || this.ended) {
      return;
    }
    this.generator = end.answer.state;
    const texts = this.engine.searchSpace(length, end.answer.rate);
    this.ui.input("txtRndString").value = texts.stringsPerSecond;
    this.ui.input("txtNumString").value = texts.distinctStrings;
    this.ui.input("txtTime").value = texts.seconds;
    this.ui.input("txtTimeDay").value = texts.days;
    this.ui.input("txtTimeYear").value = texts.years;
  }

  // Step Three ----------------------------------------------------------------------------------

  private slowerThanStepTwo(): string {
    return say(
      "SearchPages",
      'This makes strings several times more slowly than "Step Two" measured: before every ' +
        "letter, the random generator is started afresh from the clock.",
    );
  }

  private async Command4_Click(): Promise<void> {
    if (this.refuseWhileRunning()) {
      return;
    }
    const started = performance.now();
    const target = this.ui.input("txtTargetString").value;
    const count = this.engine.readTrialCount(this.ui.input("txtNumGenerat").value);
    if (!count.valid) {
      await this.message(
        "warning",
        arg(
          say(
            "SearchPages",
            "The number of strings to generate is too large. One trial makes at most %1 " +
              "strings; please enter a smaller number.",
          ),
          count.most,
        ),
      );
      return;
    }
    const seeded = this.seededGenerator();
    const dialog = openProgress(say("SearchPages", "Matching the target at random"));
    dialog.setRange(0, count.count);
    dialog.setLabel(
      arg(say("SearchPages", "Strings made: 0 of %1\n%2"), count.countText, this.slowerThanStepTwo()),
    );
    const seen: { last: TrialProgress | null } = { last: null };
    const task = startTask<TrialAnswer>(
      {
        kind: "trial",
        state: seeded ?? this.generator,
        target,
        asked: count.count,
        stoppedClock: seeded !== undefined,
      },
      (progress) => {
        const last = progress as TrialProgress;
        seen.last = last;
        dialog.setValue(last.made);
        dialog.setLabel(
          arg(
            say("SearchPages", "Strings made: %1 of %2\nBest so far: %3 of %4 letters right\n%5"),
            this.engine.figures(last.made, 0).grouped,
            count.countText,
            this.engine.figures(Math.max(0, last.count), 0).grouped,
            this.engine.figures(target.length, 0).grouped,
            this.slowerThanStepTwo(),
          ),
        );
        dialog.setCurrentString(last.best);
      },
    );
    dialog.onCancel(() => task.cancel());
    const end = await this.begin(task);
    dialog.close();
    if (this.ended) {
      return;
    }
    const seconds = (performance.now() - started) / 1000;
    if (end.kind === "done") {
      if (seeded === undefined) {
        this.generator = end.answer.state;
      }
      this.ui.input("txtBestString").value = end.answer.bestString;
      this.ui.input("txtTimeGen").value = this.engine.boxTexts(seconds, 0).seconds;
      this.ui.input("txtNumCorrect").value = end.answer.bestCount;
      if (end.answer.cancelled) {
        await this.message("information", this.trialCancelled(end.answer.stringsMadeGrouped, count.countText));
      }
    } else if (end.kind === "cancelled") {
      const made = seen.last;
      this.ui.input("txtBestString").value = made?.best ?? "";
      this.ui.input("txtTimeGen").value = this.engine.boxTexts(seconds, 0).seconds;
      this.ui.input("txtNumCorrect").value =
        made && made.count >= 0 ? this.engine.boxTexts(0, made.count).count : "";
      await this.message(
        "information",
        this.trialCancelled(this.engine.figures(made?.made ?? 0, 0).grouped, count.countText),
      );
    } else {
      await this.message(
        "critical",
        arg(say("SearchPages", "The trial failed and was stopped: %1."), end.message),
      );
    }
  }

  private trialCancelled(made: string, asked: string): string {
    return arg(
      say(
        "SearchPages",
        "The trial was cancelled after %1 of %2 strings. The boxes show the best string made " +
          "until then.",
      ),
      made,
      asked,
    );
  }

  private runStopped(generation: string): string {
    return arg(
      say(
        "SelectionPage",
        "The run was stopped in generation %1, before a match was found. The time and strings " +
          "boxes show the counts until then; the generation box stays empty, as no match was " +
          "found. The generation log holds every finished generation.",
      ),
      generation,
    );
  }

  // Step Four -----------------------------------------------------------------------------------

  private async Command2_Click(): Promise<void> {
    if (this.refuseWhileRunning()) {
      return;
    }
    const scheme = this.chosenScheme();
    if (scheme === undefined) {
      this.writeFigures(null);
      return;
    }
    const target = this.ui.input("txtTarget").value;
    const first = this.ui.input("txtInitialGuess").value;
    const check = this.engine.checkRun(scheme, target, first);
    if (check.problem === "foreignSymbol") {
      const inTarget = check.text === "target";
      const text = inTarget ? target : first;
      const position = check.position ?? 0;
      const code = text.codePointAt(position) ?? 0;
      const character = String.fromCodePoint(code);
      await this.message(
        "warning",
        arg(
          say(
            "SelectionPage",
            '%1 holds "%2" at position %3, which is neither a capital letter A to Z nor a ' +
              "space. No random string can ever match it, so the run would never end.\n\n" +
              "Please use only the letters A to Z and spaces.",
          ),
          say("SelectionPage", inTarget ? "The target" : "The first string"),
          verbatim(character),
          check.positionText ?? "",
        ),
      );
      return;
    }
    if (check.problem === "firstStringTooLong" || check.problem === "firstStringTooShort") {
      const tooLong = check.problem === "firstStringTooLong";
      const why = tooLong
        ? say(
            "SelectionPage",
            "Sequential selection copies the leading letters of the target into every " +
              "offspring, so the first string cannot be longer than the target.",
          )
        : say(
            "SelectionPage",
            "Sequential selection scores its random letters against the first string, place " +
              "by place, so the first string must be as long as the target.",
          );
      const remedy = tooLong
        ? say("SelectionPage", "Leave the target box to get a new first string of its length.")
        : say(
            "SelectionPage",
            "Leave the target box to get a new first string of its length, or type one.",
          );
      await this.message(
        "warning",
        arg(
          say("SelectionPage", "%1 The first string has %2 characters and the target %3.\n\n%4"),
          why,
          check.firstLength,
          check.targetLength,
          remedy,
        ),
      );
      return;
    }
    if (check.mayAsk && !(await this.askBeforeLongRun(scheme, target, first))) {
      return;
    }
    await this.launch(scheme, target, first);
  }

  /** Measures the generation rate and asks before a long run; true to go on. */
  private async askBeforeLongRun(scheme: number, target: string, first: string): Promise<boolean> {
    this.asking = true;
    try {
      // The measurement runs from a copy of the generator: a declined run changes nothing.
      const measured = await this.begin(
        startTask<{ rate: number }>({ kind: "rate", scheme, target, first, state: this.generator }),
      );
      if (measured.kind !== "done" || this.ended) {
        return false;
      }
      const figures = this.engine.longRun(target.length, measured.answer.rate, 0);
      const free = await this.log.room();
      const shortOfRoom = free !== null && free < figures.logBytes;
      if (!figures.long && !shortOfRoom) {
        return true;
      }
      const chance = arg(
        say("CostText", figures.chanceAsShare ? "%1%" : "1 in %1"),
        figures.chance,
      );
      const duration = arg(say("CostText", figures.seconds.phrase), figures.seconds.figure);
      const expectation = figures.hasSeconds
        ? arg(
            say(
              "CostText",
              "From a random first string of this length: on average %1 generations (half of " +
                "all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this " +
                "computer at full speed and a generation log of about %6.",
            ),
            figures.mean,
            figures.half,
            figures.nine,
            figures.strings,
            duration,
            figures.log,
          )
        : arg(
            say(
              "CostText",
              "From a random first string of this length: on average %1 generations (half of " +
                "all runs need at most %2, nine in ten at most %3), %4 strings and a generation " +
                "log of about %5.",
            ),
            figures.mean,
            figures.half,
            figures.nine,
            figures.strings,
            figures.log,
          );
      const text =
        arg(
          say(
            "SelectionPage",
            "This run of scheme 3 is likely to be long. Each generation finishes the run with a " +
              "chance of %1, so a run needs:\n\n%2",
          ),
          chance,
          expectation,
        ) +
        (shortOfRoom
          ? "\n\n" +
            arg(
              say(
                "SelectionPage",
                "The drive of the generation log has only %1 free, less than the log is " +
                  "expected to need: the run would stop when the drive is full.",
              ),
              this.engine.figures(0, free ?? 0).bytes,
            )
          : "") +
        "\n\n" +
        say("SelectionPage", "Cancel stops the run at any time. Start it?");
      const answer = await ask(
        text,
        [
          { label: say("SelectionPage", "Start the run"), role: "accept" },
          { label: say("SelectionPage", "Don't start"), role: "reject" },
        ],
      );
      return answer === 0 && !this.ended;
    } finally {
      this.asking = false;
    }
  }

  private writeFigures(figures: { time: string; generations: string; total: string } | null): void {
    this.ui.input("txtLength").value = figures?.time ?? "";
    this.ui.input("txtNumGen").value = figures?.generations ?? "";
    this.ui.input("txtTotal").value = figures?.total ?? "";
  }

  private async launch(scheme: number, target: string, first: string): Promise<void> {
    const changes = this.textChanges;
    this.writeFigures(null);
    // The live view watches the run; the worker holds it there when the view pauses or slows it.
    const control = LiveControl.available() ? new LiveControl() : null;
    const seen: { last: RunProgress | null } = { last: null };
    let cancel = (): void => {};
    const row = this.schemes.find((each) => each.number === scheme) ?? this.schemes[0];
    const view = new LiveView({
      engine: this.engine,
      scheme: row,
      target,
      first,
      control,
      onCancel: () => cancel(),
      // As in the window: once the target is found, the same phrase run many times, on the
      // link's seed when it gave one.
      onRepeat: (repeated) => openRepeat({ target: repeated, seedText: this.seedText() }),
      blindSeed: this.engine.randomText(this.generator, 0, true).state,
    });
    control?.setSpeed(view.startSpeed);
    const task = startTask<RunAnswer & { csv?: string; place?: unknown }>(
      { kind: "live", scheme, target, first, state: this.generator, logged: true, control: control?.buffer ?? null },
      (progress) => {
        if (progress.kind !== "live") {
          return;
        }
        const report = view.report(progress.report);
        seen.last = {
          kind: "run",
          generation: report.generation,
          strings: report.strings,
          matched: report.matched,
          length: report.length,
          seconds: report.seconds,
          parent: "",
          final: report.final,
          logBytes: report.logBytes,
        };
      },
    );
    cancel = () => task.cancel();
    this.log.running = true;
    const end = await this.begin(task);
    this.log.running = false;
    if (this.ended || end.kind === "logBusy") {
      // Quit ended the page, or the run never started: there is nothing to watch.
      view.close();
    } else {
      view.finish(
        end.kind === "done" ? end.answer.outcome : end.kind === "failed" ? "failed" : "cancelled",
        end.kind === "done" ? (end.answer as unknown as Record<string, unknown>) : null,
      );
    }
    if (this.ended) {
      return;
    }
    const sameTexts = changes === this.textChanges;
    if (end.kind === "done") {
      const result = end.answer;
      this.generator = result.state;
      if ((result.outcome === "matched" || result.outcome === "cancelled") && sameTexts) {
        this.writeFigures({
          time: result.timeLength,
          generations: result.outcome === "matched" ? result.numMutations : "",
          total: result.numTotal,
        });
      }
      if (result.outcome === "cancelled") {
        await this.message("information", this.runStopped(result.numMutationsGrouped));
      } else if (result.outcome === "logFailed") {
        await this.message(
          "critical",
          arg(
            say("SelectionPage", "The generation log could not be written, so the run was stopped.\n\n%1"),
            result.logError,
          ),
        );
      }
      return;
    }
    if (end.kind === "cancelled") {
      const reached = seen.last;
      const figures = this.engine.stoppedRun(
        reached?.generation ?? 0,
        reached?.strings ?? 1,
        reached?.seconds ?? 0,
      );
      if (sameTexts) {
        this.writeFigures({ time: figures.timeLength, generations: "", total: figures.numTotal });
      }
      // The worker was ended with the run: the page draws a new generator from the clock, and
      // the log keeps the whole lines of the generations shown.
      this.generator = this.engine.randomText(this.generator, 0, true).state;
      await this.log.cutTo(reached?.logBytes ?? 0);
      await this.message("information", this.runStopped(figures.numMutationsGrouped));
      return;
    }
    if (end.kind === "logBusy") {
      await this.message(
        "warning",
        /NoModificationAllowed|lock/i.test(end.message)
          ? tr(
              "WebPage",
              "Another tab or window of this browser is running a selection with Quarrow and " +
                "writing the generation log.\n\nThe run was not started. Try again once that run " +
                "has ended.",
            )
          : arg(
              tr(
                "WebPage",
                "This browser cannot keep a generation log for the page (%1), so the run was not " +
                  "started.",
              ),
              end.message,
            ),
      );
      return;
    }
    await this.message(
      "critical",
      arg(
        say(
          "SelectionPage",
          "The run failed and was stopped: %1.\n\nThe generation log holds every generation " +
            "written until then.",
        ),
        end.message,
      ),
    );
  }

  private async Command1_Click(): Promise<void> {
    if (this.task !== null && this.log.running) {
      await this.message(
        "information",
        say(
          "SelectionPage",
          "The run is still writing the generation log. It can be viewed once the run has " +
            "finished or been cancelled.",
        ),
      );
      return;
    }
    const file = await this.log.file();
    if (file === null) {
      await this.message(
        "information",
        arg(
          say(
            "SelectionPage",
            'There is no generation log yet: the first run of "Go" on this page writes it, to\n%1',
          ),
          tr("WebPage", "generation.log, in this browser's storage for the page"),
        ),
      );
      return;
    }
    await this.log.view(file, this.engine);
  }

  /** "&Quit": stops any run and says the program has ended. */
  Command3_Click(): void {
    this.ended = true;
    this.task?.end();
    const root = this.ui.form.closest("main") ?? document.body;
    const ended = document.createElement("p");
    ended.className = "ended";
    ended.setAttribute("role", "status");
    ended.textContent = tr("WebPage", "Quarrow has ended. Reload the page to start it again.");
    document.querySelectorAll("dialog[open]").forEach((open) => (open as HTMLDialogElement).close());
    root.replaceChildren(ended);
    document.title = ended.textContent;
  }
}

// The live view of a "Step Four" run in the page: Pause, Step (one generation a press) and the
// speeds on the run's worker, the offspring rows against the lab's log of the same seeded run,
// the blind search lane, where the run falls, the saves of the chart and the data, the keyboard
// and the audit.
import { describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import {
  assertNoProblems,
  audit,
  describeViolations,
  openPage,
  repoRoot,
  serveSiteAround,
} from './browser.mjs';

const kLab = process.env.QUARROW_LAB ?? join(repoRoot, 'build/release/lab/quarrow-lab');
const kPhrase = 'HELLO WORLD';
const kLong = 'METHINKS IT IS LIKE A WEASEL '.repeat(4).slice(0, 100);
const kSchemeKeys = { 1: 'attenuating', 2: 'serial', 3: 'sequential' };

/** The lab's first run of `scheme` with `seed`: its per-run row and its log's lines, each its
 * string and its count. */
function labRun(phrase, scheme, seed) {
  const folder = mkdtempSync(join(tmpdir(), 'quarrow-live-'));
  const log = join(folder, 'generation.log');
  const row = JSON.parse(
    execFileSync(
      kLab,
      ['evolve', phrase, '--seed', String(seed), '--scheme', kSchemeKeys[scheme], '--runs', '1', '--per-run', '--json', '--log', log],
      { encoding: 'utf8' },
    )
      .trim()
      .split('\n')[0],
  );
  const bytes = readFileSync(log);
  const lines = bytes
    .toString('latin1')
    .split('\r\n')
    .filter((line) => line !== '')
    .map((line) => {
      const match = /^(.*?) +(\d+) ?$/.exec(line);
      return { string: match[1].padEnd(phrase.length, ' ').slice(0, phrase.length), count: Number(match[2]) };
    });
  return { row, bytes, lines };
}

async function auditClean(page, where) {
  const violations = await audit(page);
  assert.equal(violations.length, 0, `${where}: ${describeViolations(violations)}`);
}

async function storedLog(page) {
  const base64 = await page.evaluate(async () => {
    const root = await navigator.storage.getDirectory();
    const file = await (await root.getFileHandle('generation.log')).getFile();
    const bytes = new Uint8Array(await file.arrayBuffer());
    let text = '';
    for (let i = 0; i < bytes.length; i += 8192) {
      text += String.fromCharCode(...bytes.subarray(i, i + 8192));
    }
    return btoa(text);
  });
  return Buffer.from(base64, 'base64');
}

/** The generation the view's figures show. */
async function shownGeneration(page) {
  const text = await page.locator('#liveFigures').innerText();
  return Number(/Generation: ([0-9,]+)/.exec(text)?.[1].replaceAll(',', '') ?? -1);
}

async function offspringGeneration(page) {
  const text = await page.locator('#liveOffspringTitle').innerText();
  return Number(/generation ([0-9,]+)/.exec(text)?.[1].replaceAll(',', '') ?? -1);
}

/** The rows as they show: letters (spaces as spaces) and what a screen reader hears. */
async function offspringRows(page) {
  return page.evaluate(() =>
    [...document.querySelectorAll('#liveOffspring .live-row')].map((row) => ({
      letters: (row.querySelector('.live-row-letters')?.textContent ?? '').replaceAll('\u00a0', ' '),
      label: row.getAttribute('aria-label') ?? '',
      fate: row.dataset.fate ?? '',
      right: [...row.querySelectorAll('.live-row-letters .mark-right')].map((mark) => mark.textContent).join(''),
    })),
  );
}

describe('the live view of a run', () => {
  const served = serveSiteAround();

  /** The page on a seeded link with the view's speed stored as `speed` before the run. */
  const open = async (scheme, { speed = 0, keepOpen = true, phrase = kPhrase, seed = 1, size } = {}) => {
    const opened = await openPage(
      served.browser,
      `${served.site.url}?phrase=${encodeURIComponent(phrase)}&step=4&scheme=${scheme}&seed=${seed}`,
      size,
    );
    await opened.page.waitForSelector('body[data-ready="true"]');
    await opened.page.evaluate(
      (choices) => localStorage.setItem('quarrow.liveView', JSON.stringify(choices)),
      { speed, keepOpen },
    );
    return opened;
  };

  const go = (page) => page.locator('#Page3').getByRole('button', { name: 'Go' }).click();

  /** Pauses a slow run once it has shown some offspring; resolves to the generation held. */
  const pauseWithOffspring = async (page) => {
    await page.waitForFunction(() => /Offspring of generation [1-9]/.test(document.querySelector('#liveOffspringTitle')?.textContent ?? ''));
    await page.keyboard.press('Space');
    await page.locator('#livePause', { hasText: 'Resume' }).waitFor();
    // The run holds after the generation it is in; its offspring are the ones shown.
    await page.waitForFunction(() => {
      const figures = /Generation: ([0-9,]+)/.exec(document.querySelector('#liveFigures')?.textContent ?? '');
      const rows = /generation ([0-9,]+)/.exec(document.querySelector('#liveOffspringTitle')?.textContent ?? '');
      return figures && rows && figures[1] === rows[1];
    });
    await page.waitForTimeout(300);
    return shownGeneration(page);
  };

  it('pauses with Space, steps one generation a press with the Right arrow, and the run stays the lab\'s', async () => {
    const expected = labRun(kPhrase, 2, 1);
    const opened = await open(2, { speed: 16 });
    const { page } = opened;
    await go(page);
    const held = await pauseWithOffspring(page);
    assert.ok(held > 0 && held < expected.row.generations, `held at generation ${held}`);
    // Held, the run goes nowhere.
    await page.waitForTimeout(600);
    assert.equal(await shownGeneration(page), held, 'a paused run makes no generation');
    assert.equal(await page.evaluate(() => document.activeElement?.id), 'liveCancel');
    for (let press = 1; press <= 3; ++press) {
      await page.keyboard.press('ArrowRight');
      await page.waitForFunction((want) => document.querySelector('#liveOffspringTitle')?.textContent?.endsWith(` ${want}`), held + press);
      await page.waitForTimeout(250);
      assert.equal(await shownGeneration(page), held + press, `press ${press} runs exactly one generation`);
      assert.equal(await offspringGeneration(page), held + press);
    }
    // The Step button does the same.
    await page.locator('#liveStep').click();
    await page.waitForFunction((want) => document.querySelector('#liveOffspringTitle')?.textContent?.endsWith(` ${want}`), held + 4);
    await page.waitForTimeout(250);
    assert.equal(await shownGeneration(page), held + 4);
    await page.locator('#liveSpeed').selectOption('0');
    await page.keyboard.press('Space');
    await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, { timeout: 30_000 });
    assert.equal(await page.locator('#txtNumGen').inputValue(), String(expected.row.generations));
    assert.equal(await page.locator('#txtTotal').inputValue(), String(expected.row.strings));
    assert.ok((await storedLog(page)).equals(expected.bytes), 'the paused and stepped run wrote the lab\'s log');
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('goes at the speed chosen, and at full speed shows no rows', async () => {
    const opened = await open(1, { speed: 1, phrase: kLong });
    const { page } = opened;
    await go(page);
    await page.waitForFunction(() => /Generation: [1-9]/.test(document.querySelector('#liveFigures')?.textContent ?? ''));
    const atOne = await shownGeneration(page);
    await page.waitForTimeout(2100);
    const afterOne = await shownGeneration(page);
    assert.ok(afterOne - atOne >= 1 && afterOne - atOne <= 3, `1 a second made ${afterOne - atOne} in 2.1 s`);
    assert.ok(await page.locator('#liveOffspring').isVisible());
    await page.locator('#liveSpeed').selectOption('16');
    await page.waitForTimeout(300);
    const atSixteen = await shownGeneration(page);
    await page.waitForTimeout(2000);
    const afterSixteen = await shownGeneration(page);
    assert.ok(
      afterSixteen - atSixteen >= 24 && afterSixteen - atSixteen <= 36,
      `16 a second made ${afterSixteen - atSixteen} in 2 s`,
    );
    await page.locator('#liveSpeed').selectOption('0');
    await page.waitForTimeout(300);
    assert.ok(!(await page.locator('#liveOffspring').isVisible()), 'no rows at full speed');
    // Full speed is not held back: the rest of the run takes moments.
    await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, { timeout: 5_000 });
    assert.match(await page.locator('#liveEnding').innerText(), /^The parent matched the target in generation [0-9,]+\.$/);
    assertNoProblems(opened);
    await opened.context.close();
  });

  for (const scheme of [2, 3]) {
    it(`shows the engine's twenty offspring of scheme ${scheme}, as the lab's log has them`, async () => {
      const expected = labRun(kPhrase, scheme, 1);
      const opened = await open(scheme, { speed: 16 });
      const { page } = opened;
      await go(page);
      const held = await pauseWithOffspring(page);
      for (let step = 0; step < 3; ++step) {
        const generation = held + step;
        const rows = await offspringRows(page);
        assert.equal(rows.length, 20);
        // The twentieth offspring is the generation's line of the log: the next parent, or for
        // scheme 3 the generation's last string with the prefix it reached.
        const line = expected.lines[generation - 1];
        if (scheme === 2) {
          assert.equal(rows[19].letters, line.string, `generation ${generation}'s next parent`);
          const right = [...line.string].filter((c, i) => c === kPhrase[i]).length;
          assert.match(rows[19].label, new RegExp(`^Offspring 20: ${right} of 11 right, (next parent|matches the target)$`));
          assert.equal(rows[19].fate, 'next');
          // Serial selection keeps the parent's right letters: every offspring has them.
          const parent = expected.lines[generation - 2]?.string ?? expected.row.firstString;
          for (const row of rows) {
            for (let i = 0; i < kPhrase.length; ++i) {
              if (parent[i] === kPhrase[i]) {
                assert.equal(row.letters[i], kPhrase[i], 'a right letter stays locked');
              }
            }
            assert.equal(row.right.length, [...row.letters].filter((c, i) => c === kPhrase[i]).length);
          }
          const passed = rows.filter((row) => row.fate === 'passed');
          for (const row of passed) {
            assert.match(row.label, /more letters right, but not chosen/);
          }
        } else {
          assert.match(rows[19].label, /^Offspring 20: [0-9,]+ letters? copied, [0-9,]+ hits?(, every letter now locked)?$/);
          // The prefix locks offspring by offspring: each copies at least as much as the one
          // before it.
          const copied = rows.map((row) => Number(/: ([0-9]+) letters? copied/.exec(row.label)[1]));
          for (let i = 1; i < copied.length; ++i) {
            assert.ok(copied[i] >= copied[i - 1], `offspring ${i + 1} copies no less than ${i}`);
          }
          for (const [i, row] of rows.entries()) {
            assert.equal(row.letters.slice(0, copied[i]), kPhrase.slice(0, copied[i]));
          }
          // The line holds the run's best so far: the prefix this generation reached, where it
          // beat the best before it.
          const hits = rows.map((row) => Number(/, ([0-9]+) hits?/.exec(row.label)[1]));
          const reached = copied[19] + hits[19];
          // The log prints a best of k letters as k - 1.
          const before = generation > 1 ? expected.lines[generation - 2].count + 1 : 0;
          assert.equal(line.count + 1, Math.max(before, reached), `generation ${generation}'s best`);
        }
        await page.keyboard.press('ArrowRight');
        await page.waitForFunction((want) => document.querySelector('#liveOffspringTitle')?.textContent?.endsWith(` ${want}`), generation + 1);
      }
      if (scheme === 2) {
        assert.equal(
          await page.locator('#liveRule').innerText(),
          'the 20th offspring becomes the parent; right letters are kept, wrong ones redrawn',
        );
      }
      await auditClean(page, `the paused view of scheme ${scheme}`);
      // Cancel wakes the held run at once; the log keeps every generation it finished.
      const asked = Date.now();
      await page.locator('#liveCancel').click();
      const message = page.getByRole('alertdialog');
      await message.waitFor();
      assert.ok(Date.now() - asked < 1000, 'a held run stops within moments of Cancel');
      const said = await message.innerText();
      assert.match(said, /The run was stopped in generation [0-9,]+, before a match was found/);
      await message.getByRole('button', { name: 'OK' }).click();
      const stoppedIn = Number(/generation ([0-9,]+)/.exec(said)[1].replaceAll(',', ''));
      const log = (await storedLog(page)).toString('latin1');
      assert.equal(log.split('\r\n').length - 1, stoppedIn, 'a line for every generation finished');
      assertNoProblems(opened);
      await opened.context.close();
    });
  }

  it('races the blind search to the run\'s strings, says where the run falls, and saves the chart and the data', async () => {
    const expected = labRun(kPhrase, 2, 1);
    const opened = await open(2, { speed: 0 });
    const { page } = opened;
    await go(page);
    await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, { timeout: 30_000 });
    await page.locator('#liveBlindEnding').waitFor();
    assert.match(
      await page.locator('#liveBlindEnding').innerText(),
      new RegExp(
        `^(Blind search made ${expected.row.strings} strings; its best has [0-9]+ of 11 letters right\\. Matching all 11 would take on average 27¹¹ = 5\\.6 × 10¹⁵ strings: about .+ at this computer's rate\\.|Blind search found the target at string [0-9,]+;.*)$`,
      ),
    );
    assert.match(await page.locator('#liveBlindFigures').innerText(), new RegExp(`^[0-9]+ of 11 right; ${expected.row.strings} strings$`));
    assert.equal(await page.locator('#liveEnding').innerText(), `The parent matched the target in generation ${expected.row.generations}.`);
    assert.match(
      await page.locator('#livePlace').innerText(),
      new RegExp(`^This run took ${expected.row.generations} generations; ([0-9]+%|less than 1%|more than 99%) of runs take at most that many\\.$`),
    );
    assert.match(await page.locator('#liveChart').getAttribute('aria-label'), /^Letters right by generation\. Letters right rose from [0-9]+ to 11 of 11 in 49 generations\.$/);
    assert.match(
      await page.locator('#liveExpectation').innerText(),
      /^Expected: From a random first string of this length: on average [0-9.,]+ generations \(half of all runs need at most [0-9,]+, nine in ten at most [0-9,]+\), [0-9.,]+ strings\.$/,
    );
    await auditClean(page, 'the finished view');

    const save = async (button) => {
      const downloaded = page.waitForEvent('download');
      await button();
      const file = await downloaded;
      return { name: file.suggestedFilename(), bytes: readFileSync(await file.path()) };
    };
    const csv = await save(() => page.locator('#liveSaveData').click());
    assert.equal(csv.name, 'HELLO-WORLD-generations-scheme-2.csv');
    const rows = csv.bytes.toString('utf8').trim().split('\n');
    assert.equal(rows[0], 'generation,letters_right,strings');
    assert.equal(rows.length - 1, expected.row.generations, 'a row for each generation');
    rows.slice(1).forEach((row, i) => {
      const [generation, right] = row.split(',').map(Number);
      assert.equal(generation, i + 1);
      // Each line of the log holds the generation's parent.
      const parent = expected.lines[i].string;
      assert.equal(right, [...parent].filter((c, at) => c === kPhrase[at]).length, `generation ${i + 1}'s letters right`);
    });
    assert.equal(Number(rows.at(-1).split(',')[2]), expected.row.strings);

    await page.locator('#liveSaveChart').click();
    const png = await save(() => page.locator('#liveSavePng').click());
    assert.equal(png.name, 'HELLO-WORLD-letters-by-generation-scheme-2.png');
    assert.equal(png.bytes.subarray(1, 4).toString('latin1'), 'PNG');
    assert.ok(png.bytes.readUInt32BE(16) >= 200 && png.bytes.readUInt32BE(20) >= 150, 'a chart of some size');
    await page.keyboard.press('Enter').catch(() => {});
    await page.locator('#liveSaveChart').click();
    const svg = await save(() => page.locator('#liveSaveSvg').click());
    const drawing = svg.bytes.toString('utf8');
    assert.match(drawing, /^<svg xmlns="http:\/\/www\.w3\.org\/2000\/svg"/);
    assert.match(drawing, /<title>Letters right by generation for &quot;HELLO WORLD&quot;: 2: Serial Selection, 1 run from &quot;KGYSJCANHIQ&quot;<\/title>/);
    const steps = /<path d="M([^"]+)"/.exec(drawing)[1];
    assert.ok(!/L/.test(steps) && /H/.test(steps) && /V/.test(steps), 'the curve goes in steps, never straight across');
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('works by keyboard alone: Tab round its controls, Escape asks before it cancels', async () => {
    const opened = await open(1, { speed: 4, phrase: kLong });
    const { page } = opened;
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).focus();
    await page.keyboard.press('Enter');
    await page.locator('#liveView').waitFor();
    const reached = new Set();
    for (let press = 0; press < 12; ++press) {
      await page.keyboard.press('Tab');
      reached.add(await page.evaluate(() => document.activeElement?.id ?? ''));
    }
    for (const id of ['livePause', 'liveSpeed', 'liveKeepOpen', 'liveSaveChart', 'liveCancel']) {
      assert.ok(reached.has(id), `Tab reaches ${id}`);
    }
    assert.ok([...reached].every((id) => id.startsWith('live')), 'the focus stays in the view');
    await page.locator('#liveCancel').focus();
    await page.keyboard.press('Escape');
    const question = page.getByRole('alertdialog');
    await question.waitFor();
    assert.match(await question.innerText(), /The run is still going on\. Do you want to cancel it\?/);
    await auditClean(page, 'the question before cancelling');
    await page.keyboard.press('Escape');
    await question.waitFor({ state: 'detached' });
    assert.equal(await page.locator('#liveCancel').innerText(), 'Cancel', 'Escape on the question keeps it running');
    await page.keyboard.press('Escape');
    await question.waitFor();
    await question.getByRole('button', { name: 'Cancel the run' }).click();
    const message = page.getByRole('alertdialog');
    await message.getByRole('button', { name: 'OK' }).click();
    await page.locator('#liveCancel', { hasText: 'Close' }).waitFor();
    await page.locator('#liveCancel').focus();
    await page.keyboard.press('Escape');
    await page.locator('#liveView').waitFor({ state: 'detached' });
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('keeps every offspring row whole in sight at 1280x800 and 1920x1080', async () => {
    const longPhrase = 'METHINKS IT IS LIKE A WEASEL '.repeat(8).slice(0, 200);
    for (const [size, phrase] of [
      [{ width: 1280, height: 800 }, 'METHINKS IT IS LIKE A WEASEL'],
      [{ width: 1920, height: 1080 }, 'METHINKS IT IS LIKE A WEASEL'],
      // Rows cut to their first 160 letters, under the chart.
      [{ width: 1280, height: 800 }, longPhrase],
      [{ width: 1920, height: 1080 }, longPhrase],
    ]) {
      const opened = await open(2, { speed: 16, phrase, size });
      const { page } = opened;
      await go(page);
      await pauseWithOffspring(page);
      const placement = await page.evaluate(() => {
        const rows = [...document.querySelectorAll('#liveOffspring .live-row')];
        const body = document.querySelector('#liveView .live-body');
        return {
          rows: rows.map((row) => row.getBoundingClientRect().toJSON()),
          sideways: body.scrollWidth > body.clientWidth + 1,
          width: window.innerWidth,
          height: window.innerHeight,
        };
      });
      assert.equal(placement.rows.length, 20);
      for (const [i, row] of placement.rows.entries()) {
        assert.ok(row.top >= 0 && row.bottom <= placement.height && row.left >= 0 && row.right <= placement.width,
          `row ${i + 1} whole in sight at ${size.width}x${size.height}: ${JSON.stringify(row)}`);
      }
      assert.ok(!placement.sideways, 'nothing to scroll sideways');
      assert.ok(placement.rows.every((row) => row.width <= placement.width), 'no row is cut');
      await page.locator('#liveCancel').click();
      await page.getByRole('alertdialog').getByRole('button', { name: 'OK' }).click();
      await opened.context.close();
    }
  });
  it('runs at full speed only, and says why, where the page is not isolated across origins', async () => {
    const expected = labRun(kPhrase, 1, 1);
    const context = await served.browser.newContext({ viewport: { width: 1280, height: 800 } });
    // The same site without the headers that isolate it: no memory shared with the workers.
    await context.route('**/*', async (route) => {
      const response = await route.fetch();
      const headers = { ...response.headers() };
      delete headers['cross-origin-opener-policy'];
      delete headers['cross-origin-embedder-policy'];
      await route.fulfill({ response, headers });
    });
    const page = await context.newPage();
    await page.goto(`${served.site.url}?phrase=${encodeURIComponent(kPhrase)}&step=4&scheme=1&seed=1`);
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await page.evaluate(() => crossOriginIsolated), false);
    await page.evaluate(() => localStorage.setItem('quarrow.liveView', JSON.stringify({ keepOpen: true, speed: 4 })));
    await go(page);
    await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, { timeout: 30_000 });
    assert.equal(await page.locator('#txtNumGen').inputValue(), String(expected.row.generations));
    assert.ok(await page.locator('#liveIsolation').isVisible(), 'the view says why it goes at full speed');
    assert.equal(await page.locator('#liveSpeed').inputValue(), '0');
    assert.ok(await page.locator('#liveSpeed').isDisabled());
    // The service worker may still be fetching the site to keep it: let those requests go.
    await context.unrouteAll({ behavior: 'ignoreErrors' });
    await context.close();
  });

  it('offers Repeat... once a run has found the target, when the page gives it a way to repeat', async () => {
    const opened = await open(2);
    const { page } = opened;
    const asked = await page.evaluate(async () => {
      const { Engine, loadModule } = await import('./js/engine-core.js');
      const { LiveView } = await import('./js/live-view.js');
      const engine = new Engine(await loadModule(new URL('./engine', location.href).href));
      const seed = engine.readSeed('1').seed;
      const scheme = engine.schemes()[1];
      const repeated = [];
      const view = new LiveView({
        engine, scheme, target: 'HELLO WORLD', first: 'KGYSJCANHIQ', control: null,
        onCancel() {}, onRepeat: (target) => repeated.push(target), blindSeed: seed,
      });
      const hiddenWhileRunning = document.querySelector('#liveRepeat').hidden;
      view.finish('matched', { csv: 'generation,letters_right,strings\n' });
      document.querySelector('#liveRepeat').click();
      return { hiddenWhileRunning, shown: !document.querySelector('#liveRepeat').hidden, repeated };
    });
    assert.deepEqual(asked, { hiddenWhileRunning: true, shown: true, repeated: ['HELLO WORLD'] });
    assertNoProblems(opened);
    await opened.context.close();
  });
});

// The four steps in the page as a user meets them: the phrase and its capitals, the estimate,
// the trial and the runs, each seeded result byte for byte the lab's, the log in the page's
// storage and its viewer, Cancel, the teacher's link taken as text, Quit, and the audit of every
// dialog on the way.
import { describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync } from 'node:fs';
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

function lab(...args) {
  return execFileSync(kLab, args, { encoding: 'utf8' });
}

function labJson(...args) {
  return JSON.parse(lab(...args, '--json'));
}

/** The lab's first run of `scheme` with `seed`: its per-run row and its log's bytes. */
function labRun(phrase, scheme, seed) {
  const folder = mkdtempSync(join(tmpdir(), 'quarrow-lab-'));
  const log = join(folder, 'generation.log');
  const row = JSON.parse(
    lab('evolve', phrase, '--seed', String(seed), '--scheme', scheme, '--runs', '1', '--per-run', '--json', '--log', log)
      .trim()
      .split('\n')[0],
  );
  return { row, log: readFileSync(log) };
}

async function auditClean(page, where) {
  const violations = await audit(page);
  assert.equal(violations.length, 0, `${where}: ${describeViolations(violations)}`);
}

/** The text of the message box showing, and closes it with OK. */
async function answerMessage(page) {
  const box = page.getByRole('alertdialog');
  await box.waitFor();
  const text = await box.innerText();
  await box.getByRole('button', { name: 'OK' }).click();
  await box.waitFor({ state: 'detached' }).catch(() => box.waitFor({ state: 'hidden' }));
  return text;
}

/** Closes the live view a finished run leaves open, by its Close button or, with `key`, Escape. */
async function closeLiveView(page, { key = false } = {}) {
  const view = page.locator('#liveView');
  await view.getByRole('button', { name: 'Close' }).waitFor();
  if (key) {
    await page.keyboard.press('Escape');
  } else {
    await view.getByRole('button', { name: 'Close' }).click();
  }
  await view.waitFor({ state: 'detached' });
}

async function ready(page) {
  await page.waitForSelector('body[data-ready="true"]');
}

/** The log the page keeps in its storage, as bytes. */
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

describe('the four steps', { skip: existsSync(kLab) ? false : `no ${kLab}: build the lab first` }, () => {
  const served = serveSiteAround();

  const open = async (query = '', size = {}) => {
    const opened = await openPage(served.browser, `${served.site.url}${query}`, size);
    await ready(opened.page);
    return opened;
  };

  it('starts with a random phrase of 50 capitals and writes a typed one in capitals on leaving it', async () => {
    const opened = await open();
    const { page } = opened;
    const phrase = page.locator('#txtPhrase');
    assert.match(await phrase.inputValue(), /^[A-Z ]{50}$/);
    await phrase.fill('methinks it is like a weasel');
    assert.equal(await phrase.inputValue(), 'methinks it is like a weasel');
    await page.keyboard.press('Tab');
    assert.equal(await phrase.inputValue(), 'METHINKS IT IS LIKE A WEASEL');
    await auditClean(page, 'Step One');
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('fills the browser window with the form at its proportions, its capitals at least 20 px on 1920x1080', async () => {
    for (const [width, height] of [
      [1920, 1080],
      [1280, 800],
      [1024, 768],
    ]) {
      const opened = await open(`?phrase=${encodeURIComponent(kPhrase)}`, { width, height });
      const { page } = opened;
      const measured = await page.evaluate(() => {
        const form = document.querySelector('.form').getBoundingClientRect();
        const root = document.querySelector('#app').getBoundingClientRect();
        const label = document.querySelector('#Label2');
        const style = getComputedStyle(label);
        const context = document.createElement('canvas').getContext('2d');
        context.font = `${style.fontSize} ${style.fontFamily}`;
        const capital = context.measureText('H').actualBoundingBoxAscent;
        const zoom = form.width / document.querySelector('.form').offsetWidth;
        return { form, root, capital: capital * zoom };
      });
      // Letterboxed: one side of the form meets the window's, the other fits inside it.
      const fillsWidth = Math.abs(measured.form.width - measured.root.width) < 2;
      const fillsHeight = Math.abs(measured.form.height - measured.root.height) < 2;
      assert.ok(fillsWidth || fillsHeight, `${width}x${height}: the form fills the window on one side`);
      assert.ok(measured.form.width <= measured.root.width + 1 && measured.form.height <= measured.root.height + 1);
      if (width === 1920) {
        assert.ok(measured.capital >= 20, `capitals ${measured.capital.toFixed(1)} px tall at 1920x1080`);
      }
      assertNoProblems(opened);
      await opened.context.close();
    }
  });

  it('measures the rate in the page and fills the estimate as the lab writes it for that rate', async () => {
    const opened = await open(`?phrase=${encodeURIComponent(kPhrase)}&step=2`);
    const { page } = opened;
    await page.locator('#Page1').getByRole('button', { name: 'Go' }).click();
    await page.waitForFunction(() => document.querySelector('#txtRndString').value !== '', null, {
      timeout: 20_000,
    });
    const rate = await page.locator('#txtRndString').inputValue();
    assert.match(rate, /^[0-9]+$/);
    // 27 to the 11th, in the window's 15 digits.
    assert.equal(await page.locator('#txtNumString').inputValue(), '5.55906056655552E+15');
    // The time boxes follow from the rate by the engine's own division.
    const seconds = Number(await page.locator('#txtTime').inputValue());
    assert.ok(Math.abs((seconds * Number(rate)) / 27 ** 11 - 1) < 1e-6);
    assert.match(await page.locator('#txtTimeYear').inputValue(), /^ [0-9.E+-]+$/);
    await auditClean(page, 'Step Two');
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('runs a seeded trial whose best string is the lab\'s', async () => {
    const expected = labJson('trial', kPhrase, '--seed', '7', '--strings', '3000', '--runs', '1');
    const opened = await open(`?phrase=${encodeURIComponent(kPhrase)}&step=3&seed=7`);
    const { page } = opened;
    assert.equal(await page.locator('#txtTargetString').inputValue(), kPhrase);
    await page.locator('#txtNumGenerat').fill('3000');
    await page.locator('#Page2').getByRole('button', { name: 'Go' }).click();
    await page.waitForFunction(() => document.querySelector('#txtBestString').value !== '', null, {
      timeout: 20_000,
    });
    assert.equal(await page.locator('#txtBestString').inputValue(), expected.best.string);
    assert.equal(await page.locator('#txtNumCorrect').inputValue(), String(expected.best.correct));
    assert.match(await page.locator('#txtTimeGen').inputValue(), /^[0-9.E+-]+$/);
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('refuses a count too large for one trial with the window\'s words', async () => {
    const opened = await open(`?phrase=${encodeURIComponent(kPhrase)}&step=3`);
    const { page } = opened;
    await page.locator('#txtNumGenerat').fill('1E+999');
    await page.locator('#Page2').getByRole('button', { name: 'Go' }).click();
    assert.match(await answerMessage(page), /too large\. One trial makes at most 2,147,483,647 strings/);
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('cancels a trial at once and keeps its best string so far', async () => {
    const opened = await open(`?phrase=${encodeURIComponent('X'.repeat(2000))}&step=3`);
    const { page } = opened;
    await page.locator('#txtNumGenerat').fill('2000000000');
    await page.locator('#Page2').getByRole('button', { name: 'Go' }).click();
    const progress = page.locator('#runProgressDialog');
    await progress.waitFor();
    await page.waitForFunction(() => /Best so far/.test(document.querySelector('#progressLabel')?.textContent ?? ''));
    await auditClean(page, 'the trial\'s progress');
    const asked = Date.now();
    await progress.getByRole('button', { name: 'Cancel' }).click();
    const message = await answerMessage(page);
    assert.ok(Date.now() - asked < 2000, 'the trial ended within moments of Cancel');
    assert.match(message, /The trial was cancelled after [0-9,]+ of 2,000,000,000 strings/);
    assert.equal((await page.locator('#txtBestString').inputValue()).length, 2000);
    assertNoProblems(opened);
    await opened.context.close();
  });

  for (const [number, key] of [
    [1, 'attenuating'],
    [2, 'serial'],
    [3, 'sequential'],
  ]) {
    it(`runs scheme ${number} seeded as the lab's first run, its figures and log byte for byte`, async () => {
      const expected = labRun(kPhrase, key, 1);
      const opened = await open(`?phrase=${encodeURIComponent(kPhrase)}&step=4&scheme=${number}&seed=1`);
      const { page } = opened;
      assert.equal(await page.locator('#txtTarget').inputValue(), kPhrase);
      assert.equal(await page.locator('#txtInitialGuess').inputValue(), expected.row.firstString);
      assert.ok(await page.locator(`#Option${number}`).isChecked());
      await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
      await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, {
        timeout: 30_000,
      });
      assert.equal(await page.locator('#txtNumGen').inputValue(), String(expected.row.generations));
      assert.equal(await page.locator('#txtTotal').inputValue(), String(expected.row.strings));
      assert.ok((await storedLog(page)).equals(expected.log), 'the stored log is the lab\'s');
      await closeLiveView(page);

      await page.getByRole('button', { name: 'View Text File' }).click();
      const viewer = page.getByRole('dialog', { name: 'Generation log' });
      await viewer.waitFor();
      const shown = await viewer.locator('pre').innerText();
      assert.equal(shown.split('\n')[0].trimEnd(), expected.log.toString('latin1').split('\r\n')[0].trimEnd());
      assert.equal(await viewer.getByRole('link', { name: 'Download' }).getAttribute('download'), 'generation.log');
      await auditClean(page, 'the log viewer');
      await page.keyboard.press('Escape');
      await viewer.waitFor({ state: 'detached' });
      assertNoProblems(opened);
      await opened.context.close();
    });
  }

  it('runs Step Four, shows its log and its help with the keyboard alone', async () => {
    const expected = labRun(kPhrase, 'serial', 1);
    const opened = await open(`?phrase=${encodeURIComponent(kPhrase)}&scheme=2&seed=1`);
    const { page } = opened;
    const focusedRole = () => page.evaluate(() => document.activeElement?.getAttribute('role'));
    for (let presses = 0; presses < 30 && (await focusedRole()) !== 'tab'; ++presses) {
      await page.keyboard.press('Tab');
    }
    assert.equal(await focusedRole(), 'tab', 'Tab reaches the strip of steps');
    for (let step = 0; step < 3; ++step) {
      await page.keyboard.press('ArrowRight');
    }
    assert.equal(await page.getByRole('tab', { selected: true }).innerText(), 'Step Four');
    assert.equal(await page.locator('#txtInitialGuess').inputValue(), expected.row.firstString);
    await page.keyboard.press('Alt+G');
    await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, {
      timeout: 30_000,
    });
    assert.equal(await page.locator('#txtNumGen').inputValue(), String(expected.row.generations));
    await closeLiveView(page, { key: true });
    await page.keyboard.press('Alt+V');
    const viewer = page.getByRole('dialog', { name: 'Generation log' });
    await viewer.waitFor();
    await page.keyboard.press('Escape');
    await viewer.waitFor({ state: 'detached' });
    await page.locator('#txtTarget').focus();
    await page.keyboard.press('F1');
    const help = page.getByRole('dialog').filter({ hasText: 'target string' });
    await help.first().waitFor();
    await page.keyboard.press('Escape');
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('refuses a target no random string can match, naming the place, and says when there is no log', async () => {
    const opened = await open(`?phrase=${encodeURIComponent('HELLO')}&step=4&scheme=2`);
    const { page } = opened;
    await page.getByRole('button', { name: 'View Text File' }).click();
    assert.match(await answerMessage(page), /There is no generation log yet/);
    await page.locator('#txtTarget').fill('HELLO, WORLD');
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    const message = await answerMessage(page);
    assert.match(message, /The target holds "," at position 6, which is neither a capital letter/);
    assert.equal(await page.locator('#txtNumGen').inputValue(), '');
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('asks before a long run of scheme 3 with its expected cost, and starts nothing when declined', async () => {
    const phrase = 'A'.repeat(40);
    const opened = await open(`?phrase=${phrase}&step=4&scheme=3`);
    const { page } = opened;
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    const question = page.getByRole('alertdialog');
    await question.waitFor({ timeout: 20_000 });
    const text = await question.innerText();
    assert.match(text, /This run of scheme 3 is likely to be long\. Each generation finishes the run with a chance of 1 in [0-9,.]+/);
    assert.match(text, /a generation log of about [0-9.]+ [kMGTPE]?B/);
    await auditClean(page, 'the long-run question');
    await question.getByRole('button', { name: "Don't start" }).click();
    assert.equal(await page.locator('#txtTotal').inputValue(), '');
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('asks before a run whose log would not fit the storage the browser leaves the site', async () => {
    const opened = await openPage(served.browser, `${served.site.url}?phrase=${'D'.repeat(20)}&step=4&scheme=3`);
    const { page } = opened;
    await page.addInitScript(() => {
      navigator.storage.estimate = async () => ({ quota: 1_500_000, usage: 500_000 });
    });
    await page.reload();
    await ready(page);
    // The first load, cut short by the reload, is not what is tested.
    opened.problems.length = 0;
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    const question = page.getByRole('alertdialog');
    await question.waitFor({ timeout: 20_000 });
    assert.match(await question.innerText(), /The drive of the generation log has only 1\.0 MB free, less than the log is expected to need/);
    await question.getByRole('button', { name: "Don't start" }).click();
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('cancels a run within moments and keeps its counts, the log whole to the last line', async () => {
    const opened = await open(`?phrase=${'B'.repeat(60)}&step=4&scheme=3`);
    const { page } = opened;
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    const question = page.getByRole('alertdialog');
    await question.waitFor({ timeout: 20_000 });
    await question.getByRole('button', { name: 'Start the run' }).click();
    const progress = page.locator('#liveView');
    await page.waitForFunction(() => /Generation: [1-9]/.test(document.querySelector('#liveFigures')?.textContent ?? ''));
    const asked = Date.now();
    await progress.getByRole('button', { name: 'Cancel' }).click();
    const message = await answerMessage(page);
    assert.ok(Date.now() - asked < 2000);
    assert.match(message, /The run was stopped in generation [0-9,]+, before a match was found/);
    assert.equal(await page.locator('#txtNumGen').inputValue(), '');
    assert.match(await page.locator('#txtTotal').inputValue(), /^[0-9]+$/);
    const log = (await storedLog(page)).toString('latin1');
    assert.ok(log.length > 0 && log.endsWith('\r\n'), 'the log ends with a whole line');
    const stoppedIn = Number(/generation ([0-9,]+)/.exec(message)[1].replaceAll(',', ''));
    assert.equal(log.split('\r\n').length - 1, stoppedIn, 'a line for every generation the run was stopped after');
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('takes a link\'s phrase as text and notes each value it could not use', async () => {
    const phrase = '<img src=x onerror=alert(1)><script>alert(2)</script> Grüße 猫';
    const opened = await open(
      `?phrase=${encodeURIComponent(phrase)}&step=9&scheme=7&seed=-1&colour=red`,
    );
    const { page } = opened;
    assert.equal(await page.locator('#txtPhrase').inputValue(), '<IMG SRC=X ONERROR=ALERT(1)><SCRIPT>ALERT(2)</SCRIPT> GRÜßE 猫');
    assert.equal(await page.locator('img[src="x"]').count(), 0);
    assert.equal(await page.locator('#app script').count(), 0);
    const notes = await page.locator('#link-notes').innerText();
    assert.match(notes, /The link's step "9" was ignored: the steps are 1 to 4\./);
    assert.match(notes, /The link's scheme "7" was ignored: the schemes are 1, 2 and 3\./);
    assert.match(notes, /The link's seed "-1" was ignored/);
    assert.match(notes, /The link's setting "colour" is not one this page knows/);
    const long = await open(`?phrase=${'A'.repeat(2001)}`);
    assert.match(await long.page.locator('#link-notes').innerText(), /The link's phrase was ignored: it is longer than 2,000 characters\./);
    assert.match(await long.page.locator('#txtPhrase').inputValue(), /^[A-Z ]{50}$/);
    assertNoProblems(opened);
    await opened.context.close();
    await long.context.close();
  });

  it('copies a link to the set-up that opens the same phrase, step and scheme', async () => {
    const opened = await open(`?phrase=${encodeURIComponent(kPhrase)}&step=4&scheme=2&seed=5`);
    const { page, context } = opened;
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: served.site.url });
    await page.getByRole('button', { name: 'Copy link' }).click();
    await page.waitForFunction(() => document.querySelector('#copy-link-said')?.textContent !== '');
    const link = new URL(await page.evaluate(() => navigator.clipboard.readText()));
    assert.equal(link.searchParams.get('phrase'), kPhrase);
    assert.equal(link.searchParams.get('step'), '4');
    assert.equal(link.searchParams.get('scheme'), '2');
    assert.equal(link.searchParams.get('seed'), '5');
    assertNoProblems(opened);
    await context.close();
  });

  it('ends on Quit, with any run stopped, and says so', async () => {
    const opened = await open(`?phrase=${'C'.repeat(2000)}&step=3`);
    const { page } = opened;
    await page.locator('#txtNumGenerat').fill('2000000000');
    await page.locator('#Page2').getByRole('button', { name: 'Go' }).click();
    await page.locator('#runProgressDialog').waitFor();
    await page.evaluate(() => document.querySelector('#Command3').click());
    await page.getByText('Quarrow has ended. Reload the page to start it again.').waitFor();
    assert.equal(await page.locator('#runProgressDialog').count(), 0);
    assert.equal(await page.locator('#txtPhrase').count(), 0);
    assertNoProblems(opened);
    await opened.context.close();
  });
});

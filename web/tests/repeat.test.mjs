// The Repeat view in the page: a seeded batch's table and CSV are the lab's for the same seed
// and runs, the guess is placed in words, Cancel keeps a finished prefix, both saves download
// what the view shows, and the view works by keyboard alone with a clean audit.
import { describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { assertNoProblems, audit, describeViolations, openPage, repoRoot, serveSiteAround } from './browser.mjs';

const kLab = process.env.QUARROW_LAB ?? join(repoRoot, 'build/release/lab/quarrow-lab');

function lab(...args) {
  return execFileSync(kLab, args, { encoding: 'utf8' });
}

/** The lab's text report's generations rows: caption, runs, seven figures and the expected. */
function labTable(text) {
  const rows = [];
  for (const line of text.split('\n')) {
    const match = /^(\d: [A-Za-z ]+?)\s{2,}(\d+)\s+generations\s+(.*)$/.exec(line);
    if (!match) continue;
    const rest = match[3].trim();
    const cells = rest.split(/\s{2,}/);
    rows.push([match[1], match[2], ...cells]);
  }
  return rows;
}

/** CSV rows without their seconds, which are measured and so differ from run to run. */
function withoutSeconds(csv) {
  return csv
    .trim()
    .split('\n')
    .filter((line) => line !== '' && !/,seconds,/.test(line))
    .map((line) => (line.startsWith('run,') || /^\d+,/.test(line) ? line.replace(/,[^,]*$/, '') : line));
}

async function openRepeatView(served, phrase, seed, viewport) {
  const opened = await openPage(
    served.browser,
    `${served.site.url}?phrase=${encodeURIComponent(phrase)}&step=4&view=repeat&seed=${seed}`,
    viewport,
  );
  await opened.page.waitForSelector('#repeat-view[data-ready="true"]');
  return opened;
}

async function runBatch(page, { runs, schemes = [1, 2, 3], guess = '' }) {
  await page.fill('#repeatRunsBox', String(runs));
  for (const n of [1, 2, 3]) {
    await page.setChecked(`#repeatScheme${n}`, schemes.includes(n));
  }
  await page.fill('#repeatGuessBox', guess);
  await page.click('#repeatStartButton');
  await page.waitForSelector('#repeat-view[data-state="done"]', { timeout: 120_000 });
}

async function tableRows(page) {
  return page.$$eval('#repeatTable tbody tr', (rows) =>
    rows.map((row) => [...row.children].map((cell) => cell.textContent)),
  );
}

async function downloaded(page, button) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  return { name: file.suggestedFilename(), text: await readFile(await file.path(), 'utf8'), bytes: await readFile(await file.path()) };
}

describe('the Repeat view', () => {
  const served = serveSiteAround();

  it('gives the lab\'s table and CSV for the same seed and runs, and saves them', async () => {
    const opened = await openRepeatView(served, 'HELLO', 42);
    const { page } = opened;
    await runBatch(page, { runs: 30 });
    const expected = labTable(lab('compare', 'HELLO', '--seed', '42', '--runs', '30'));
    assert.equal(expected.length, 3);
    assert.deepEqual(await tableRows(page), expected);
    const data = await downloaded(page, '#repeatSaveDataButton');
    assert.match(data.name, /^HELLO-3-schemes-30-runs-seed-42\.csv$/);
    const [perRun, summary] = data.text.split('\n\n');
    assert.deepEqual(withoutSeconds(perRun), withoutSeconds(lab('compare', 'HELLO', '--seed', '42', '--runs', '30', '--per-run')));
    assert.deepEqual(withoutSeconds(summary), withoutSeconds(lab('compare', 'HELLO', '--seed', '42', '--runs', '30', '--csv')));
    // The chart, whole and titled, in both forms.
    await page.click('#repeatSaveButton');
    const svg = await downloaded(page, '#repeatSaveSvg');
    assert.match(svg.name, /\.svg$/);
    assert.match(svg.text, /<title>Generations per run for &quot;HELLO&quot;: 1: Attenuating Selection, 2: Serial Selection, 3: Sequential Selection, 30 runs each, seed 42<\/title>/);
    assert.equal((svg.text.match(/<polyline/g) ?? []).length, 3);
    const png = await downloaded(page, '#repeatSavePng');
    assert.match(png.name, /\.png$/);
    assert.deepEqual([...png.bytes.subarray(1, 4)], [0x50, 0x4e, 0x47]);
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('places the guess in each scheme\'s law in words', async () => {
    const opened = await openRepeatView(served, 'HELLO', 7);
    const { page } = opened;
    await runBatch(page, { runs: 20, schemes: [1, 2], guess: '1,000,000' });
    const sentences = await page.$$eval('.repeat-guess', (items) => items.map((item) => item.textContent));
    assert.equal(sentences.length, 2);
    for (const sentence of sentences) {
      assert.match(sentence, /^Your guess of 1,000,000 is above/);
    }
    await runBatch(page, { runs: 20, schemes: [1], guess: '29' });
    const [at] = await page.$$eval('.repeat-guess', (items) => items.map((item) => item.textContent));
    assert.match(at, /^Your guess of 29 is at the \d+(st|nd|rd|th) percentile: \d+ of every 100 runs need at most 29 generations$/);
    // A guess that is not a whole number is named, and the batch is not started.
    await page.fill('#repeatGuessBox', '3O');
    await page.click('#repeatStartButton');
    assert.match(await page.textContent('#repeatStatus'), /whole number of generations/);
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('keeps the finished prefix of a cancelled batch', async () => {
    const opened = await openRepeatView(served, 'METHINKS IT IS LIKE A WEASEL', 3);
    const { page } = opened;
    await page.fill('#repeatRunsBox', '100000');
    await page.setChecked('#repeatScheme3', false);
    await page.click('#repeatStartButton');
    await page.waitForFunction(() => Number(document.querySelector('#repeatProgress').value) > 20);
    await page.click('#repeatCancelButton');
    await page.waitForSelector('#repeat-view[data-state="done"]');
    const rows = await tableRows(page);
    const finished = rows.map((row) => Number(row[1]));
    assert.ok(finished[0] > 0 && finished[0] < 100000, `${finished}`);
    // Both schemes cover the same runs 0 to n - 1, as the lab's interrupted batch does.
    assert.equal(finished[0], finished[1]);
    const title = await page.textContent('#repeatChartTitle');
    assert.match(title, /interrupted/);
    const data = await downloaded(page, '#repeatSaveDataButton');
    const runs = data.text.split('\n\n')[0].trim().split('\n').slice(1).map((line) => Number(line.split(',')[0]));
    assert.equal(runs.length, 2 * finished[0]);
    assert.equal(Math.max(...runs), finished[0] - 1);
    const expected = labTable(lab('evolve', 'METHINKS IT IS LIKE A WEASEL', '--seed', '3', '--runs', String(finished[0]), '--scheme', 'attenuating'));
    assert.deepEqual(rows[0].slice(2), expected[0].slice(2));
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('works by keyboard alone and passes the audit', async () => {
    const opened = await openRepeatView(served, 'CAT', 5);
    const { page } = opened;
    assert.equal(await page.evaluate(() => document.activeElement.id), 'repeatRunsBox');
    await page.keyboard.press('Control+A');
    await page.keyboard.type('12');
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'repeatSeedBox');
    await page.keyboard.press('Tab');
    await page.keyboard.type('3');
    let guard = 0;
    while ((await page.evaluate(() => document.activeElement.id)) !== 'repeatStartButton' && guard++ < 20) {
      await page.keyboard.press('Tab');
    }
    await page.keyboard.press('Enter');
    await page.waitForSelector('#repeat-view[data-state="done"]');
    assert.equal((await tableRows(page)).length, 3);
    assert.equal(await page.$$eval('.repeat-guess', (items) => items.length), 3);
    const violations = await audit(page);
    assert.equal(violations.length, 0, describeViolations(violations));
    await page.keyboard.press('Escape');
    assert.equal(await page.$('#repeat-view'), null);
    assertNoProblems(opened);
    await opened.context.close();
  });
});

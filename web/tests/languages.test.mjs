// The page in each shipped language: the browser's by default, a link's lang, the chooser in the
// bar switching the window, the help and an open live view at once, every language's captions
// whole in the form, and the audit clean in German.
import { describe, it } from 'node:test';
import assert from 'node:assert/strict';
import {
  assertNoProblems,
  audit,
  describeViolations,
  openPage,
  serveSiteAround,
} from './browser.mjs';

const kLanguages = ['en', 'de', 'fr', 'es', 'pt_BR'];

/** Chooses `code` in the bar's chooser, or, behind a modal view, as the chooser's change does. */
async function choose(page, code) {
  await page.evaluate((value) => {
    const select = document.querySelector('#language');
    select.value = value;
    select.dispatchEvent(new Event('change'));
  }, code);
}

/** Every caption of the form that is cut or runs into another control, on every page. */
async function captionFaults(page) {
  const faults = [];
  for (let tab = 0; tab < 4; ++tab) {
    await page.locator(`#tabWidget-tab${tab}, .tab-strip [role="tab"]`).nth(tab).click();
    faults.push(
      ...(await page.evaluate(() => {
        const found = [];
        const shown = (element) => element.getClientRects().length > 0 && getComputedStyle(element).visibility !== 'hidden';
        const captions = [...document.querySelectorAll('.form .QLabel, .form .QPushButton, .form .option label, .form .tab')]
          .filter((element) => shown(element) && (element.textContent ?? '').trim() !== '');
        const controls = [...document.querySelectorAll('.form .placed, .form .tab')]
          .filter((element) => shown(element) && element.getAttribute('aria-hidden') !== 'true');
        for (const caption of captions) {
          const text = caption.textContent.trim();
          if (caption.scrollWidth > caption.clientWidth + 1 || caption.scrollHeight > caption.clientHeight + 1) {
            found.push(`"${text}" is cut`);
            continue;
          }
          // The text's own extent, not its box's.
          const range = document.createRange();
          range.selectNodeContents(caption);
          const ink = range.getBoundingClientRect();
          const own = caption.closest('.placed, .tab');
          for (const other of controls) {
            if (other === own || other.contains(own) || own?.contains(other) || other.classList.contains('QGroupBox')
              || other.classList.contains('QFrame') || other.closest('.page') !== own?.closest('.page')) continue;
            const box = other.getBoundingClientRect();
            const overlap = Math.min(ink.right, box.right) - Math.max(ink.left, box.left) > 1
              && Math.min(ink.bottom, box.bottom) - Math.max(ink.top, box.top) > 1;
            if (overlap) found.push(`"${text}" runs into ${other.id || other.className}`);
          }
        }
        return found;
      })),
    );
  }
  return faults;
}

describe('the page in each language', () => {
  const served = serveSiteAround();
  const open = async (query = '', options = {}) => {
    const opened = await openPage(served.browser, `${served.site.url}${query}`, options);
    await opened.page.waitForSelector('body[data-ready="true"]');
    return opened;
  };

  it('speaks the browser\'s language by default, and a link\'s lang before it', async () => {
    for (const [locale, query, expected, caption] of [
      ['de-DE', '', 'de', 'Schritt'],
      ['de-AT', '', 'de', 'Schritt'],
      ['pt-PT', '', 'pt-BR', 'Passo'],
      ['it-IT', '', 'en', 'Step One'],
      ['de-DE', '?lang=fr', 'fr', 'Étape'],
    ]) {
      const opened = await open(query, { locale });
      const { page } = opened;
      assert.equal(await page.evaluate(() => document.documentElement.lang), expected, `${locale} ${query}`);
      assert.match(await page.locator('.tab').first().innerText(), new RegExp(caption), `${locale} ${query}`);
      assertNoProblems(opened);
      await opened.context.close();
    }
    const opened = await open('?lang=xx', { locale: 'en-US' });
    assert.match(await opened.page.locator('#link-notes').innerText(), /language "xx" was ignored/);
    await opened.context.close();
  });

  it('switches the window, the open help and an open live view at once', async () => {
    const opened = await open('?phrase=HELLO&step=4&scheme=2&seed=1');
    const { page } = opened;
    const chooser = page.locator('#language');
    assert.equal(await page.locator('label[for="language"]').innerText(), 'Language');
    assert.deepEqual(
      await chooser.locator('option').allInnerTexts(),
      ['English', 'Deutsch', 'Français', 'Español', 'Português (Brasil)'],
    );
    await chooser.selectOption('de');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
    assert.equal(await page.locator('label[for="language"]').innerText(), 'Sprache');
    assert.doesNotMatch(await page.locator('.tab').first().innerText(), /Step/);
    await chooser.selectOption('en');
    assert.match(await page.locator('.tab').first().innerText(), /Step One/);

    // The help, open on a topic, shows the same topic in the new language.
    await page.keyboard.press('F1');
    const viewer = page.locator('#helpViewer');
    await viewer.waitFor();
    const english = await page.locator('#helpBrowser').innerText();
    await choose(page, 'es');
    await page.waitForFunction((before) => document.querySelector('#helpBrowser').innerText !== before, english);
    assert.match(await page.locator('#helpViewer-title').innerText(), /Ayuda|Quarrow/);
    await page.keyboard.press('Escape');

    // The live view, paused, writes its captions and its figures again.
    await choose(page, 'en');
    // A generation a second: the run is still going when Space pauses it.
    await page.evaluate(() => localStorage.setItem('quarrow.liveView', JSON.stringify({ speed: 1, keepOpen: true })));
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    await page.locator('#liveView').waitFor();
    await page.keyboard.press('Space');
    await page.locator('#livePause', { hasText: 'Resume' }).waitFor();
    await choose(page, 'fr');
    await page.waitForFunction(() => !/Resume/.test(document.querySelector('#livePause').textContent));
    const figures = await page.locator('#liveFigures').innerText();
    assert.doesNotMatch(figures, /Generation:/, figures);
    assert.doesNotMatch(await page.locator('#liveView').innerText(), /Offspring of this generation|Blind search:/);
    assertNoProblems(opened);
    await opened.context.close();
  });

  it('keeps every caption whole and clear of the other controls in every language', async () => {
    const faults = [];
    for (const [width, height] of [
      [1280, 800],
      [1920, 1080],
      [1024, 768],
    ]) {
      const opened = await open('?phrase=HELLO', { width, height });
      for (const code of kLanguages) {
        await choose(opened.page, code);
        faults.push(...(await captionFaults(opened.page)).map((fault) => `${code} ${width}x${height}: ${fault}`));
      }
      await opened.context.close();
    }
    assert.deepEqual(faults, []);
  });

  it('passes the accessibility audit in German', async () => {
    const opened = await open('?phrase=HELLO', { locale: 'de-DE' });
    const violations = await audit(opened.page);
    assert.equal(violations.length, 0, describeViolations(violations));
    assertNoProblems(opened);
    await opened.context.close();
  });

  /** A seeded run of `phrase` with scheme 2, finished in the live view and kept open. */
  const finishedRun = async (language) => {
    const opened = await open(`?phrase=HELLO%20WORLD&step=4&scheme=2&seed=7&lang=${language}`);
    const { page } = opened;
    await page.evaluate(() => localStorage.setItem('quarrow.liveView', JSON.stringify({ speed: 0, keepOpen: true })));
    await page.locator('#Command2').click();
    await page.locator('#liveRepeat').waitFor();
    return opened;
  };

  /** What the view shows and says, every figure a "#": times and rates differ from run to run. */
  const viewText = (page) =>
    page.evaluate(() => {
      const view = document.querySelector('#liveView');
      const chart = document.querySelector('#liveChart');
      const said = [view.innerText, chart.getAttribute('aria-label'), document.querySelector('#liveBlindBest').getAttribute('aria-description')];
      return said.join('\n').replace(/\d(?:[\d.,\u00a0]*\d)?/g, '#');
    });

  const storedLog = (page) =>
    page.evaluate(async () => {
      const root = await navigator.storage.getDirectory();
      const file = await (await root.getFileHandle('generation.log')).getFile();
      return [...new Uint8Array(await file.arrayBuffer())].join(',');
    });

  it('shows a finished live view switched to a language as one run in it, with its figures in its forms and the same log', async () => {
    const english = await finishedRun('en');
    const englishLog = await storedLog(english.page);
    for (const code of ['de', 'fr', 'es', 'pt_BR']) {
      const native = await finishedRun(code);
      const expected = await viewText(native.page);
      assert.equal(await storedLog(native.page), englishLog, `the log of a run in ${code}`);
      if (code === 'de') {
        // Thousands with a point, decimals with a comma, the unit its own; no English forms.
        const figures = await native.page.locator('#liveFigures').innerText();
        assert.match(figures, /\b\d{1,3}\.\d{3}\b/, figures);
        assert.doesNotMatch(figures, /\d,\d{3}\b|\d\.\d{1,2}\b|bytes/, figures);
      }
      assertNoProblems(native);
      await native.context.close();

      // The English view, switched by the chooser inside it: the bar's is behind the view.
      await english.page.locator('#liveLanguage').selectOption(code);
      assert.equal(await viewText(english.page), expected, `the live view switched to ${code}`);
    }
    assertNoProblems(english);
    await english.context.close();
  });

  it('reaches the language from inside the help and the Repeat view, and writes their texts again', async () => {
    const opened = await open('?phrase=HELLO&step=4&view=repeat');
    const { page } = opened;
    await page.locator('#repeat-view').waitFor();
    await page.locator('#repeatLanguage').focus();
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
    const heading = await page.locator('#repeat-heading').innerText();
    assert.doesNotMatch(heading, /^Repeat:/);
    assert.doesNotMatch(await page.locator('#repeat-view').innerText(), /\bRuns\b|Guess|Start\b/, heading);
    await page.locator('#repeatClose').click();
    await page.keyboard.press('F1');
    await page.locator('#helpViewer').waitFor();
    const german = await page.locator('#helpBrowser').innerText();
    await page.locator('#helpLanguage').selectOption('fr');
    await page.waitForFunction((before) => document.querySelector('#helpBrowser').innerText !== before, german);
    assert.equal(await page.locator('#language').inputValue(), 'fr');
    assert.equal(await page.locator('label[for="helpLanguage"]').innerText(), 'Langue');
    assertNoProblems(opened);
    await opened.context.close();
  });
});

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
});

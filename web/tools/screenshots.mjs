// Screenshots of the page for docs/: each step at 1280x800, 1920x1080 and 1024x768, a step's run
// finished, the trial's progress, the long-run question, the log viewer, the help and the offer
// of a new version, as a user sees them in Debian's Chromium.
//
//   node web/tools/screenshots.mjs [FOLDER]      (docs/ by default; the site must be built)
//
// QUARROW_SHOTS=languages takes, in each shipped language but English, every step, the live view
// held and done, the Repeat view and the help as the page opened in the language shows them
// (web-step-one-de-1280x800.png, web-step-four-done-de-..., web-live-view-held-de-...; German
// at all three sizes), and Step Four, the paused live
// view and the Repeat view as an English page switched by its chooser shows them
// (web-step-four-de-1280x800.png, web-live-view-paused-de-..., web-repeat-de-...).
import { appendFile, cp, mkdir, mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { launchBrowser, openPage, repoRoot, siteRoot, startSite } from '../tests/browser.mjs';
import { writeSiteVersion } from './site_version.mjs';

const folder = resolve(process.argv[2] ?? join(repoRoot, 'docs'));
await mkdir(folder, { recursive: true });
const site = await startSite();
const browser = await launchBrowser();
const phrase = encodeURIComponent('METHINKS IT IS LIKE A WEASEL');

// The bar's offer of a new version: a copy of the site, visited once, then changed under the
// page, which finds the new build on its reload.
async function updateOfferShots() {
  const copy = await mkdtemp(join(tmpdir(), 'quarrow-site-'));
  await cp(siteRoot, copy, { recursive: true });
  const served = await startSite({ root: copy });
  try {
    for (const size of [
      { width: 1280, height: 800 },
      { width: 1920, height: 1080 },
      { width: 1024, height: 768 },
    ]) {
      const { page, context } = await openPage(browser, `${served.url}?phrase=${phrase}`, size);
      await page.waitForSelector('body[data-ready="true"]');
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 30_000 });
      await appendFile(join(copy, 'quarrow.css'), '\n');
      await writeSiteVersion(copy);
      await page.reload();
      await page.waitForSelector('#update-offer', { timeout: 30_000 });
      await page.waitForTimeout(300);
      const path = join(folder, `web-update-offer-${size.width}x${size.height}.png`);
      await page.screenshot({ path });
      console.log(path);
      await context.close();
    }
  } finally {
    await served.close();
    await rm(copy, { recursive: true, force: true });
  }
}

async function shot(name, query, size, act = async () => {}, language = null, { switched = true } = {}) {
  const opened = switched || language === null ? query : `${query}${query.includes('?') ? '&' : '?'}lang=${language}`;
  const { page, context } = await openPage(browser, `${site.url}${opened}`, size);
  await page.waitForSelector('body[data-ready="true"]');
  await act(page);
  if (language !== null && switched) {
    // The bar's chooser sits behind a modal view; its change is what the user's choice sends.
    await page.evaluate((code) => {
      const select = document.querySelector('#language');
      select.value = code;
      select.dispatchEvent(new Event('change'));
    }, language);
    await page.waitForTimeout(300);
  }
  await page.waitForTimeout(300);
  const path = join(folder, `web-${language === null ? name : `${name}-${language}`}-${size.width}x${size.height}.png`);
  await page.screenshot({ path });
  console.log(path);
  await context.close();
}

/** Closes the live view a finished run leaves over the page. */
async function closeLiveView(page) {
  await page.locator('#liveView').getByRole('button', { name: 'Close' }).click();
  await page.locator('#liveView').waitFor({ state: 'detached' });
}

/** The live view of a run: held with its offspring in sight, and finished, for each scheme that
 * shows them differently (the parent's letters, the growing prefix). */
async function liveViewShots(size, language = null) {
  const slow = async (page) => {
    await page.evaluate(() => localStorage.setItem('quarrow.liveView', JSON.stringify({ keepOpen: true, speed: 16 })));
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    await page.waitForFunction(() => /Offspring of generation [3-9]/.test(document.querySelector('#liveOffspringTitle')?.textContent ?? ''));
    await page.keyboard.press('Space');
    await page.locator('#livePause', { hasText: 'Resume' }).waitFor();
    await page.waitForTimeout(400);
  };
  await shot('live-view-paused', `?phrase=${phrase}&step=4&scheme=1&seed=1`, size, slow, language);
  if (language !== null) return;
  await shot('live-view-scheme3-paused', `?phrase=${encodeURIComponent('HELLO WORLD')}&step=4&scheme=3&seed=1`, size, slow);
  await shot('live-view-finished', `?phrase=${phrase}&step=4&scheme=2&seed=1`, size, async (page) => {
    await page.evaluate(() => localStorage.setItem('quarrow.liveView', JSON.stringify({ keepOpen: true, speed: 0 })));
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    await page.locator('#liveBlindEnding').waitFor({ timeout: 60_000 });
  });
}

/** The Repeat view after a finished batch of schemes 1 and 2 with a guess, at each size. */
async function repeatShots(language = null) {
  const sizes = [
    { width: 1280, height: 800 },
    { width: 1920, height: 1080 },
    { width: 1024, height: 768 },
  ];
  for (const size of language === null ? sizes : sizes.slice(0, 1)) {
    await shot('repeat', `?phrase=${phrase}&step=4&view=repeat&seed=42`, size, async (page) => {
      await page.waitForSelector('#repeat-view[data-ready="true"]');
      await page.fill('#repeatRunsBox', '1000');
      await page.setChecked('#repeatScheme3', false);
      await page.fill('#repeatGuessBox', '80');
      await page.click('#repeatStartButton');
      await page.waitForSelector('#repeat-view[data-state="done"]', { timeout: 60_000 });
    }, language);
  }
}

/**
 * Every step with its result, the live view held and finished, the Repeat view and the help, in
 * each language but English, as the page opened in that language shows them (at 1280x800; in
 * German at the other two sizes too), and Step Four, the held live view and the Repeat view as an
 * English page switched by the chooser shows them.
 */
async function languageShots() {
  const sizes = [
    { width: 1280, height: 800 },
    { width: 1920, height: 1080 },
    { width: 1024, height: 768 },
  ];
  const native = { switched: false };
  const held = async (page) => {
    await page.evaluate(() => localStorage.setItem('quarrow.liveView', JSON.stringify({ keepOpen: true, speed: 16 })));
    await page.locator('#Command2').click();
    await page.locator('#liveOffspring:not([hidden])').waitFor();
    await page.waitForTimeout(800);
    await page.keyboard.press('Space');
    await page.waitForTimeout(600);
  };
  for (const language of ['de', 'fr', 'es', 'pt_BR']) {
    for (const size of language === 'de' ? sizes : sizes.slice(0, 1)) {
      await shot('step-one', `?phrase=${phrase}`, size, async () => {}, language, native);
      await shot('step-two', `?phrase=${phrase}&step=2`, size, async (page) => {
        await page.locator('#Command8').click();
        await page.waitForFunction(() => document.querySelector('#txtTimeYear').value !== '', null, { timeout: 20_000 });
      }, language, native);
      await shot('step-three', `?phrase=${phrase}&step=3&seed=1`, size, async (page) => {
        await page.locator('#txtNumGenerat').fill('200000');
        await page.locator('#Command4').click();
        await page.waitForFunction(() => document.querySelector('#txtBestString').value !== '', null, { timeout: 60_000 });
      }, language, native);
      await shot('step-four-done', `?phrase=${phrase}&step=4&scheme=2&seed=1`, size, async (page) => {
        await page.locator('#Command2').click();
        await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, { timeout: 60_000 });
        await page.locator('#liveCancel').click();
        await page.locator('#liveView').waitFor({ state: 'detached' });
      }, language, native);
      await shot('live-view-held', `?phrase=${phrase}&step=4&scheme=1&seed=1`, size, held, language, native);
      await shot('live-view-done', `?phrase=${phrase}&step=4&scheme=2&seed=1`, size, async (page) => {
        await page.evaluate(() => localStorage.setItem('quarrow.liveView', JSON.stringify({ keepOpen: true, speed: 0 })));
        await page.locator('#Command2').click();
        await page.locator('#liveBlindEnding').waitFor({ timeout: 60_000 });
      }, language, native);
      await shot('help', `?phrase=${phrase}&step=4`, size, async (page) => {
        await page.locator('#Command15').click();
        await page.waitForTimeout(500);
      }, language, native);
    }
    const size = sizes[0];
    await shot('step-four', `?phrase=${phrase}&step=4&scheme=2&seed=1`, size, async (page) => {
      await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
      await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, {
        timeout: 60_000,
      });
      await closeLiveView(page);
    }, language);
    await liveViewShots(size, language);
    await repeatShots(language);
  }
}

try {
  if (process.env.QUARROW_SHOTS === 'languages') {
    await languageShots();
  } else {
    await repeatShots();
  }
  // QUARROW_SHOTS=repeat takes the Repeat view's shots alone.
  if (!['repeat', 'languages'].includes(process.env.QUARROW_SHOTS ?? '')) await otherShots();
} finally {
  await browser.close();
  await site.close();
}

async function otherShots() {
  for (const size of [
    { width: 1280, height: 800 },
    { width: 1920, height: 1080 },
    { width: 1024, height: 768 },
  ]) {
    await shot('step-one', `?phrase=${phrase}`, size);
    await shot('step-two', `?phrase=${phrase}&step=2`, size, async (page) => {
      await page.locator('#Page1').getByRole('button', { name: 'Go' }).click();
      await page.waitForFunction(() => document.querySelector('#txtTimeYear').value !== '', null, {
        timeout: 20_000,
      });
    });
    await shot('step-three', `?phrase=${phrase}&step=3&seed=1`, size, async (page) => {
      await page.locator('#txtNumGenerat').fill('200000');
      await page.locator('#Page2').getByRole('button', { name: 'Go' }).click();
      await page.waitForFunction(() => document.querySelector('#txtBestString').value !== '', null, {
        timeout: 60_000,
      });
    });
    await shot('step-four', `?phrase=${phrase}&step=4&scheme=2&seed=1`, size, async (page) => {
      await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
      await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, {
        timeout: 60_000,
      });
      await closeLiveView(page);
    });
    await liveViewShots(size);
  }
  const wide = { width: 1920, height: 1080 };
  await shot('trial-progress', `?phrase=${encodeURIComponent('A'.repeat(3000))}&step=3`, wide, async (page) => {
    await page.locator('#txtNumGenerat').fill('2000000000');
    await page.locator('#Page2').getByRole('button', { name: 'Go' }).click();
    await page.waitForFunction(() => /Best so far/.test(document.querySelector('#progressLabel')?.textContent ?? ''));
  });
  await shot('long-run-question', `?phrase=${phrase}&step=4&scheme=3`, wide, async (page) => {
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    await page.getByRole('alertdialog').waitFor({ timeout: 20_000 });
  });
  await shot('log-viewer', `?phrase=${phrase}&step=4&scheme=1&seed=1`, wide, async (page) => {
    await page.locator('#Page3').getByRole('button', { name: 'Go' }).click();
    await page.waitForFunction(() => document.querySelector('#txtNumGen').value !== '', null, {
      timeout: 60_000,
    });
    await closeLiveView(page);
    await page.getByRole('button', { name: 'View Text File' }).click();
    await page.getByRole('dialog', { name: 'Generation log' }).waitFor();
  });
  await shot('help', `?phrase=${phrase}&step=4`, wide, async (page) => {
    await page.locator('#Command15').click();
    await page.waitForTimeout(500);
  });
  await shot('link-notes', `?phrase=${phrase}&step=7&seed=x`, { width: 1280, height: 800 });
  await updateOfferShots();
}

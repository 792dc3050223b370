// Screenshots of the page for docs/: each step at 1280x800, 1920x1080 and 1024x768, a step's run
// finished, the trial's progress, the long-run question, the log viewer and the help, as a user
// sees them in Debian's Chromium.
//
//   node web/tools/screenshots.mjs [FOLDER]      (docs/ by default; the site must be built)
import { mkdir } from 'node:fs/promises';
import { join, resolve } from 'node:path';
import { launchBrowser, openPage, repoRoot, startSite } from '../tests/browser.mjs';

const folder = resolve(process.argv[2] ?? join(repoRoot, 'docs'));
await mkdir(folder, { recursive: true });
const site = await startSite();
const browser = await launchBrowser();
const phrase = encodeURIComponent('METHINKS IT IS LIKE A WEASEL');

async function shot(name, query, size, act = async () => {}) {
  const { page, context } = await openPage(browser, `${site.url}${query}`, size);
  await page.waitForSelector('body[data-ready="true"]');
  await act(page);
  await page.waitForTimeout(300);
  const path = join(folder, `web-${name}-${size.width}x${size.height}.png`);
  await page.screenshot({ path });
  console.log(path);
  await context.close();
}

/** The Repeat view after a finished batch of schemes 1 and 2 with a guess, at each size. */
async function repeatShots() {
  for (const size of [
    { width: 1280, height: 800 },
    { width: 1920, height: 1080 },
    { width: 1024, height: 768 },
  ]) {
    await shot('repeat', `?phrase=${phrase}&step=4&view=repeat&seed=42`, size, async (page) => {
      await page.waitForSelector('#repeat-view[data-ready="true"]');
      await page.fill('#repeatRunsBox', '1000');
      await page.setChecked('#repeatScheme3', false);
      await page.fill('#repeatGuessBox', '80');
      await page.click('#repeatStartButton');
      await page.waitForSelector('#repeat-view[data-state="done"]', { timeout: 60_000 });
    });
  }
}

try {
  await repeatShots();
  // QUARROW_SHOTS=repeat takes the Repeat view's shots alone.
  if (process.env.QUARROW_SHOTS !== 'repeat') await otherShots();
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
    });
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
    await page.getByRole('button', { name: 'View Text File' }).click();
    await page.getByRole('dialog', { name: 'Generation log' }).waitFor();
  });
  await shot('help', `?phrase=${phrase}&step=4`, wide, async (page) => {
    await page.locator('#Command15').click();
    await page.waitForTimeout(500);
  });
  await shot('link-notes', `?phrase=${phrase}&step=7&seed=x`, { width: 1280, height: 800 });
}

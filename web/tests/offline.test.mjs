// The page without a network and as an app: the service worker's cache after a first visit
// (a reload and a teacher's link with the network gone, the engine computing from the cache),
// the isolation it gives a host that sends no such headers (one reload, never a loop), the
// installability Chromium finds, and an update that replaces the cache of the old build.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { appendFile, cp, mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import {
  assertNoProblems,
  audit,
  describeViolations,
  launchBrowser,
  launchProfile,
  openPage,
  repoRoot,
  siteRoot,
  startSite,
} from './browser.mjs';
import { writeSiteVersion } from '../tools/site_version.mjs';

const kLab = process.env.QUARROW_LAB ?? join(repoRoot, 'build/release/lab/quarrow-lab');
const kPhrase = 'HELLO WORLD';

async function ready(page) {
  await page.waitForSelector('body[data-ready="true"]');
}

/** Waits until the service worker controls the page and has its cache filled. */
async function underWorker(page) {
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 30_000 });
  await page.evaluate(() => navigator.serviceWorker.ready);
}

/** The names of the site's caches in the page's origin. */
function siteCaches(page) {
  return page.evaluate(async () => (await caches.keys()).filter((name) => name.startsWith('quarrow-site ')));
}

/** Counts the loads of the page's own document from now on. */
function countLoads(page) {
  const loads = { count: 0 };
  page.on('framenavigated', (frame) => {
    if (frame === page.mainFrame()) loads.count += 1;
  });
  return loads;
}

describe('the page offline and installed', () => {
  let browser;
  before(async () => {
    browser = await launchBrowser();
  });
  after(async () => {
    await browser?.close();
  });

  it('reloads, opens a link and computes a figure with the network gone', async () => {
    const site = await startSite();
    const opened = await openPage(browser, site.url);
    const { page, context } = opened;
    try {
      await ready(page);
      await underWorker(page);
      const version = JSON.parse(
        /self\.quarrowSite = (\{[\s\S]*\});/.exec(await readFile(join(siteRoot, 'site-version.js'), 'utf8'))[1],
      ).version;
      assert.deepEqual(await siteCaches(page), [`quarrow-site ${site.url} ${version}`]);

      // No server and no network at all from here on.
      await site.close();
      await context.setOffline(true);
      await page.reload();
      await ready(page);
      assert.ok(await page.evaluate(() => crossOriginIsolated), 'the page is isolated from the cache');

      await page.goto(`${site.url}?phrase=${encodeURIComponent(kPhrase)}&step=3&seed=7`);
      await ready(page);
      assert.equal(await page.locator('#txtTargetString').inputValue(), kPhrase);
      await page.locator('#txtNumGenerat').fill('3000');
      await page.locator('#Page2').getByRole('button', { name: 'Go' }).click();
      await page.waitForFunction(() => document.querySelector('#txtBestString').value !== '', null, {
        timeout: 20_000,
      });
      if (existsSync(kLab)) {
        const expected = JSON.parse(
          execFileSync(kLab, ['trial', kPhrase, '--seed', '7', '--strings', '3000', '--runs', '1', '--json'], {
            encoding: 'utf8',
          }),
        );
        assert.equal(await page.locator('#txtBestString').inputValue(), expected.best.string);
      }
      // A help page, fetched as the page fetches it, is in the cache too.
      await page.locator('#Page2').getByRole('button', { name: 'Instructions' }).click();
      await page.getByRole('dialog').waitFor();
      assertNoProblems(opened);
    } finally {
      await context.close();
      await site.close();
    }
  });

  it('comes isolated from a host that sends no isolation headers, reloading once only', async () => {
    const site = await startSite({ isolation: false });
    const context = await browser.newContext();
    const page = await context.newPage();
    const loads = countLoads(page);
    try {
      await page.goto(site.url);
      await page.waitForFunction(() => crossOriginIsolated && document.body.dataset.ready === 'true', null, {
        timeout: 30_000,
      });
      assert.equal(loads.count, 2, 'the first visit, then one reload under the worker');
      await page.waitForTimeout(1500);
      await page.reload();
      await ready(page);
      await page.waitForTimeout(1500);
      assert.equal(loads.count, 3, 'a later visit is isolated from its first load');
      assert.ok(await page.evaluate(() => crossOriginIsolated));
      assert.ok(await page.evaluate(() => typeof SharedArrayBuffer === 'function'));
    } finally {
      await context.close();
      await site.close();
    }
  });

  it('is installable, with its manifest read without an error', async () => {
    const site = await startSite();
    const profile = await mkdtemp(join(tmpdir(), 'quarrow-profile-'));
    const context = await launchProfile(profile);
    try {
      const page = await context.newPage();
      await page.goto(site.url);
      await ready(page);
      await underWorker(page);
      const session = await context.newCDPSession(page);
      const manifest = await session.send('Page.getAppManifest');
      assert.deepEqual(manifest.errors, [], 'the manifest parses');
      assert.match(manifest.url, /manifest\.webmanifest$/);
      const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, [], 'Chromium finds nothing against installing the page');
      const icons = JSON.parse(manifest.data).icons;
      for (const icon of icons) {
        const response = await page.request.get(new URL(icon.src, manifest.url).href);
        assert.equal(response.status(), 200, icon.src);
      }
      assert.ok(icons.some((icon) => icon.sizes === '512x512' && icon.purpose === 'maskable'));
    } finally {
      await context.close();
      await site.close();
      await rm(profile, { recursive: true, force: true });
    }
  });

  it('offers a new build in its bar, and using it replaces the old cache with the new one', async () => {
    const folder = await mkdtemp(join(tmpdir(), 'quarrow-site-'));
    await cp(siteRoot, folder, { recursive: true });
    const site = await startSite({ root: folder });
    const opened = await openPage(browser, `${site.url}?phrase=${encodeURIComponent(kPhrase)}&step=1`);
    const { page, context } = opened;
    const loads = countLoads(page);
    try {
      await ready(page);
      await underWorker(page);
      const [oldCache] = await siteCaches(page);
      assert.ok(oldCache);

      // A new build: one file changed, and with it the version.
      await appendFile(join(folder, 'quarrow.css'), '\n/* the next build */\n');
      const { version } = await writeSiteVersion(folder);
      assert.ok(!oldCache.endsWith(version));

      await page.reload();
      await ready(page);
      const offer = page.locator('#update-offer');
      await offer.waitFor({ timeout: 30_000 });
      assert.match(await offer.innerText(), /A new version of Quarrow is ready\./);
      const violations = await audit(page);
      assert.equal(violations.length, 0, `the offer: ${describeViolations(violations)}`);
      // Until it is used, the old build is what the page is served.
      const served = () => page.evaluate(async () => (await fetch('quarrow.css')).text());
      assert.doesNotMatch(await served(), /the next build/);
      const before = loads.count;

      // While a task runs the offer waits for it rather than end it.
      const useNow = offer.getByRole('button', { name: 'Use it now' });
      await page.evaluate(() => document.body.classList.add('busy'));
      assert.ok(await useNow.isDisabled());
      assert.match(await offer.innerText(), /once the task under way has finished or been cancelled/);
      await page.evaluate(() => document.body.classList.remove('busy'));
      assert.ok(await useNow.isEnabled());

      await page.locator('#txtPhrase').fill('METHINKS');
      await useNow.click();
      await page.waitForURL(/phrase=METHINKS/);
      await ready(page);
      assert.equal(loads.count, before + 1, 'one reload onto the new build');
      assert.deepEqual(await siteCaches(page), [`quarrow-site ${site.url} ${version}`]);
      assert.match(await served(), /the next build/);
      assert.equal(await page.locator('#update-offer').count(), 0);
      assert.equal(await page.locator('#txtPhrase').inputValue(), 'METHINKS', 'the set-up is kept');
      await page.waitForTimeout(1500);
      assert.equal(loads.count, before + 1, 'and no reload after it');
      assertNoProblems(opened);
    } finally {
      await context.close();
      await site.close();
      await rm(folder, { recursive: true, force: true });
    }
  });
});

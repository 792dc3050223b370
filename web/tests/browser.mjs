// What the browser tests share: the built site served on a free port of this machine, Debian's
// Chromium driven headless, pages that record every error they meet, the accessibility audit
// and screenshots.
//
// A test opens a page with openPage(), acts as a user would, and ends with
// assertNoProblems(opened): any console error, uncaught exception, refused request of the
// Content-Security-Policy or failed request on the way fails it.
import { spawn } from 'node:child_process';
import { existsSync } from 'node:fs';
import { mkdir, readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import assert from 'node:assert/strict';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

const require = createRequire(import.meta.url);

export const repoRoot = fileURLToPath(new URL('../../', import.meta.url));
export const siteRoot = fileURLToPath(new URL('../../build/web/site/', import.meta.url));
export const screenshotFolder = fileURLToPath(new URL('../../build/web/screenshots/', import.meta.url));

const kChromium = process.env.QUARROW_CHROMIUM ?? '/usr/bin/chromium';
const kChromiumArgs = [
  '--no-sandbox',
  '--headless',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// Starts web/tools/serve.mjs on a free port (PORT where given), serving build/web/site (or the
// folder ROOT), with the headers of cross-origin isolation unless isolation is false. Resolves
// to { url, close() } once it listens.
export async function startSite({ root = siteRoot, port = 0, isolation = true } = {}) {
  if (!existsSync(join(root, 'index.html'))) {
    throw new Error(`no site in ${root}: build it first with bash scripts/web-build.sh`);
  }
  const serve = fileURLToPath(new URL('../tools/serve.mjs', import.meta.url));
  const options = ['--port', String(port), '--root', root, '--isolation', isolation ? 'on' : 'off'];
  const child = spawn(process.execPath, [serve, ...options], {
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  let stderr = '';
  child.stderr.setEncoding('utf8').on('data', (chunk) => (stderr += chunk));
  const url = await new Promise((resolveUrl, rejectUrl) => {
    let stdout = '';
    child.stdout.setEncoding('utf8').on('data', (chunk) => {
      stdout += chunk;
      const match = /at (http:\/\/127\.0\.0\.1:\d+\/)/.exec(stdout);
      if (match) resolveUrl(match[1]);
    });
    child.once('exit', (code) => rejectUrl(new Error(`serve.mjs exited ${code}: ${stderr}`)));
    child.once('error', rejectUrl);
  });
  return {
    url,
    close: () =>
      new Promise((resolveClose) => {
        // A server ended by close() has a signal rather than an exit code; closing twice is fine.
        if (child.exitCode !== null || child.signalCode !== null) return resolveClose();
        child.once('exit', () => resolveClose());
        child.kill();
      }),
  };
}

// Debian's Chromium, headless, with a profile of its own that is removed again on close.
export async function launchBrowser() {
  if (!existsSync(kChromium)) {
    throw new Error(`${kChromium} is missing: install it with bash scripts/setup.sh --web-test`);
  }
  return chromium.launch({ executablePath: kChromium, args: kChromiumArgs, timeout: 60_000 });
}

// Debian's Chromium as a browser profile of its own in FOLDER rather than a private window:
// what a browser asks before it installs a page (there is no installing from a private window).
// Resolves to the profile's context.
export async function launchProfile(folder) {
  if (!existsSync(kChromium)) {
    throw new Error(`${kChromium} is missing: install it with bash scripts/setup.sh --web-test`);
  }
  return chromium.launchPersistentContext(folder, { executablePath: kChromium, args: kChromiumArgs, timeout: 60_000 });
}

function describeLocation(location) {
  return location && location.url ? ` (${location.url}:${location.lineNumber})` : '';
}

// Opens URL in a new context at the viewport { width, height } (1280x800 unless given), in the
// browser language `locale` (English unless given), and
// records what goes wrong there, in the page and in its workers. Resolves to
// { page, context, problems }; problems is a list of sentences that grows as the page runs.
export async function openPage(
  browser,
  url,
  { width = 1280, height = 800, deviceScaleFactor = 1, locale = 'en-US' } = {},
) {
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor, locale });
  const page = await context.newPage();
  const problems = [];
  // A worker's console messages reach the page's console event as well on newer versions of
  // the driver; the worker's own event catches them on every version, once.
  const seen = new Set();
  const onConsole = (where) => (message) => {
    if (message.type() !== 'error') return;
    const text = `${message.text()}${describeLocation(message.location())}`;
    if (seen.has(text)) return;
    seen.add(text);
    problems.push(`console error in ${where}: ${text}`);
  };
  page.on('console', onConsole('the page'));
  page.on('pageerror', (error) => problems.push(`uncaught in the page or a worker: ${error.stack ?? error}`));
  page.on('worker', (worker) => worker.on('console', onConsole(`the worker ${worker.url()}`)));
  page.on('requestfailed', (request) => {
    // The worker asks for a blob the page revokes to cancel its work: that refusal is the answer.
    if (request.url().startsWith('blob:')) return;
    problems.push(`request failed: ${request.url()} (${request.failure()?.errorText ?? 'no reason'})`);
  });
  page.on('response', (response) => {
    if (response.status() >= 400) problems.push(`HTTP ${response.status()} for ${response.url()}`);
  });
  // The Content-Security-Policy reports each refusal as an event of the document, besides
  // the console message; the event says which directive refused what.
  await page.exposeFunction('__quarrowReportViolation', (text) => problems.push(text));
  await page.addInitScript(() => {
    document.addEventListener('securitypolicyviolation', (event) => {
      const report = window.__quarrowReportViolation;
      report(
        `CSP ${event.effectiveDirective} refused ${event.blockedURI || 'inline code'}` +
          ` (${event.sourceFile || 'the document'}:${event.lineNumber})`,
      );
    });
  });
  await page.goto(url, { waitUntil: 'load' });
  return { page, context, problems };
}

// Fails with every problem the page met so far, one per line.
export function assertNoProblems({ problems }) {
  if (problems.length > 0) assert.fail(`the page met problems:\n  ${problems.join('\n  ')}`);
}

// Runs axe-core in the page as it stands and resolves to its violations, each
// { id, impact, help, targets }. The script is evaluated through the driver rather than added
// as a script element, which the page's Content-Security-Policy would rightly refuse.
export async function audit(page, { tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] } = {}) {
  const source = await readFile(require.resolve('axe-core/axe.min.js'), 'utf8');
  await page.evaluate(source);
  const violations = await page.evaluate(async (runOnly) => {
    const axe = window.axe;
    const result = await axe.run(document, { runOnly: { type: 'tag', values: runOnly } });
    return result.violations.map((violation) => ({
      id: violation.id,
      impact: violation.impact,
      help: violation.help,
      targets: violation.nodes.map((node) => node.target.join(' ')),
    }));
  }, tags);
  return violations;
}

// Formats audit() results for an assertion's message.
export function describeViolations(violations) {
  return violations
    .map((v) => `${v.id} (${v.impact}): ${v.help}\n    ${v.targets.join('\n    ')}`)
    .join('\n  ');
}

// Saves a screenshot of the page (the whole page with { fullPage: true }) as
// build/web/screenshots/NAME.png and resolves to its path.
export async function screenshot(page, name, { fullPage = false } = {}) {
  await mkdir(screenshotFolder, { recursive: true });
  const path = `${screenshotFolder}${name}.png`;
  await page.screenshot({ path, fullPage });
  return path;
}

// Serves the site and launches the browser before the tests of the enclosing suite, and closes
// both after them. Resolves nothing: the returned object's `site` and `browser` are set once
// the suite starts.
export function serveSiteAround() {
  const served = { site: undefined, browser: undefined };
  before(async () => {
    served.site = await startSite();
    served.browser = await launchBrowser();
  });
  after(async () => {
    await served.browser?.close();
    await served.site?.close();
  });
  return served;
}

// The built site as a whole: served with the right types and nothing more, loaded without an
// error, the engine running in a worker, and the audit clean.
import { describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { request } from 'node:http';
import { readdir } from 'node:fs/promises';
import {
  assertNoProblems,
  audit,
  describeViolations,
  openPage,
  screenshot,
  siteRoot,
  serveSiteAround,
} from './browser.mjs';

// A request exactly as written: fetch() would tidy "/../" away before sending it.
function rawGet(url, path, method = 'GET') {
  const { hostname, port } = new URL(url);
  return new Promise((resolveGet, rejectGet) => {
    const req = request({ hostname, port, path, method }, (response) => {
      let body = '';
      response.setEncoding('utf8').on('data', (chunk) => (body += chunk));
      response.on('end', () => resolveGet({ status: response.statusCode, headers: response.headers, body }));
    });
    req.on('error', rejectGet);
    req.end();
  });
}

describe('the site', () => {
  const served = serveSiteAround();

  it('is served with the types a browser insists on, uncached, and nothing outside it', async () => {
    const types = {
      '/': 'text/html',
      '/index.html': 'text/html',
      '/js/main.js': 'text/javascript',
      '/js/generated/layout.js': 'text/javascript',
      '/js/generated/texts.js': 'text/javascript',
      '/engine/quarrow-engine.mjs': 'text/javascript',
      '/engine/quarrow-engine.wasm': 'application/wasm',
      '/help/contents.html': 'text/html',
    };
    for (const [path, type] of Object.entries(types)) {
      const response = await rawGet(served.site.url, path);
      assert.equal(response.status, 200, path);
      assert.equal(response.headers['content-type'].split(';')[0], type, path);
      assert.equal(response.headers['cache-control'], 'no-cache', path);
    }
    const css = (await readdir(siteRoot)).filter((name) => name.endsWith('.css'));
    assert.ok(css.length > 0, 'the site has a style sheet');
    for (const name of css) {
      assert.equal((await rawGet(served.site.url, `/${name}`)).headers['content-type'].split(';')[0], 'text/css');
    }

    for (const path of ['/../package.json', '/js/../../web-build.sh', '/%2e%2e/site/index.html',
      '/js/%2E%2E/index.html', '/..%2findex.html', '/js\\..\\index.html', '/index.html%00']) {
      assert.equal((await rawGet(served.site.url, path)).status, 404, path);
    }
    const listing = await rawGet(served.site.url, '/js/');
    assert.equal(listing.status, 404, 'no directory listing');
    assert.doesNotMatch(listing.body, /main\.js/);
    assert.equal((await rawGet(served.site.url, '/index.html', 'POST')).status, 405);
  });

  it('loads without an error or a refusal of its Content-Security-Policy', async () => {
    const opened = await openPage(served.browser, served.site.url);
    try {
      await opened.page.waitForLoadState('networkidle');
      assert.notEqual(await opened.page.title(), '', 'the page has a title');
      const policy = await opened.page
        .locator('meta[http-equiv="Content-Security-Policy"]')
        .getAttribute('content');
      assert.ok(policy, 'the page sets a Content-Security-Policy');
      // 'wasm-unsafe-eval' lets WebAssembly compile and nothing else, so it may stay.
      assert.doesNotMatch(policy, /'unsafe-inline'|'unsafe-eval'/, 'the policy allows no inline code or eval');
      await screenshot(opened.page, 'site-1280x800');
      assertNoProblems(opened);
    } finally {
      await opened.context.close();
    }
  });

  it('instantiates the engine in a worker under the page\'s policy', async () => {
    const opened = await openPage(served.browser, served.site.url);
    try {
      // A module worker of the engine's own file, started by the page as the page starts its
      // worker: the worker's script, the module's import of its .wasm and the instantiation
      // all go through the policy and the server as they would for the page.
      const workerReady = opened.page.waitForEvent('worker', {
        predicate: (worker) => worker.url().endsWith('/engine/quarrow-engine.mjs'),
      });
      await opened.page.evaluate(() => {
        window.engineProbe = new Worker(new URL('engine/quarrow-engine.mjs', document.baseURI), { type: 'module' });
      });
      const worker = await workerReady;
      const engine = await worker.evaluate(async () => {
        const module = await import(self.location.href);
        const instance = await module.default();
        return {
          ccall: typeof instance.ccall,
          cwrap: typeof instance.cwrap,
          exports: Object.keys(instance).filter((name) => /^_[a-z]/i.test(name) && typeof instance[name] === 'function'),
        };
      });
      assert.equal(engine.ccall, 'function', 'ccall is exported');
      assert.equal(engine.cwrap, 'function', 'cwrap is exported');
      assert.ok(engine.exports.length > 0, 'the engine exports functions');
      assertNoProblems(opened);
    } finally {
      await opened.context.close();
    }
  });

  it('passes the accessibility audit', async () => {
    const opened = await openPage(served.browser, served.site.url);
    try {
      await opened.page.waitForLoadState('networkidle');
      const violations = await audit(opened.page);
      if (violations.length > 0) assert.fail(`axe-core found:\n  ${describeViolations(violations)}`);
      assertNoProblems(opened);
    } finally {
      await opened.context.close();
    }
  });
});

// The generated layout and catalogue, and the page's text functions, without a browser.
//   node --test web/tests/layout.test.mjs
// The page's TypeScript is compiled for the text tests with web/node_modules/.bin/tsc, or $TSC;
// without either those tests are skipped.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

const repo = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const work = mkdtempSync(join(tmpdir(), 'quarrow-layout-test-'));
const generated = join(work, 'js', 'generated');
// Node 18 reads a .js file as a module only where the nearest package.json says so.
writeFileSync(join(work, 'package.json'), '{ "type": "module" }\n');
after(() => rmSync(work, { recursive: true, force: true }));

function generate(tool, file) {
  execFileSync('python3', [join(repo, 'web', 'tools', tool), '--repo', repo, join(generated, file)]);
}

let layout;
let catalogue;
before(async () => {
  generate('ui_layout.py', 'layout.js');
  generate('catalogue.py', 'texts.js');
  ({ layout } = await import(pathToFileURL(join(generated, 'layout.js'))));
  ({ catalogues: { en: catalogue } } = await import(pathToFileURL(join(generated, 'texts.js'))));
});

// The layout file read on its own: each widget's name, class and first rectangle.
function widgetsOfUi() {
  const ui = readFileSync(join(repo, 'ui', 'window', 'quarrow.ui'), 'utf8');
  const found = new Map();
  const pattern = /<widget class="(\w+)" name="(\w+)">([\s\S]*?)(?=<widget |<\/widget>)/g;
  for (const [, cls, name, body] of ui.matchAll(pattern)) {
    const rect = /<property name="geometry">\s*<rect><x>(\d+)<\/x><y>(\d+)<\/y><width>(\d+)<\/width><height>(\d+)<\/height><\/rect>/.exec(body);
    found.set(name, { cls, rect: rect && rect.slice(1).map(Number) });
  }
  return { ui, found };
}

describe('the generated layout', () => {
  test('holds every widget of the layout file at its place, and nothing else', () => {
    const { found } = widgetsOfUi();
    const byName = new Map(layout.widgets.map((w) => [w.objectName, w]));
    assert.equal(byName.size + 1, found.size, 'every widget but the form itself');
    for (const [name, { cls, rect }] of found) {
      if (name === layout.form.objectName) {
        assert.deepEqual(Object.values(layout.form.geometry), rect);
        continue;
      }
      const widget = byName.get(name);
      assert.ok(widget, `${name} is missing`);
      assert.equal(widget.class, cls, name);
      if (rect === null) {
        assert.equal(widget.geometry, undefined, name);
      } else {
        assert.deepEqual([widget.geometry.x, widget.geometry.y, widget.geometry.w, widget.geometry.h], rect, name);
      }
    }
  });

  test('places each control on its page or group, and the pages in their order', () => {
    const pages = layout.tabWidget.pages.map((p) => p.objectName);
    assert.deepEqual(pages, ['Page0', 'Page1', 'Page2', 'Page3']);
    assert.deepEqual(layout.tabWidget.pages.map((p) => p.title), ['Step One', 'Step Two', 'Step Three', 'Step Four']);
    const byName = new Map(layout.widgets.map((w) => [w.objectName, w]));
    assert.equal(byName.get('txtPhrase').page, 0);
    assert.equal(byName.get('Option2').parent, 'Frame1');
    assert.equal(byName.get('Option2').page, 3);
    assert.equal(byName.get('Command3').page, null);
    assert.equal(byName.get('Option1').checked, true);
  });

  test('keeps the tab stops, with the strip in the chain where the window puts it', () => {
    const names = new Set(layout.widgets.map((w) => w.objectName));
    for (const stop of layout.tabStops) {
      assert.ok(names.has(stop), `tab stop ${stop} names no control`);
    }
    assert.equal(new Set(layout.tabStops).size, layout.tabStops.length);
    const chain = layout.focusChain;
    assert.deepEqual(chain.filter((n) => n !== 'SSTab1'), layout.tabStops);
    assert.equal(chain[chain.indexOf('txtPhrase') + 1], 'SSTab1');
    assert.equal(chain[chain.indexOf('SSTab1') + 1], 'txtRndString');
    assert.equal(layout.initialFocus, 'Command5');
  });

  test('gives each shown page access keys that no two controls share', () => {
    const topLevel = layout.widgets.filter((w) => w.page === null && w.accessKey && !w.accessKeyRemoved);
    for (const page of layout.tabWidget.pages) {
      const keys = new Map();
      const onPage = layout.widgets.filter((w) => w.page === page.index && w.accessKey && !w.accessKeyRemoved);
      for (const widget of [...onPage, ...topLevel]) {
        assert.ok(!keys.has(widget.accessKey),
          `Alt+${widget.accessKey} on ${page.title}: ${keys.get(widget.accessKey)} and ${widget.objectName}`);
        keys.set(widget.accessKey, widget.objectName);
      }
    }
    const generate = layout.widgets.find((w) => w.objectName === 'Command17');
    assert.equal(generate.accessKey, 'G', 'the caption keeps its underline');
    assert.equal(generate.accessKeyRemoved, true, 'the window gives Alt+G to "Go"');
  });

  test('reads captions as Qt reads mnemonics', () => {
    const byName = new Map(layout.widgets.map((w) => [w.objectName, w]));
    assert.deepEqual(
      ['caption', 'accessKey', 'accessKeyIndex'].map((k) => byName.get('Command1')[k]),
      ['View Text File', 'V', 0],
    );
    assert.equal(byName.get('Command13').accessKey, undefined);
  });

  test('has every text it shows in the catalogue, under the form\'s context', () => {
    const texts = catalogue[layout.form.objectName];
    const shown = [layout.form.windowTitle, ...layout.tabWidget.pages.map((p) => p.title)];
    for (const w of layout.widgets) {
      shown.push(w.text, w.toolTip, w.accessibleName, w.accessibleDescription, w.title);
    }
    for (const text of shown.filter((t) => t !== undefined && t !== '')) {
      assert.equal(typeof texts[text], 'string', `"${text}" is not in the catalogue`);
    }
  });

  test('sends every help button to a topic the help has', () => {
    const topics = layout.help.topics;
    const helped = layout.widgets.filter((w) => w.helpContext !== undefined);
    assert.ok(helped.length >= 12);
    for (const w of helped) {
      assert.ok(topics.includes(w.helpContext), `${w.objectName}: topic ${w.helpContext}`);
    }
    for (const topic of topics) {
      assert.ok(existsSync(join(repo, 'ui', 'help', 'pages', `topic${topic}.html`)), `topic${topic}.html`);
    }
    for (const name of layout.instructionsButtons) {
      assert.ok(helped.some((w) => w.objectName === name), name);
    }
  });

  test('gives the titles, string boxes and the rest the window\'s faces', () => {
    const roles = Object.fromEntries(layout.widgets.filter((w) => w.fontRole).map((w) => [w.objectName, w.fontRole]));
    assert.deepEqual(roles, {
      Label1: 'largeTitle', Label10: 'largeTitle', Label3: 'title', Label17: 'title',
      txtTarget: 'string', txtInitialGuess: 'string', txtTargetString: 'string', txtBestString: 'string',
    });
    assert.equal(layout.fonts.default.families[0], 'Liberation Sans Narrow');
    assert.equal(layout.fonts.default.pixelSize, 11);
    assert.equal(layout.fonts.largeTitle.pixelSize, 29);
  });

  test('stops with a message when the layout file names a tab stop it lacks', () => {
    const copy = mkdtempSync(join(tmpdir(), 'quarrow-layout-broken-'));
    try {
      for (const part of ['ui/window', 'ui/help']) {
        execFileSync('mkdir', ['-p', join(copy, part)]);
      }
      for (const file of ['quarrow.cpp', 'quarrow_zoom.cpp', 'quarrow_help.cpp', 'arrows.h']) {
        writeFileSync(join(copy, 'ui/window', file), readFileSync(join(repo, 'ui/window', file)));
      }
      writeFileSync(join(copy, 'ui/help/help_viewer.h'), readFileSync(join(repo, 'ui/help/help_viewer.h')));
      const ui = readFileSync(join(repo, 'ui/window/quarrow.ui'), 'utf8')
        .replace('<tabstop>Command5</tabstop>', '<tabstop>Command99</tabstop>');
      writeFileSync(join(copy, 'ui/window/quarrow.ui'), ui);
      assert.throws(
        () => execFileSync('python3', [join(repo, 'web/tools/ui_layout.py'), '--repo', copy, join(copy, 'out.js')], { stdio: 'pipe' }),
        (error) => /Command99/.test(String(error.stderr)),
      );
    } finally {
      rmSync(copy, { recursive: true, force: true });
    }
  });
});

describe('the static page', () => {
  const html = readFileSync(join(repo, 'web', 'static', 'index.html'), 'utf8');

  test('is titled as the window and loads one module under a strict policy', () => {
    assert.equal(/<title>([^<]*)<\/title>/.exec(html)[1], layout.form.windowTitle);
    assert.match(html, /<html lang="en">/);
    assert.deepEqual([...html.matchAll(/<script[^>]*>/g)].map((m) => m[0]), ['<script type="module" src="js/main.js">']);
    const policy = /http-equiv="Content-Security-Policy" content="([^"]+)"/.exec(html)[1];
    assert.match(policy, /^default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self';/);
    assert.doesNotMatch(html, /\sstyle=|\son[a-z]+=/);
  });

  test('carries the program\'s own icon', () => {
    assert.deepEqual(readFileSync(join(repo, 'web/static/icon.svg')), readFileSync(join(repo, 'dist/quarrow.svg')));
  });
});

describe('the catalogue', () => {
  test('shows the source where the English translation is left unfinished', () => {
    assert.equal(catalogue.Quarrow['&Go'], '&Go');
    assert.equal(catalogue.HelpTopic['Contents'], 'Contents');
  });

  test('gives every message with a count its two English forms', () => {
    const ts = readFileSync(join(repo, 'i18n', 'quarrow_en.ts'), 'utf8');
    const counted = (ts.match(/<message numerus="yes">/g) ?? []).length;
    const forms = Object.values(catalogue).flatMap((texts) => Object.values(texts)).filter(Array.isArray);
    assert.equal(forms.length, counted);
    assert.deepEqual(catalogue['quarrow::OffspringPanel']['%Ln hit(s)'], ['%Ln hit', '%Ln hits']);
  });
});

// The compiled page modules, for the functions that need no document.
function compilePage() {
  const local = join(repo, 'web', 'node_modules', '.bin', 'tsc');
  const tsc = existsSync(local) ? local : process.env.TSC;
  if (!tsc) {
    return null;
  }
  execFileSync(tsc, [
    '--target', 'ES2020', '--module', 'ES2020', '--moduleResolution', 'bundler', '--strict',
    '--lib', 'ES2020,DOM,DOM.Iterable', '--skipLibCheck', '--rootDir', join(repo, 'web', 'page'),
    '--outDir', join(work, 'js'), join(repo, 'web', 'page', 'texts.ts'), join(repo, 'web', 'page', 'layout.ts'),
  ]);
  return join(work, 'js');
}

describe('the page\'s texts', () => {
  let js = null;
  before(() => {
    js = compilePage();
  });
  const load = (file) => import(pathToFileURL(join(js, file)));

  test('tr takes the English form for the count and writes the count in', async (t) => {
    if (js === null) return t.skip('no TypeScript compiler (npm ci in web/, or set TSC)');
    const { tr, setStrictTexts } = await load('texts.js');
    setStrictTexts(true);
    assert.equal(tr('quarrow::OffspringPanel', '%Ln hit(s)', 1), '1 hit');
    assert.equal(tr('quarrow::OffspringPanel', '%Ln hit(s)', 0), '0 hits');
    assert.equal(tr('quarrow::OffspringPanel', '%Ln hit(s)', 12345), '12,345 hits');
    assert.equal(tr('DistributionChart', '%1: %2 run(s)', 1), '%1: %2 run');
    assert.equal(tr('Quarrow', 'Step One'), 'Step One');
    assert.throws(() => tr('Quarrow', 'Step Five'), /Step Five/);
    setStrictTexts(false);
    assert.equal(tr('Quarrow', 'Step Five'), 'Step Five');
  });

  test('arg fills markers in one pass, lowest number first, as QString::arg does', async (t) => {
    if (js === null) return t.skip('no TypeScript compiler (npm ci in web/, or set TSC)');
    const { arg } = await load('texts.js');
    assert.equal(arg('%2 after %1, %1 again', 'a', 'b'), 'b after a, a again');
    assert.equal(arg('%1 and %2', '%2', 'x'), '%2 and x');
    assert.equal(arg('%1 then %3', 'a', 'b'), 'a then b');
    assert.equal(arg('%1 of %2', 'a'), 'a of %2');
    assert.equal(arg('%10 and %9', 'nine', 'ten'), 'ten and nine');
    assert.equal(arg('100% of %1', 5), '100% of 5');
  });

  test('arg writes the engine\'s figures in the language\'s forms, as the window does, and typed text as it stands', async (t) => {
    if (js === null) return t.skip('no TypeScript compiler (npm ci in web/, or set TSC)');
    const { arg, setLanguage, verbatim, figureText } = await load('texts.js');
    const figures = () => ['1,490', '3.25', '1,652,443.0', '1.8 kB', '1.2 × 10⁴⁰', '512 bytes'].map((f) => arg('%1', f));
    const english = figures();
    assert.deepEqual(english, ['1,490', '3.25', '1,652,443.0', '1.8 kB', '1.2 × 10⁴⁰', '512 bytes']);
    for (const code of ['de', 'es', 'pt_BR']) {
      setLanguage(code);
      assert.deepEqual(figures().slice(0, 5), ['1.490', '3,25', '1.652.443,0', '1,8 kB', '1,2 × 10⁴⁰'], code);
    }
    setLanguage('fr');
    assert.deepEqual(figures(), ['1\u00a0490', '3,25', '1\u00a0652\u00a0443,0', '1,8 ko', '1,2 × 10⁴⁰', '512 octets']);
    // A sentence, a phrase or what the user typed is no figure.
    assert.equal(arg('"%1" at %2', verbatim('2.5'), '1,000'), '"2.5" at 1\u00a0000');
    assert.equal(arg('%1 %2', 'HELLO, WORLD.', 'Run 1.5'), 'HELLO, WORLD. Run 1.5');
    assert.equal(figureText(10000), '10\u00a0000');
    assert.equal(figureText(null), '');
    setLanguage('en');
    assert.deepEqual(figures(), english);
  });

  test('the page reads every caption\'s access key as the generator does', async (t) => {
    if (js === null) return t.skip('no TypeScript compiler (npm ci in web/, or set TSC)');
    const { splitMnemonic } = await load('layout.js');
    for (const w of layout.widgets.filter((w) => w.text !== undefined && w.caption !== undefined)) {
      const read = splitMnemonic(w.text);
      assert.deepEqual([read.caption, read.key ?? undefined], [w.caption, w.accessKey], w.objectName);
    }
    assert.deepEqual(splitMnemonic('Save && &Quit'), { caption: 'Save & Quit', key: 'Q', index: 7 });
  });
});

// The engine as the page's worker calls it, under Node: the log written through the hooks is
// the lab's byte for byte, a storage that fills up stops the run with the window's kind of
// message and leaves whole lines, and the one-byte strings cross to the page unchanged.
import { before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createRequire } from 'node:module';
import { dirname } from 'node:path';
import { pathToFileURL } from 'node:url';
import { repoRoot, siteRoot } from './browser.mjs';

const kModule = join(siteRoot, 'engine/quarrow-engine.mjs');
const kCore = join(siteRoot, 'js/engine-core.js');
const kLab = process.env.QUARROW_LAB ?? join(repoRoot, 'build/release/lab/quarrow-lab');

/** A log kept in memory through the worker's hooks; `room` bytes at most. */
function memoryLog(module, room = Infinity) {
  const log = { bytes: Buffer.alloc(0), ended: false };
  module.logBegin = () => {
    log.bytes = Buffer.alloc(0);
    return 0;
  };
  module.logAppend = (chunk) => {
    const fits = Math.max(0, Math.min(chunk.length, room - log.bytes.length));
    log.bytes = Buffer.concat([log.bytes, Buffer.from(chunk.subarray(0, fits))]);
    return fits;
  };
  module.logCut = (size) => {
    log.bytes = log.bytes.subarray(0, size);
    return 0;
  };
  module.logEnd = () => {
    log.ended = true;
    return 0;
  };
  return log;
}

describe('the engine in WebAssembly', { skip: existsSync(kModule) ? false : 'the site is not built' }, () => {
  let Engine;
  let load;
  before(async () => {
    // The module is built for the page's worker first; under Node, the older emscripten's
    // module looks for the names a CommonJS script has.
    globalThis.__dirname = dirname(kModule);
    globalThis.require = createRequire(kModule);
    ({ Engine } = await import(pathToFileURL(kCore).href));
    load = async () => {
      const factory = (await import(pathToFileURL(kModule).href)).default;
      const module = await factory({ wasmBinary: readFileSync(kModule.replace(/\.mjs$/, '.wasm')) });
      return { module, engine: new Engine(module) };
    };
  });

  it('writes each scheme\'s log as the lab does for the same seed', { skip: !existsSync(kLab) }, async () => {
    const folder = mkdtempSync(join(tmpdir(), 'quarrow-engine-'));
    for (const [number, key] of [
      [1, 'attenuating'],
      [2, 'serial'],
      [3, 'sequential'],
    ]) {
      const path = join(folder, `${key}.log`);
      const row = JSON.parse(
        execFileSync(kLab, ['evolve', 'HELLO WORLD', '--seed', '3', '--scheme', key, '--runs', '1', '--per-run', '--json', '--log', path], { encoding: 'utf8' }).split('\n')[0],
      );
      const { module, engine } = await load();
      const log = memoryLog(module);
      const seeded = engine.readSeed('3');
      const start = engine.runGenerator(seeded.seed, 0);
      const first = engine.randomText(start, 11, false);
      assert.equal(first.text, row.firstString);
      const answer = engine.run(number, 'HELLO WORLD', first.text, first.state, true);
      assert.equal(answer.outcome, 'matched');
      assert.equal(answer.numMutations, String(row.generations));
      assert.equal(answer.numTotal, String(row.strings));
      assert.ok(log.ended, 'the log was closed');
      assert.ok(log.bytes.equals(readFileSync(path)), `scheme ${number}'s log is the lab's`);
    }
  });

  it('stops a run whose storage fills up, says why, and keeps whole lines', async () => {
    const { module, engine } = await load();
    const log = memoryLog(module, 20_000);
    const target = 'A'.repeat(400);
    const first = engine.randomText({ high: 1, low: 2 }, 400, false);
    const answer = engine.run(1, target, first.text, first.state, true);
    assert.equal(answer.outcome, 'logFailed');
    assert.equal(answer.logError, 'The file generation.log cannot be written: the storage this browser gives the page is full');
    const text = log.bytes.toString('latin1');
    assert.ok(text.length > 0 && text.length <= 20_000);
    assert.ok(text.endsWith('\r\n'), 'the log ends with a whole line');
  });

  it('carries one-byte strings both ways unchanged, writing bytes above 127 to the log as UTF-8', async () => {
    const { module, engine } = await load();
    const log = memoryLog(module);
    // The first string of scheme 1 is not checked: a letter beyond A to Z only counts as wrong.
    const answer = engine.run(1, 'AB', 'É\u00ff', { high: 0, low: 9 }, true);
    assert.equal(answer.outcome, 'matched');
    const firstLine = log.bytes.toString('utf8').split('\r\n')[0];
    assert.match(firstLine, /^[A-Z\u00c9\u00ff]{2} /);
    const check = engine.checkRun(2, 'A\u00e9', 'AB');
    assert.equal(check.problem, 'foreignSymbol');
    assert.equal(check.position, 1);
    assert.equal(check.positionText, '2');
  });

  it('reads seeds as the lab does, all 64 bits of them', async () => {
    const { engine } = await load();
    assert.deepEqual(engine.readSeed('18446744073709551615'), {
      valid: true,
      text: '18446744073709551615',
      seed: { high: 4294967295, low: 4294967295 },
    });
    for (const bad of ['', '-1', '18446744073709551616', '1.5', ' 1', '0x10']) {
      assert.equal(engine.readSeed(bad).valid, false, bad);
    }
  });
});

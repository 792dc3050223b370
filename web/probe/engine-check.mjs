// Loads the WebAssembly engine under node and calls it through cwrap, as the page's worker does
// in a browser: node engine-check.mjs DIR [VERSION] (DIR holds quarrow-engine.mjs and .wasm).
//
// Under node the loader emscripten 3.1.6 writes uses `require` and `__dirname`, which ES modules
// lack, and fetches the .wasm by a file URL, which node's fetch refuses; so both are given to it
// here and the module's bytes are handed over read. Newer emscripten needs neither.
import { readFile } from "node:fs/promises";
import { createRequire } from "node:module";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";

const dir = resolve(process.argv[2] ?? ".");
const script = join(dir, "quarrow-engine.mjs");
globalThis.require ??= createRequire(script);
globalThis.__dirname ??= dir;

const { default: createQuarrowEngine } = await import(pathToFileURL(script).href);
const engine = await createQuarrowEngine({
  wasmBinary: await readFile(join(dir, "quarrow-engine.wasm")),
});
const version = engine.cwrap("quarrow_version", "string", [])();
console.log(`quarrow_version() = ${version}`);
const expected = process.argv[3];
if (expected !== undefined && version !== expected) {
  console.error(`expected version ${expected}`);
  process.exit(1);
}

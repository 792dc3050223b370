// Loads the WebAssembly engine under node and calls it through cwrap, as the page's worker does
// in a browser: node engine-check.mjs DIR (DIR holds quarrow-engine.mjs and .wasm).
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
// The scheme table, as the page reads it first.
const schemes = JSON.parse(engine.cwrap("quarrow_schemes", "string", [])());
console.log(`quarrow_schemes() = ${schemes.map((row) => row.key).join(", ")}`);
if (schemes.length !== 3 || schemes.some((row, index) => row.number !== index + 1)) {
  console.error("expected the three schemes, numbered 1 to 3");
  process.exit(1);
}

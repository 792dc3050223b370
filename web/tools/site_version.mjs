// Names the built site's version and lists its files for the service worker, as
// SITE/site-version.js. Run by scripts/web-build.sh once everything else is in the site.
//
//   node web/tools/site_version.mjs SITE
//
// The version is a hash of every file's path and contents, the service worker's own included,
// so that any change to the site, and only a change, gives a new version and with it a new
// cache. The list holds every file but the service worker and this one, which the browser keeps
// by itself.
import { createHash } from 'node:crypto';
import { readdir, readFile, writeFile } from 'node:fs/promises';
import { join, relative, sep } from 'node:path';

const kOutput = 'site-version.js';
const kWorker = 'service-worker.js';

async function filesUnder(folder) {
  const found = [];
  for (const entry of await readdir(folder, { withFileTypes: true })) {
    const path = join(folder, entry.name);
    if (entry.isDirectory()) found.push(...(await filesUnder(path)));
    else if (entry.isFile()) found.push(path);
  }
  return found;
}

export async function writeSiteVersion(site) {
  const paths = (await filesUnder(site))
    .map((path) => relative(site, path).split(sep).join('/'))
    .filter((path) => path !== kOutput)
    .sort();
  const hash = createHash('sha256');
  for (const path of paths) {
    const contents = createHash('sha256').update(await readFile(join(site, path))).digest('hex');
    hash.update(`${path}\0${contents}\n`);
  }
  const version = hash.digest('hex').slice(0, 16);
  const files = paths.filter((path) => path !== kWorker);
  const text =
    '// Written by web/tools/site_version.mjs: this build of the site, for its service worker.\n' +
    `self.quarrowSite = ${JSON.stringify({ version, files }, null, 1)};\n`;
  await writeFile(join(site, kOutput), text);
  return { version, files };
}

if (process.argv[1] && import.meta.url === new URL(`file://${process.argv[1]}`).href) {
  const site = process.argv[2];
  if (!site || process.argv.length > 3) {
    console.error('usage: node web/tools/site_version.mjs SITE');
    process.exit(2);
  }
  const { version, files } = await writeSiteVersion(site);
  console.log(`site-version: ${files.length} files, version ${version}`);
}

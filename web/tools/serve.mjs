// Serves the built site to this machine only, for trying it out and for the browser tests.
//
//   node web/tools/serve.mjs [--port PORT] [--root FOLDER] [--isolation on|off]
//
// PORT defaults to 8080 (0 picks a free one); FOLDER to build/web/site. With --isolation off it
// leaves out the headers of cross-origin isolation, as a plain static host does (the service
// worker then adds them, and the tests check that it does). Once listening it prints
// "Serving FOLDER at http://127.0.0.1:PORT/" on a line of its own. Files only: no directory
// listings, nothing outside FOLDER, GET and HEAD only.
import { createServer } from 'node:http';
import { createReadStream } from 'node:fs';
import { realpath, stat } from 'node:fs/promises';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const kHost = '127.0.0.1';

const kTypes = new Map([
  ['.html', 'text/html; charset=utf-8'],
  ['.js', 'text/javascript; charset=utf-8'],
  ['.mjs', 'text/javascript; charset=utf-8'],
  ['.css', 'text/css; charset=utf-8'],
  ['.json', 'application/json; charset=utf-8'],
  ['.webmanifest', 'application/manifest+json; charset=utf-8'],
  ['.map', 'application/json; charset=utf-8'],
  ['.wasm', 'application/wasm'],
  ['.svg', 'image/svg+xml'],
  ['.png', 'image/png'],
  ['.ico', 'image/x-icon'],
  ['.txt', 'text/plain; charset=utf-8'],
  ['.woff2', 'font/woff2'],
  ['.ttf', 'font/ttf'],
]);

function parseArguments(argv) {
  const options = {
    port: 8080,
    root: fileURLToPath(new URL('../../build/web/site', import.meta.url)),
    isolation: true,
  };
  for (let i = 0; i < argv.length; i += 2) {
    const [name, value] = [argv[i], argv[i + 1]];
    if (value === undefined) throw new Error(`${name} needs a value`);
    if (name === '--port') {
      options.port = Number(value);
      if (!Number.isInteger(options.port) || options.port < 0 || options.port > 65535) {
        throw new Error(`--port must be a port number, not '${value}'`);
      }
    } else if (name === '--root') {
      options.root = resolve(value);
    } else if (name === '--isolation') {
      if (value !== 'on' && value !== 'off') throw new Error(`--isolation is on or off, not '${value}'`);
      options.isolation = value === 'on';
    } else {
      throw new Error(`unknown option '${name}'`);
    }
  }
  return options;
}

// The file a request's path names, or null when it names nothing the site may serve. Any ".."
// segment, backslash or NUL is refused outright rather than resolved, and the file found must
// still lie inside the root once links are followed.
async function findFile(root, urlPath) {
  let path;
  try {
    path = decodeURIComponent(urlPath);
  } catch {
    return null;
  }
  if (!path.startsWith('/') || /[\\\0]/.test(path)) return null;
  const segments = path.split('/');
  if (segments.includes('..')) return null;
  let file = join(root, ...segments);
  try {
    let info = await stat(file);
    if (info.isDirectory()) {
      file = join(file, 'index.html');
      info = await stat(file);
    }
    if (!info.isFile()) return null;
    const real = await realpath(file);
    if (!real.startsWith(root + sep)) return null;
    return { file: real, size: info.size };
  } catch {
    return null;
  }
}

function send(response, status, text) {
  response.writeHead(status, {
    'Content-Type': 'text/plain; charset=utf-8',
    'Content-Length': Buffer.byteLength(text),
    'Cache-Control': 'no-cache',
  });
  response.end(text);
}

export async function startServer({ root, port, isolation = true }) {
  const realRoot = await realpath(root);
  const server = createServer(async (request, response) => {
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.setHeader('Allow', 'GET, HEAD');
      send(response, 405, 'Method not allowed\n');
      return;
    }
    const urlPath = (request.url ?? '').split(/[?#]/)[0];
    const found = await findFile(realRoot, urlPath);
    if (!found) {
      send(response, 404, 'Not found\n');
      return;
    }
    response.writeHead(200, {
      'Content-Type': kTypes.get(extname(found.file).toLowerCase()) ?? 'application/octet-stream',
      'Content-Length': found.size,
      'Cache-Control': 'no-cache',
      'X-Content-Type-Options': 'nosniff',
      // Cross-origin isolation: the page and its workers share memory only when isolated, and
      // the live view holds a paused run on that memory (see web/page/engine-tasks.ts).
      ...(isolation
        ? {
            'Cross-Origin-Opener-Policy': 'same-origin',
            'Cross-Origin-Embedder-Policy': 'require-corp',
            'Cross-Origin-Resource-Policy': 'same-origin',
          }
        : {}),
    });
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    createReadStream(found.file)
      .on('error', () => response.destroy())
      .pipe(response);
  });
  await new Promise((resolveListen, rejectListen) => {
    server.once('error', rejectListen);
    server.listen(port, kHost, resolveListen);
  });
  return { server, url: `http://${kHost}:${server.address().port}/`, root: realRoot };
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  let options;
  try {
    options = parseArguments(process.argv.slice(2));
  } catch (error) {
    console.error(`serve: ${error.message}`);
    console.error('usage: node web/tools/serve.mjs [--port PORT] [--root FOLDER] [--isolation on|off]');
    process.exit(2);
  }
  try {
    const { url, root } = await startServer(options);
    console.log(`Serving ${root} at ${url}`);
  } catch (error) {
    if (error.code === 'ENOENT') {
      console.error(`serve: there is no folder ${options.root}: bash scripts/web-build.sh builds the site`);
    } else if (error.code === 'EADDRINUSE') {
      console.error(`serve: port ${options.port} is in use; pick another with --port PORT`);
    } else {
      console.error(`serve: ${error.message}`);
    }
    process.exit(1);
  }
}

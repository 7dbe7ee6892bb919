// Serves a folder of static files on localhost: the browser build's page for ./play.sh --web
// and its tests. Usage: node scripts/serve-web.mjs FOLDER [PORT]; port 0 picks a free one.
// The first line printed is the page's address.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm', // WebAssembly.instantiateStreaming insists on it
  '.data': 'application/octet-stream',
  '.png': 'image/png',
};

// Resolves with the listening server. `missing` names files to answer 404 for, as if the
// folder lacked them.
export function serve(folder, port = 0, missing = []) {
  const root = normalize(folder + sep);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    // Nothing outside the folder, whatever the address says.
    if (!file.startsWith(root) || missing.some((name) => file === join(root, name))) {
      response.writeHead(404).end('not found');
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end('not found');
    }
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port = '8080'] = process.argv.slice(2);
  try {
    const server = await serve(folder, Number(port));
    console.log(`http://localhost:${server.address().port}/`);
  } catch (e) {
    console.error(`kalvanor: cannot serve the page on port ${port} (${e.code ?? e.message})`);
    process.exit(1);
  }
}

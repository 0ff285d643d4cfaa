// A static server for the web build on a free port of 127.0.0.1, as a plain host serves it.
//   refuse: a RegExp of paths whose requests are dropped unanswered, as a failing network drops them,
//   or a function of the path that says so for each request (it may refuse only the first few);
//   headScript: a path whose script is put first in every page's head (for an engine whose driver
//   cannot run a script before the page's own; see webkit.js), answered by scriptFor(request).
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.woff2': 'font/woff2', '.gif': 'image/gif', '.png': 'image/png',
  '.ico': 'image/vnd.microsoft.icon', '.wav': 'audio/wav', '.webmanifest': 'application/manifest+json',
  '.txt': 'text/plain; charset=utf-8', '.json': 'application/json',
};

function serve(folder, { refuse = null, headScript = null, scriptFor = null } = {}) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const refused = typeof refuse === 'function' ? refuse(url.pathname) : refuse && refuse.test(url.pathname);
    if (refused) { request.socket.destroy(); return; }
    if (headScript && url.pathname === headScript) {
      response.writeHead(200, { 'Content-Type': TYPES['.js'], 'Cache-Control': 'no-store' });
      response.end(scriptFor(request));
      return;
    }
    let file = path.join(root, decodeURIComponent(url.pathname));
    if (!file.startsWith(root)) { response.writeHead(403).end(); return; }
    if (url.pathname.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, bytes) => {
      if (error) { response.writeHead(404).end(); return; }
      const type = TYPES[path.extname(file)] || 'application/octet-stream';
      if (headScript && type.startsWith('text/html')) {
        bytes = Buffer.from(bytes.toString('utf8').replace('<head>', `<head>\n<script src="${headScript}"></script>`));
      }
      response.writeHead(200, { 'Content-Type': type, 'Content-Length': bytes.length });
      response.end(bytes);
    });
  });
  return new Promise((resolve, reject) => {
    server.on('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const url = `http://127.0.0.1:${server.address().port}/`;
      resolve({ url, stop: () => { server.close(); server.closeAllConnections(); } });
    });
  });
}

module.exports = { serve };

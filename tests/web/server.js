// A static server for the web build on a free port of 127.0.0.1, as a plain host serves it.
//   refuse: a RegExp of paths whose requests are dropped unanswered, as a failing network drops them,
//   or a function of the path that says so for each request (it may refuse only the first few);
//   headScript: a path whose script is put first in every page's head (for an engine whose driver
//   cannot run a script before the page's own; see webkit.js), answered by scriptFor(request);
//   headersFile: a _headers file (web/server/_headers), whose headers go with every answer to a path
//   its rules match, as a static host that reads one sends them.
//   headers: a function of the path that gives more headers, asked anew for each request (a test
//   may change them between visits).
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const net = require('node:net');
const path = require('node:path');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.woff2': 'font/woff2', '.gif': 'image/gif', '.png': 'image/png',
  '.ico': 'image/vnd.microsoft.icon', '.wav': 'audio/wav', '.webmanifest': 'application/manifest+json',
  '.txt': 'text/plain; charset=utf-8', '.json': 'application/json',
};

// The rules of a _headers file: a path pattern (* stands for anything) on a line of its own, then
// its headers, indented, as "Name: value".
function headerRules(file) {
  const rules = [];
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    if (!line.trim() || line.trim().startsWith('#')) continue;
    if (!/^\s/.test(line)) {
      const pattern = line.trim().split('*').map((part) => part.replace(/[.?+^$()[\]{}|\\]/g, '\\$&')).join('.*');
      rules.push({ pattern: new RegExp('^' + pattern + '$'), headers: [] });
    } else {
      const colon = line.indexOf(':');
      rules[rules.length - 1].headers.push([line.slice(0, colon).trim(), line.slice(colon + 1).trim()]);
    }
  }
  return rules;
}

// A port of 127.0.0.1 that nothing listens on.
function freePort() {
  return new Promise((resolve) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

function serve(folder, { refuse = null, headScript = null, scriptFor = null, headersFile = null, headers = null } = {}) {
  const root = path.resolve(folder);
  const rules = headersFile ? headerRules(headersFile) : [];
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    for (const rule of rules) {
      if (rule.pattern.test(url.pathname)) for (const [name, value] of rule.headers) response.setHeader(name, value);
    }
    if (headers) for (const [name, value] of Object.entries(headers(url.pathname))) response.setHeader(name, value);
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
        // The page's query goes with it: a page sent with no referrer still says which it is.
        bytes = Buffer.from(bytes.toString('utf8').replace('<head>', `<head>\n<script src="${headScript}${url.search}"></script>`));
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

module.exports = { serve, freePort };

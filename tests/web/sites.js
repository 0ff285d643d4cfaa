// The web build served as docs/deploy.md has a server serve it, from the configuration files the
// document shows (web/server/): make serve's nginx (tools/serve_web.sh), the HTTPS sites for nginx
// and Apache with a certificate of their own, and a static host that reads the _headers file. Each
// runs in a folder of its own on ports of 127.0.0.1 and is ended by stop(). The HTTPS sites keep
// their example name (metria.example.org) and answer it on 127.0.0.1.
'use strict';

const { spawn, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const server = require('./server');
const { freePort } = server;

const ROOT = path.join(__dirname, '../..');
const SERVER_FILES = path.join(ROOT, 'web/server');
const SITE_NAME = 'metria.example.org';

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Resolves once something answers on PORT of 127.0.0.1; fails if the server has ended first.
async function listening(port, child, log) {
  for (let k = 0; ; k++) {
    if (child.exitCode !== null) throw new Error(`the server ended: ${fs.existsSync(log) ? fs.readFileSync(log, 'utf8') : ''}`);
    const open = await new Promise((resolve) => {
      const socket = net.connect(port, '127.0.0.1', () => { socket.destroy(); resolve(true); });
      socket.on('error', () => resolve(false));
    });
    if (open) return;
    if (k > 200) throw new Error(`nothing answers on port ${port}`);
    await sleep(50);
  }
}

// A folder of its own, readable by the user a server drops to (Apache runs as www-data).
function stateFolder(name) {
  const state = fs.mkdtempSync(path.join(os.tmpdir(), `metria-${name}-`));
  fs.chmodSync(state, 0o755);
  return state;
}

// A self-signed certificate for the example's name (and localhost) in STATE: { cert, key }.
function certificate(state) {
  const cert = path.join(state, 'site.pem');
  const key = path.join(state, 'site.key');
  execFileSync('openssl', ['req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-days', '2', '-keyout', key, '-out', cert,
                           '-subj', `/CN=${SITE_NAME}`, '-addext', `subjectAltName=DNS:${SITE_NAME},DNS:localhost`],
               { stdio: 'ignore' });
  return { cert, key };
}

// A configuration file of web/server with the example's ports, paths and certificate replaced.
function adapted(file, { folder, http, https, cert, key, name }, more = []) {
  let text = fs.readFileSync(path.join(SERVER_FILES, file), 'utf8');
  for (const [from, to] of [
    [/listen \[::\]:80;/g, `listen [::1]:${http};`],
    [/listen \[::\]:443 /g, `listen [::1]:${https} `],
    [/listen 80;/g, `listen 127.0.0.1:${http};`],
    [/listen 443 /g, `listen 127.0.0.1:${https} `],
    [/metria\.example\.org(?!\.(pem|key))/g, name],
    [/<VirtualHost \*:80>/g, `<VirtualHost 127.0.0.1:${http}>`],
    [/<VirtualHost \*:443>/g, `<VirtualHost 127.0.0.1:${https}>`],
    [/\/etc\/ssl\/certs\/metria\.example\.org\.pem/g, cert],
    [/\/etc\/ssl\/private\/metria\.example\.org\.key/g, key],
    [/\/srv\/metria/g, folder],
    ...more,
  ]) {
    text = text.replace(from, to);
  }
  return text;
}

// FOLDER served by make serve's nginx (tools/serve_web.sh) on PORT, or a free one.
async function makeServe(folder, port) {
  port = port || await freePort();
  const state = stateFolder('serve');
  const child = spawn(path.join(ROOT, 'tools/serve_web.sh'), [folder, state, String(port)], { stdio: 'ignore' });
  await listening(port, child, path.join(state, 'logs/error.log'));
  return { url: `http://127.0.0.1:${port}/`, stop: () => { child.kill(); fs.rmSync(state, { recursive: true, force: true }); } };
}

// The ports that stand for 80 and 443 (free ones where not given), the site's name and certificate.
async function siteFor(folder, state, { http, https, name = SITE_NAME }) {
  return { folder, name, http: http || await freePort(), https: https || await freePort(), ...certificate(state) };
}

// FOLDER served by nginx as the HTTPS example (sites-available/metria) on Debian's layout of
// /etc/nginx, under the example's name or the one given.
async function nginxTls(folder, options = {}) {
  const state = stateFolder('nginx');
  const site = await siteFor(folder, state, options);
  for (const part of ['conf.d', 'snippets', 'sites-enabled', 'logs', 'temp']) fs.mkdirSync(path.join(state, part));
  fs.copyFileSync(path.join(SERVER_FILES, 'nginx/conf.d/metria.conf'), path.join(state, 'conf.d/metria.conf'));
  fs.copyFileSync(path.join(SERVER_FILES, 'nginx/snippets/metria.conf'), path.join(state, 'snippets/metria.conf'));
  fs.writeFileSync(path.join(state, 'sites-enabled/metria'), adapted('nginx/sites-available/metria', site));
  // Debian's nginx.conf, cut to what a site relies on: the modules, mime.types, conf.d and sites.
  fs.writeFileSync(path.join(state, 'nginx.conf'), `
load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;
master_process off;
daemon off;
pid ${state}/nginx.pid;
error_log ${state}/logs/error.log warn;
events { worker_connections 256; }
http {
  include /etc/nginx/mime.types;
  default_type application/octet-stream;
  access_log off;
  client_body_temp_path ${state}/temp/body;
  proxy_temp_path ${state}/temp/proxy;
  fastcgi_temp_path ${state}/temp/fastcgi;
  uwsgi_temp_path ${state}/temp/uwsgi;
  scgi_temp_path ${state}/temp/scgi;
  sendfile on;
  include conf.d/*.conf;
  include sites-enabled/*;
}
`);
  const child = spawn('/usr/sbin/nginx', ['-p', state, '-e', path.join(state, 'logs/error.log'), '-c', path.join(state, 'nginx.conf')],
                      { stdio: 'ignore' });
  await listening(site.https, child, path.join(state, 'logs/error.log'));
  return { ...site, url: `https://${site.name}:${site.https}/`,
           stop: () => { child.kill(); fs.rmSync(state, { recursive: true, force: true }); } };
}

// FOLDER served by Apache as the HTTPS example (sites-available/metria.conf, which includes
// metria-directory.conf), with the modules a2enmod would enable.
async function apacheTls(folder, options = {}) {
  const state = stateFolder('apache');
  const site = await siteFor(folder, state, options);
  fs.chmodSync(site.key, 0o644);  // read by the server once it has dropped to www-data
  const directory = path.join(SERVER_FILES, 'apache/metria-directory.conf');
  const modules = ['mpm_event', 'authz_core', 'dir', 'mime', 'alias', 'headers', 'rewrite', 'setenvif', 'socache_shmcb',
                   'ssl', 'http2'];
  fs.writeFileSync(path.join(state, 'apache2.conf'), `
ServerRoot /usr/lib/apache2
ServerName 127.0.0.1
DefaultRuntimeDir ${state}
PidFile ${state}/apache2.pid
ErrorLog ${state}/error.log
LogLevel warn
User www-data
Group www-data
${modules.map((m) => `LoadModule ${m}_module modules/mod_${m}.so`).join('\n')}
TypesConfig /etc/mime.types
Listen 127.0.0.1:${site.http}
Listen 127.0.0.1:${site.https}
SSLSessionCache shmcb:${state}/ssl_scache(512000)
${adapted('apache/metria.conf', site, [[/\/etc\/apache2\/metria-directory\.conf/g, directory]])}
`);
  const child = spawn('/usr/sbin/apache2', ['-f', path.join(state, 'apache2.conf'), '-DFOREGROUND'], { stdio: 'ignore' });
  await listening(site.https, child, path.join(state, 'error.log'));
  return { ...site, url: `https://${site.name}:${site.https}/`,
           stop: () => { child.kill(); fs.rmSync(state, { recursive: true, force: true }); } };
}

// FOLDER served by a static host that reads web/server/_headers (server.js, as such a host does).
function staticHost(folder, options = {}) {
  return server.serve(folder, { headersFile: path.join(SERVER_FILES, '_headers'), ...options });
}

module.exports = { makeServe, nginxTls, apacheTls, staticHost };

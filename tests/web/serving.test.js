// The site as docs/deploy.md has it served: each server configuration the document shows (make
// serve's nginx, nginx and Apache over HTTPS, a static host that reads _headers) sends the security
// headers, the right types and cache rules, hides dotfiles and its version, and the page reaches the
// menu under its policy with no violation. The servers are checked in Chromium's run; the page under
// the policy in every engine.
'use strict';

const assert = require('node:assert/strict');
const crypto = require('node:crypto');
const fs = require('node:fs');
const http = require('node:http');
const https = require('node:https');
const os = require('node:os');
const path = require('node:path');
const w = require('./lib');
const sites = require('./sites');

const POLICY = ["default-src 'none'", "script-src 'self' 'wasm-unsafe-eval'", "style-src 'self'", "frame-ancestors 'self'",
                "base-uri 'none'", "form-action 'none'"];
const SAME_EVERYWHERE = ['content-security-policy', 'x-content-type-options', 'referrer-policy', 'cross-origin-opener-policy',
                         'cross-origin-resource-policy', 'permissions-policy'];
const TWO_YEARS = 63072000;

// A copy of the build with what a careless copy brings along: a repository and an .htaccess.
function copyWithDotfiles() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'metria-site-'));
  fs.chmodSync(folder, 0o755);
  fs.cpSync(w.BUILD, folder, { recursive: true });
  fs.mkdirSync(path.join(folder, '.git'));
  fs.writeFileSync(path.join(folder, '.git/config'), '[core]\n');
  fs.writeFileSync(path.join(folder, '.htaccess'), '# left over\n');
  return folder;
}

// A GET of url, answered by 127.0.0.1 whatever the name in it; the site's own certificate trusted.
function get(url, { cert, headers = {} } = {}) {
  const target = new URL(url);
  const client = target.protocol === 'https:' ? https : http;
  return new Promise((resolve, reject) => {
    const request = client.request({ host: '127.0.0.1', port: target.port, path: target.pathname + target.search,
                                     servername: target.hostname, ca: cert && fs.readFileSync(cert),
                                     headers: { host: target.host, ...headers } }, (response) => {
      response.resume();
      response.on('end', () => resolve(response));
    });
    request.on('error', reject);
    request.end();
  });
}

// A page's file by its plain name ("metria.wasm") as the build named it.
function built(folder, plain) {
  const [dir, base] = [path.dirname(plain), path.basename(plain)];
  const [stem, ext] = [base.slice(0, base.indexOf('.')), base.slice(base.indexOf('.'))];
  const found = fs.readdirSync(path.join(folder, dir)).find((f) => new RegExp(`^${stem}\\.[0-9a-f]{10}\\${ext}$`).test(f));
  return path.posix.join(dir, found);
}

// Opens the site's page, and returns it at the menu, keeping the policy's violations it meets.
async function pageUnderPolicy(browser, url) {
  const keepViolations = (page) => page.evaluateOnNewDocument(() => {
    window.violations = [];
    document.addEventListener('securitypolicyviolation', (event) => {
      window.violations.push(`${event.violatedDirective} ${event.blockedURI}`);
    });
  });
  const page = await w.open(browser, url, { viewport: { width: 1400, height: 1000, deviceScaleFactor: 1 }, setup: keepViolations });
  await w.menuShown(page);
  return page;
}

const SERVERS = [
  ['make serve (nginx)', sites.makeServe],
  ['nginx over HTTPS', sites.nginxTls],
  ['Apache over HTTPS', sites.apacheTls],
  ['a static host that reads _headers', sites.staticHost],
];

const sent = {};
for (const [name, start] of SERVERS) {
  const servesFiles = start !== sites.staticHost;
  w.test(`${name}: the headers, types and cache rules; no dotfile, no version; the menu under the policy`, async (t) => {
    if (w.ENGINE !== 'chromium') return t.skip('the servers are checked in the Chromium run');
    const folder = copyWithDotfiles();
    const site = await start(folder);
    t.after(() => { site.stop(); fs.rmSync(folder, { recursive: true, force: true }); });
    const page = await get(site.url, site);
    assert.equal(page.statusCode, 200);
    for (const directive of POLICY) assert.ok(page.headers['content-security-policy'].includes(directive), directive);
    assert.equal(page.headers['x-content-type-options'], 'nosniff');
    assert.equal(page.headers['referrer-policy'], 'no-referrer');
    assert.equal(page.headers['cross-origin-opener-policy'], 'same-origin');
    assert.equal(page.headers['cross-origin-resource-policy'], 'same-origin');
    assert.match(page.headers['permissions-policy'], /camera=\(\).*microphone=\(\)/);
    assert.doesNotMatch(page.headers.server || '', /\d/, 'no version in Server');
    // Every server sends the same policy.
    sent[name] = Object.fromEntries(SAME_EVERYWHERE.map((header) => [header, page.headers[header]]));
    assert.deepEqual(sent[name], Object.values(sent)[0]);
    if (servesFiles) assert.equal(page.headers['cache-control'], 'no-cache');

    for (const [file, type] of [['manifest.webmanifest', 'application/manifest+json'], ['sw.js', /javascript/],
                                [built(folder, 'metria.wasm'), 'application/wasm'], [built(folder, 'metria.js'), /javascript/],
                                [built(folder, 'style.css'), /^text\/css/], [built(folder, 'fonts/mincho.woff2'), 'font/woff2'],
                                [built(folder, 'wav/o.wav'), 'audio/wav'], [built(folder, 'pictures/menu_background.gif'), 'image/gif']]) {
      const response = await get(site.url + file, { ...site, headers: { 'accept-encoding': 'br, gzip' } });
      assert.equal(response.statusCode, 200, file);
      const sentType = response.headers['content-type'];
      assert.ok(type instanceof RegExp ? type.test(sentType) : sentType.startsWith(type), `${file}: ${sentType}`);
      assert.equal(response.headers['x-content-type-options'], 'nosniff', file);
      if (/\.[0-9a-f]{10}\./.test(file)) assert.equal(response.headers['cache-control'], 'public, max-age=31536000, immutable', file);
      if (servesFiles && file.endsWith('.wasm')) assert.equal(response.headers['content-encoding'], 'br', file);
    }
    if (servesFiles) {
      for (const file of ['.git/config', '.htaccess']) assert.equal((await get(site.url + file, site)).statusCode, 404, file);
    }
    if (site.https) {
      assert.ok(Number(/max-age=(\d+)/.exec(page.headers['strict-transport-security'])[1]) >= TWO_YEARS, 'HSTS');
      const plain = await get(`http://${site.name}:${site.http}/licence.html?x`);
      assert.equal(plain.statusCode, 301);
      assert.equal(plain.headers.location, `https://${site.name}/licence.html?x`);
    }

    // Chromium trusts the site's certificate and finds its name on 127.0.0.1.
    const key = site.cert && crypto.createHash('sha256').update(new crypto.X509Certificate(fs.readFileSync(site.cert))
      .publicKey.export({ type: 'spki', format: 'der' })).digest('base64');
    const browser = await w.browser('chromium', { args: site.cert ? [`--ignore-certificate-errors-spki-list=${key}`,
                                                                     `--host-resolver-rules=MAP ${site.name} 127.0.0.1`] : [] });
    t.after(() => browser.close());
    const shown = await pageUnderPolicy(browser, site.url);
    assert.deepEqual(await shown.evaluate(() => window.violations), []);
  });
}

w.test('under the policy, every engine runs the page: a quiz, then a card dragged under the magnifier', async (t) => {
  const site = await sites.staticHost(w.BUILD, w.ENGINE === 'webkit' ? require('./webkit').serverOptions : {});
  const browser = await w.browser();
  t.after(async () => { await browser.close(); site.stop(); });
  const page = await pageUnderPolicy(browser, site.url);
  await w.click(page, 124, 301);
  await w.waitTitle(page, 'ＳＩ単位');
  await w.waitFrame(page, "frame.pictures.some((p) => p.file === 'quiz_si_background.gif' && p.drawn)");
  await page.goto(site.url + '?autostart&scale=2');
  await w.menuShown(page);
  await w.click(page, 134, 357);
  await w.waitTitle(page, '接頭語（ＳＩ）');
  const frame = await w.waitFrame(page, 'frame.texts.filter((t) => t.x >= 370 && t.y >= 45).length === 20');
  const card = frame.texts.find((text) => text.x >= 370 && text.y >= 45);
  await w.move(page, card.x + card.w / 2, card.y + card.h / 2);
  await page.mouse.down();
  await w.move(page, card.x, card.y + 60);
  const cursor = await page.evaluate(() => document.getElementById('screen').style.cursor);
  await page.mouse.up();
  assert.match(cursor, /^url\("?icons\/magnifier_2x\.[0-9a-f]{10}\.png"?\) 24 24, grabbing$/);
  assert.deepEqual(await page.evaluate(() => window.violations), []);
  assert.deepEqual(await page.errors(), []);
});

w.test('each configuration file docs/deploy.md names is shown there as it is', (t) => {
  if (w.ENGINE !== 'chromium') return t.skip('the document is checked in the Chromium run');
  const root = path.join(__dirname, '../..');
  const doc = fs.readFileSync(path.join(root, 'docs/deploy.md'), 'utf8');
  // A fence right after a line that ends by naming a file of web/server/ shows that file.
  const shown = [...doc.matchAll(/`(web\/server\/[^`]+)`:\n\n```[a-z]*\n([\s\S]*?)```\n/g)];
  const files = (dir) => fs.readdirSync(path.join(root, dir), { withFileTypes: true })
    .flatMap((e) => (e.isDirectory() ? files(path.join(dir, e.name)) : [path.join(dir, e.name)]));
  assert.deepEqual(shown.map((m) => m[1]).sort(), files('web/server').sort());
  for (const [, file, text] of shown) assert.equal(text, fs.readFileSync(path.join(root, file), 'utf8'), file);
});

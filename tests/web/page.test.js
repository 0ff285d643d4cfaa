// The page around the program: offline after one visit, a new build replacing the cache, a changed
// page and header reaching a returning visitor, copies in two folders of one server, the worker that
// takes the offline copy away, a page where sound is refused, ?scale=2 on a display of device scale
// 2, a finger dragging a drill card, a page that does no work while it waits, and sound that rests
// between cues.
'use strict';

const { before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const w = require('./lib');

let browser;
before(async () => { browser = await w.browser(); });
after(async () => { await browser.close(); });

// A copy of the build that a test may change and serve on its own.
function copyOfBuild() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'metria-web-'));
  fs.cpSync(w.BUILD, folder, { recursive: true });
  return folder;
}

async function controlledByWorker(page) {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 10000 });
}

// One visit to a copy of the build in a fresh browser context, until its service worker controls
// the page; end() stops the server, closes the context and removes the copy.
async function visitedCopy(serveOptions = {}) {
  const folder = copyOfBuild();
  const server = await w.serve(folder, serveOptions);
  const context = await browser.createBrowserContext();
  const page = await w.open(context, server.url);
  await w.menuShown(page);
  await controlledByWorker(page);
  const end = async () => {
    server.stop();
    await context.close();
    fs.rmSync(folder, { recursive: true, force: true });
  };
  return { folder, server, page, context, end };
}

w.test('after one visit the page runs with no server at all, every file from the cache', async () => {
  const { server, page, end } = await visitedCopy();
  const cached = await page.evaluate(async () => {
    const names = await caches.keys();
    const cache = await caches.open(names.find((n) => n.startsWith('metria ')));
    return (await cache.keys()).map((r) => new URL(r.url).pathname);
  });
  const named = await page.evaluate(() => ['metria.wasm', 'fonts/mincho.woff2', 'pictures/quiz_si_background.gif', 'wav/o.wav']
    .map((file) => '/' + MetriaNetwork.url(file)));
  for (const file of ['/', ...named]) assert.ok(cached.includes(file), `${file} is cached`);
  server.stop();
  await page.goto(server.url + '?autostart&scale=1', { offline: true });
  await w.menuShown(page);
  await w.click(page, 32 + 92, 282 + 19);
  await w.waitTitle(page, 'ＳＩ単位');
  await w.waitFrame(page, "frame.pictures.some((p) => p.file === 'quiz_si_background.gif' && p.drawn)");
  assert.deepEqual(await page.errors(), []);
  await end();
});

w.test('a new build replaces the cache once the old page is gone: one cache, holding the new files', async () => {
  const { folder, server, page, context, end } = await visitedCopy();
  try {
    const [before] = await page.evaluate(() => caches.keys());
    // A new build: a changed page script, and a service worker naming a new build.
    const pageScript = await page.evaluate(() => [...document.scripts].map((s) => s.getAttribute('src'))
      .find((src) => /^metria_page\./.test(src)));
    fs.appendFileSync(path.join(folder, pageScript), '\n// next build\n');
    const worker = path.join(folder, 'sw.js');
    fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(/const BUILD = '[^']*'/, "const BUILD = 'next'"));
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    // While the old page is open, the new build waits, installed, and the old files stay.
    await page.waitForFunction(async () => !!(await navigator.serviceWorker.getRegistration()).waiting,
                               { timeout: 10000, polling: 100 });
    assert.ok((await page.evaluate(() => caches.keys())).includes(before));
    await page.close();
    const next = await w.open(context, server.url);
    await w.menuShown(next);
    const nextCache = `metria ${server.url} next`;
    await next.waitForFunction(async (name) => (await caches.keys()).join() === name, { timeout: 10000, polling: 100 }, nextCache);
    const script = await next.evaluate(async (name, file) => (await (await caches.open(name)).match(file)).text(), nextCache, pageScript);
    assert.ok(script.endsWith('// next build\n'), 'the new page script is cached');
    assert.notEqual(before, nextCache);
  } finally {
    await end();
  }
});

// A second visit with the worker kept: WebKit's driver lets it go before any other (see webkit.js).
const visitAgain = (page, url) => page.goto(url + '?autostart&scale=1', { offline: true });

// The header is Last-Modified, which the page reads back as document.lastModified.
w.test('a returning visitor online gets the page and the headers the server gives now', async () => {
  let modified = 'Mon, 01 Jan 2024 00:00:00 GMT';
  const { folder, server, page, end } = await visitedCopy({ headers: () => ({ 'Last-Modified': modified, 'Cache-Control': 'no-cache' }) });
  try {
    modified = 'Tue, 02 Jan 2024 00:00:00 GMT';
    const index = path.join(folder, 'index.html');
    fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace('<head>', '<head>\n<meta name="deployed" content="again">'));
    await visitAgain(page, server.url);
    await w.menuShown(page);
    const seen = await page.evaluate(() => [new Date(document.lastModified).toUTCString(),
                                            document.querySelector('meta[name=deployed]')?.content, !!navigator.serviceWorker.controller]);
    assert.deepEqual(seen, [modified, 'again', true]);
  } finally {
    await end();
  }
});

w.test('two copies in sibling folders of one server each keep their offline copy', async () => {
  // Two builds: b's worker names another one.
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'metria-web-'));
  for (const folder of ['a', 'b']) fs.cpSync(w.BUILD, path.join(root, folder), { recursive: true });
  const worker = path.join(root, 'b', 'sw.js');
  fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(/const BUILD = '[^']*'/, "const BUILD = 'b'"));
  const server = await w.serve(root);
  const context = await browser.createBrowserContext();
  try {
    let page;
    for (const folder of ['a/', 'b/']) {
      page = await w.open(context, server.url + folder);
      await w.menuShown(page);
      await controlledByWorker(page);
    }
    const scopes = await page.evaluate(async () => (await caches.keys()).map((name) => name.split(' ')[1]).sort());
    assert.deepEqual(scopes, [server.url + 'a/', server.url + 'b/']);
  } finally {
    server.stop();
    await context.close();
    fs.rmSync(root, { recursive: true, force: true });
  }
});

w.test('the retiring worker in place of sw.js leaves no offline copy and no worker, and the page comes from the server', async () => {
  const { folder, server, page, end } = await visitedCopy();
  try {
    for (const file of ['sw.js', 'index.html']) fs.copyFileSync(path.join(`${w.BUILD}-retire`, file), path.join(folder, file));
    await visitAgain(page, server.url);
    await page.waitForFunction(async () => !navigator.serviceWorker.controller && document.querySelector('h1')
      && (await caches.keys()).length === 0 && (await navigator.serviceWorker.getRegistrations()).length === 0,
                               { timeout: 10000, polling: 100 });
  } finally {
    await end();
  }
});

for (const [why, setup, refuse] of [
  ['the browser refuses an audio context', (page) => page.evaluateOnNewDocument(() => {
    window.AudioContext = function () { throw new Error('not allowed'); };
  })],
  ['the cue files cannot be fetched', undefined, /\.wav$/],
  ['the audio context never starts (no sound device)', (page) => page.evaluateOnNewDocument(() => {
    window.AudioContext = class extends window.AudioContext {
      get state() { return 'suspended'; }
      resume() { return new Promise(() => {}); }
    };
  })],
]) {
  w.test(`where ${why}, every screen still runs, silently, after one warning`, async () => {
    const server = await w.serve(w.BUILD, { refuse });
    const page = await w.open(browser, server.url, { setup });
    await w.menuShown(page);
    for (const [x, y, title] of [[124, 301, 'ＳＩ単位'], [313, 301, '物の数え方'], [504, 301, '通貨の単位']]) {
      await w.click(page, x, y);
      await w.waitTitle(page, title);
      await w.recordFrames(page);
      await w.waitFrame(page, 'frame.texts.length > 20', 8000);
      await w.click(page, 550, 29);
      await w.menuShown(page);
    }
    const warnings = await page.warnings();
    const ours = warnings.filter((text) => text.startsWith('メトリア'));
    assert.equal(ours.length, 1, `one warning: ${warnings.join(' | ')}`);
    assert.deepEqual(await page.errors(), []);
    await page.close();
    server.stop();
  });
}

w.test('?scale=2 at device scale 2: a backing store of 4 device pixels per pixel, sharp text, exact hits', ['device'], async () => {
  const server = await w.serve();
  const page = await w.open(browser, server.url, {
    viewport: { width: 1400, height: 900, deviceScaleFactor: 2 }, query: '?autostart&scale=2' });
  const frame = await w.menuShown(page);
  const size = await page.evaluate(() => {
    const c = document.getElementById('screen');
    const b = c.getBoundingClientRect();
    return [c.width, c.height, b.width, b.height];
  });
  assert.deepEqual(size, [2556, 1600, 1278, 800]);
  const plain = await w.open(browser, server.url);
  const plainFrame = await w.menuShown(plain);
  await plain.close();
  const pixelsOf = (f) => f.texts.find((t) => t.text === 'おわり').pixels;
  assert.equal(pixelsOf(frame), 4 * pixelsOf(plainFrame), 'captions are drawn at four times their size');
  // Entry 0 spans x 32…215: its first and last pixel columns hit it, the ones beside it do not.
  const red = async (x) => { await w.move(page, 10, 200); await w.move(page, x, 300); await w.sleep(50);
                             return (await w.pixel(page, 36, 286)).join() === '255,0,0'; };
  assert.equal(await red(31), false, 'x 31 is left of the entry');
  assert.equal(await red(32), true, 'x 32 is on the entry');
  assert.equal(await red(215), true, 'x 215 is on the entry');
  assert.equal(await red(216), false, 'x 216 is right of the entry');
  await page.close();
  server.stop();
});

w.test('a finger drags a drill card onto a place; the page neither scrolls nor zooms', ['device', 'touch'], async () => {
  const server = await w.serve();
  const page = await w.open(browser, server.url, {
    viewport: { width: 800, height: 600, deviceScaleFactor: 1, hasTouch: true, isMobile: true },
    setup: (p) => p.evaluateOnNewDocument(() => {
      window.pointer_types = new Set();
      addEventListener('pointerdown', (event) => window.pointer_types.add(event.pointerType), true);
    }) });
  await w.menuShown(page);
  await page.touchscreen.tap(...await w.at(page, 32 + 102, 338 + 19));
  await w.waitTitle(page, '接頭語（ＳＩ）');
  let frame = await w.waitFrame(page, 'frame.texts.filter((t) => t.x >= 370 && t.y >= 45).length === 20');
  assert.equal(w.textAt(frame, 470, 9), null);
  const card = frame.texts.find((t) => t.x >= 370 && t.y >= 45);
  const [x0, y0] = await w.at(page, card.x + card.w / 2, card.y + card.h / 2);
  const [x1, y1] = await w.at(page, 125, 116);
  await page.touchscreen.touchStart(x0, y0);
  for (let step = 1; step <= 8; step++) await page.touchscreen.touchMove(x0 + (x1 - x0) * step / 8, y0 + (y1 - y0) * step / 8);
  const during = await page.evaluate(() => [scrollX, scrollY, visualViewport.scale]);
  await page.touchscreen.touchEnd();
  frame = await w.waitFrame(page, 'frame.texts.some((t) => t.x > 469 && t.x < 471 && t.y > 8 && t.y < 10)', 3000);
  assert.match(w.textAt(frame, 470, 9), /^(0|100)$/, 'the drop is scored');
  assert.deepEqual(during, [0, 0, 1]);
  assert.deepEqual(await page.evaluate(() => [...window.pointer_types]), ['touch'], 'the page saw a finger');
  await page.close();
  server.stop();
});

w.test('a waiting page does no work: no animation frames, and no wake-up while no timer runs', async () => {
  const server = await w.serve();
  const page = await w.open(browser, server.url, { setup: (p) => p.evaluateOnNewDocument(() => {
    window.animation_frames = 0;
    const request = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = (f) => { window.animation_frames++; return request(f); };
  }) });
  await w.menuShown(page);
  await w.click(page, 32 + 92, 282 + 19);
  await w.waitTitle(page, 'ＳＩ単位');
  await w.recordFrames(page);
  await w.waitFrame(page, "frame.texts.some((t) => t.text === 'これは何の単位かな')", 8000);
  await w.sleep(300);
  const frames = await page.evaluate(() => { window.animation_frames = 0; return window.frames_drawn.length; });
  await w.sleep(2000);
  assert.equal(await page.evaluate(() => window.frames_drawn.length), frames, 'no frame while the quiz waits');
  assert.equal(await page.evaluate(() => window.animation_frames), 0);
  await page.close();
  server.stop();
});

w.test('between cues the sound context rests, and the next cue wakes it', async () => {
  const server = await w.serve();
  const page = await w.open(browser, server.url, { speed: 4, setup: (p) => p.evaluateOnNewDocument(() => {
    window.AudioContext = class extends window.AudioContext {
      constructor(...args) { super(...args); window.audio_context = this; }
    };
  }) });
  await w.menuShown(page);
  const state = (wanted) => page.waitForFunction((s) => window.audio_context.state === s, { timeout: 8000 }, wanted);
  await state('suspended');
  await w.click(page, 124, 301);
  await w.waitTitle(page, 'ＳＩ単位');
  await state('running');  // the quiz's walk sounds
  await state('suspended');
  assert.deepEqual(await page.warnings(), []);
  await page.close();
  server.stop();
});

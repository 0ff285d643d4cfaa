// A first visit on a network that drops requests: a file dropped now and then still arrives; the
// program or a face that cannot be had is said on the start panel, with a way to load the page
// again; a picture that cannot be had is one warning, and the run goes on.
'use strict';

const { before, after } = require('node:test');
const assert = require('node:assert/strict');
const w = require('./lib');

let browser;
before(async () => { browser = await w.browser(); });
after(async () => { await browser.close(); });

// Presses the start panel's button that loads the page again, and waits until it has.
async function reload(page) {
  await page.evaluate(() => { window.not_reloaded = true; });
  await page.click('#reload');
  const until = Date.now() + 10000;
  const waiting = () => page.evaluate(() => window.not_reloaded === true || document.readyState !== 'complete');
  while (await waiting().catch(() => true)) {
    if (Date.now() > until) throw new Error('the page was not loaded again');
    await w.sleep(50);
  }
}

const ours = async (page) => (await page.warnings()).filter((text) => text.startsWith('メトリア: '));
// Errors thrown in the page; Firefox lists its own notice of a face it could not fetch with them.
const uncaught = async (page) => (await page.errors()).filter((text) => !text.startsWith('downloadable font:'));

w.test('every file the page fetches itself, dropped on its first request, arrives on a later one', async (t) => {
  const dropped = new Set();
  const server = await w.serve(w.BUILD, { refuse: (file) => {
    if (!/\.(wasm|woff2|gif|wav)$|\/metria(\.[0-9a-f]+)?\.js$/.test(file) || dropped.has(file)) return false;
    dropped.add(file);
    return true;
  } });
  const context = await browser.createBrowserContext();
  t.after(async () => { await context.close(); server.stop(); });
  const page = await w.open(context, server.url);
  await w.menuShown(page);
  for (const file of ['metria.wasm', 'mincho.woff2', 'menu_background.gif']) {
    assert.ok([...dropped].some((d) => d.includes(file.replace(/\..*$/, ''))), `${file} was dropped once`);
  }
  const faces = await page.evaluate(() => [...document.fonts].filter((f) => f.status === 'loaded')
    .map((f) => f.family.replace(/["']/g, '')));
  assert.ok(faces.includes('MetriaMincho') && faces.includes('MetriaGothic'), `faces loaded: ${faces}`);
  const frame = await w.lastFrame(page);
  assert.ok(frame.pictures.some((p) => p.file === 'menu_background.gif' && p.drawn), 'the background is drawn');
  assert.deepEqual(await ours(page), []);
  assert.deepEqual(await uncaught(page), []);
});

for (const [what, files] of [['the program', /metria[^/]*\.wasm$/], ['a face', /mincho[^/]*\.woff2$/]]) {
  w.test(`${what} that cannot be had is said on the start panel; loading again once the network is back runs the page`, async (t) => {
    let refusing = true;
    const server = await w.serve(w.BUILD, { refuse: (file) => refusing && files.test(file) });
    const context = await browser.createBrowserContext();
    t.after(async () => { await context.close(); server.stop(); });
    const page = await w.open(context, server.url);
    await page.waitForSelector('#load-failed', { visible: true, timeout: 10000 });
    assert.equal(await page.evaluate(() => document.getElementById('start').hidden), true, 'no start button that does nothing');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'reload');
    assert.deepEqual(await uncaught(page), []);
    refusing = false;
    await reload(page);
    await w.menuShown(page);
    assert.deepEqual(await uncaught(page), []);
  });
}

w.test('a picture that cannot be had is one warning, and the menu runs without it', async (t) => {
  const server = await w.serve(w.BUILD, { refuse: /\/menu_background[^/]*\.gif$/ });
  const context = await browser.createBrowserContext();
  t.after(async () => { await context.close(); server.stop(); });
  const page = await w.open(context, server.url);
  const frame = await w.menuShown(page);
  assert.ok(!frame.pictures.some((p) => p.file === 'menu_background.gif' && p.drawn));
  const warnings = await ours(page);
  assert.equal(warnings.length, 1, warnings.join(' | '));
  assert.match(warnings[0], /menu_background\.gif/);
  assert.deepEqual(await uncaught(page), []);
});

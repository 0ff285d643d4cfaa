// What the layer over the canvas and the page's fitting show, and what they leave alone: the
// window's pixels and the pointer's target unchanged, browser zoom, a phone upright and on its side,
// the scale an address asks for, more contrast and forced colours, and less motion.
'use strict';

const { before, after } = require('node:test');
const assert = require('node:assert/strict');
const w = require('./lib');

const SPEED = 4;  // the program's timers run four times as fast where a test waits on them
let server, browser;
before(async () => { server = await w.serve(); browser = await w.browser(); });
after(async () => { await browser.close(); server.stop(); });

async function menuReady(options = {}) {
  const page = await w.open(browser, server.url,
                             { query: '?autostart&scale=1&seed=7', setup: w.keepSaid, speed: SPEED, ...options });
  await w.waitTitle(page, 'メニュー');
  await w.waitButton(page, 'おわり');
  return page;
}

// The first question answered wrong; the program is then held still until release().
async function quizAnsweredWrong(page) {
  await w.pressButton(page, '科学の単位');
  await w.waitSaid(page, /^問題　/);
  const from = await w.saidCount(page);
  await w.hold(page);
  await w.pressButton(page, '長さ');
  assert.match(await w.waitSaid(page, /^(まる|ばつ)/, from), /^ばつ/, 'seed 7 asks something other than a length first');
}

// The canvas's box in CSS pixels, the backing store, and the page's scroll room.
function geometry(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const box = canvas.getBoundingClientRect();
    const frame = document.getElementById('window').getBoundingClientRect();
    return { left: box.left + scrollX, width: box.width, height: box.height, store: canvas.width,
             frameHeight: frame.height, scrolls: document.documentElement.scrollWidth > innerWidth,
             hint: !document.getElementById('turn-hint').hidden };
  });
}

w.test('the layer paints nothing and takes no pointer: the same pixels without it, the canvas under every point', async () => {
  const page = await menuReady();
  await quizAnsweredWrong(page);
  // The layer holds an element for every node, the right answer among them.
  await w.waitButton(page, '面積、正解', 3000);
  const withLayer = await page.screenshot();
  await page.evaluate(() => { document.getElementById('layer').style.display = 'none'; });
  const without = await page.screenshot();
  await page.evaluate(() => { document.getElementById('layer').style.display = ''; });
  assert.ok(withLayer.equals(without), 'the screenshots are the same');
  const hits = await page.evaluate(() => [...document.querySelectorAll('#layer > *')].map((e) => {
    const box = e.getBoundingClientRect();
    return document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2).id;
  }));
  assert.ok(hits.length > 20);
  assert.deepEqual([...new Set(hits)], ['screen']);
  await page.close();
});

// Browser zoom as the page sees it: the viewport's CSS pixels divided, devicePixelRatio multiplied.
w.test('browser zoom enlarges the window: at 200 % its CSS size stays, its pixels double, the page scrolls', ['device'], async () => {
  const page = await menuReady({ query: '?autostart&seed=7' });
  // Zoom, the viewport it leaves, the window's CSS scale then (the menu is 639 × 400), and whether the page scrolls.
  const zooms = [
    [1, { width: 1024, height: 768, deviceScaleFactor: 1 }, 1.5, false],
    [2, { width: 512, height: 384, deviceScaleFactor: 2 }, 1.5, true],
    [1.5, { width: 683, height: 512, deviceScaleFactor: 1.5 }, 1.5, true],
    [1, { width: 1024, height: 768, deviceScaleFactor: 1 }, 1.5, false],
    [1, { width: 800, height: 600, deviceScaleFactor: 1 }, 1, false],
  ];
  for (const [zoom, viewport, scale, scrolls] of zooms) {
    await page.setViewport(viewport);
    const store = Math.round(639 * scale * zoom);
    await page.waitForFunction((s) => Math.abs(document.getElementById('screen').width - s) <= 1, { timeout: 3000 }, store);
    const seen = await geometry(page);
    assert.ok(Math.abs(seen.width - 639 * scale) <= 1, `zoom ${zoom}: ${seen.width} CSS pixels wide`);
    assert.equal(seen.scrolls, scrolls, `zoom ${zoom}: the page scrolls`);
    assert.ok(seen.left >= 0, `zoom ${zoom}: the window's left edge can be scrolled to`);
  }
  await page.close();
});

w.test('a phone upright shows the hint to turn it; on its side the window takes all the height', ['device'], async () => {
  const phone = { deviceScaleFactor: 3, isMobile: true, hasTouch: true };
  const page = await menuReady({ query: '?autostart&seed=7', viewport: { width: 390, height: 844, ...phone } });
  // How the device is held, its viewport, whether the hint shows, and the window's width or its
  // frame's height. The device's pixel ratio stays: a change of it is the page being zoomed.
  const ways = [
    ['upright', { width: 390, height: 844, ...phone }, true, { width: 388 }],
    ['on its side', { width: 844, height: 390, ...phone }, false, { frameHeight: 390 }],
    ['a tablet upright', { width: 768, height: 1024, ...phone }, false, { width: 639 }],
    ['upright again', { width: 390, height: 844, ...phone }, true, { width: 388 }],
  ];
  for (const [how, viewport, hint, size] of ways) {
    await page.setViewport(viewport);
    // The page refits at the resize event, which may come after setViewport has returned.
    const settled = await page.waitForFunction((shows, expected) => {
      const box = document.getElementById('screen').getBoundingClientRect();
      const sizes = { width: box.width, frameHeight: document.getElementById('window').getBoundingClientRect().height };
      return document.getElementById('turn-hint').hidden !== shows &&
             Object.entries(expected).every(([what, value]) => Math.abs(sizes[what] - value) <= 1);
    }, { timeout: 3000 }, hint, size).then(() => true, () => false);
    const seen = await geometry(page);
    assert.ok(settled, `${how}: hint ${seen.hint}, ${seen.width} wide, the frame ${seen.frameHeight} high`);
    assert.equal(await page.evaluate(() => visualViewport.scale), 1, `${how}: the page is not left zoomed out`);
  }
  assert.equal(await page.$eval('#turn-hint', (e) => e.textContent), '横向きにしてください');
  assert.equal(await page.$eval('meta[name=viewport]', (e) => e.content), 'width=device-width, initial-scale=1',
               'the page may be zoomed');
  await page.close();
  const fixed = await menuReady({ query: '?autostart&scale=1&seed=7', viewport: { width: 390, height: 844, ...phone } });
  assert.equal((await geometry(fixed)).hint, false, 'a page that fixes the scale has chosen it');
  await fixed.close();
});

w.test('a scale written in the address is kept between one step and the largest canvas every engine draws', async () => {
  const LARGEST = 4096 * 4096;
  for (const [scale, expected] of [['100000', 'largest'], ['Infinity', 'largest'], ['0.0001', 0.25], ['-3', 'fitting']]) {
    const page = await menuReady({ query: `?autostart&scale=${scale}`, viewport: { width: 1024, height: 768, deviceScaleFactor: 1 } });
    const { width, height, shown } = await page.evaluate(() => {
      const screen = document.getElementById('screen');
      return { width: screen.width, height: screen.height, shown: screen.getBoundingClientRect().width / screen.dataset.width };
    });
    const step = 0.25, [w0, h0] = [width / shown, height / shown];
    assert.ok(width * height <= LARGEST, `scale=${scale}: ${width} × ${height}`);
    if (expected === 'largest') assert.ok(w0 * h0 * (shown + step) ** 2 > LARGEST, `scale=${scale}: ${shown} is the largest`);
    // Without a number the window fits the browser's: 1.5 here. The canvas is whole pixels.
    else assert.ok(Math.abs(shown - (expected === 'fitting' ? 1.5 : expected)) < 0.01, `scale=${scale}: ${shown}`);
    await page.close();
  }
});

// The layer's elements that show themselves, with their colours, text and box.
function strongElements(page) {
  return page.evaluate(() => [...document.querySelectorAll('#layer > *')].map((e) => {
    const style = getComputedStyle(e);
    const mark = getComputedStyle(e, '::after').content;
    return { key: e.dataset.key, said: e.querySelector('.said').textContent, background: style.backgroundColor,
             color: style.color, text: (e.querySelector('.shown') || e.querySelector('.said')).textContent,
             mark: mark !== 'none' && mark !== 'normal' };
  }).filter((e) => e.background !== 'rgba(0, 0, 0, 0)' || e.color !== 'rgba(0, 0, 0, 0)' || e.mark));
}

// WCAG's contrast ratio of two computed rgb() colours.
function contrast(a, b) {
  const luminance = (rgb) => {
    const [r, g, b2] = rgb.match(/\d+/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b2;
  };
  const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (hi + 0.05) / (lo + 0.05);
}

// What the user's system asks for, and whether the layer then shows the faint words.
const CONTRASTS = [[{ 'prefers-contrast': 'more' }, true], [{ 'forced-colors': 'active' }, true],
                   [{ 'prefers-contrast': 'no-preference', 'forced-colors': 'none' }, false]];

w.test('more contrast or forced colours: the faint words shown by the layer, and a mark on the right answer', ['devtools'], async () => {
  const page = await menuReady();
  await quizAnsweredWrong(page);
  for (const [features, shows] of CONTRASTS) {
    await w.emulateMedia(page, features);
    const strong = await strongElements(page);
    const how = JSON.stringify(features);
    if (!shows) {
      assert.deepEqual(strong, [], `${how}: nothing of the layer shows`);
      continue;
    }
    const words = strong.filter((e) => !e.mark).map((e) => e.text).sort();
    assert.deepEqual(words, ['■メニュー', '坪 (つぼ)'], `${how}: the item as shown, and the menu spot`);
    for (const e of strong.filter((s) => !s.mark)) {
      assert.ok(contrast(e.color, e.background) >= 4.5, `${how}: ${e.text}: ${e.color} on ${e.background}`);
    }
    assert.deepEqual(strong.filter((e) => e.mark).map((e) => e.said), ['面積、正解'], `${how}: the mark`);
  }
  await w.release(page);
  await w.axPress(page, await w.axFind(page, 'button', 'メニュー'));
  await w.waitButton(page, '接頭語（ＳＩ）');
  await w.axPress(page, await w.axFind(page, 'button', '接頭語（ＳＩ）'));
  await w.waitButton(page, 'テラ  　[Ｔ]');
  const [x, y] = await w.at(page, 158, 14);
  for (const [features, shows] of CONTRASTS) {
    await w.emulateMedia(page, features);
    const strong = await strongElements(page);
    assert.deepEqual(strong.map((e) => e.text).sort(), shows ? ['■メニュー', '接頭語を数にドラッグして下さい'] : []);
    if (!shows) continue;
    for (const e of strong) assert.ok(contrast(e.color, e.background) >= 4.5, `${e.text}: ${e.color} on ${e.background}`);
    const box = await page.$eval('#layer > .strong[data-role=text]', (e) => e.getBoundingClientRect().toJSON());
    assert.ok(Math.abs(box.left - x + 0.5) < 1 && Math.abs(box.top - y + 0.5) < 1 && Math.abs(box.width - 240) < 1,
              'the instruction covers its box in the picture');
  }
  await page.close();
});

w.test('less motion, where the browser says so: the program is told, and the turtle stands', ['devtools'], async () => {
  for (const [value, told] of [['reduce', 1], ['no-preference', 0]]) {
    const page = await w.open(browser, server.url, { query: '?scale=1&seed=7', setup: w.keepSaid });
    await w.emulateMedia(page, { 'prefers-reduced-motion': value });
    await page.waitForSelector('#start', { visible: true });
    await page.waitForFunction(() => typeof Module !== 'undefined' && Module.calledRun);
    await page.evaluate(() => {
      const start = Module._web_start;
      Module._web_start = (...args) => { window.started_with = args; start(...args); };
    });
    await w.recordFrames(page);
    await page.click('#start');
    await w.waitButton(page, 'おわり');
    assert.equal((await page.evaluate(() => window.started_with))[1], told);
    const tops = await page.evaluate(() => [...new Set(window.frames_drawn.flatMap((f) => f.pictures)
      .filter((p) => /^turtle_pose/.test(p.file)).map((p) => p.y))]);
    assert.equal(tops.length === 1, told === 1, `the turtle drawn at ${tops.join(', ')}`);
    await page.close();
  }
});

// The same layout in every engine: with a fixed seed, every text of every screen is drawn at the same
// place and given the same width, within 1 pixel, in Chromium, Firefox and WebKit. This file drives
// all three engines itself, so it runs once, after the engines' own runs.
'use strict';

const { test } = require('node:test');
const assert = require('node:assert/strict');
const w = require('./lib');

const ENGINES = ['chromium', 'firefox', 'webkit'];
const SPEED = 4;  // the openings run four times as fast: this test waits on them, not times them
const MENU_READY = "frame.texts.some((t) => t.text === 'おわり')";

// Each screen: the menu entry that opens it (and the choice of 数_日本 after it), and a test of its
// frame once it is drawn whole.
const JAPAN = [360, 357];
const SCREENS = [
  ['ＳＩ単位', [124, 301], null, "frame.texts.some((t) => t.text === 'これは何の単位かな')"],
  ['物の数え方', [313, 301], null, "frame.texts.some((t) => t.text === 'これはどう数えるの？')"],
  ['通貨の単位', [504, 301], null, "frame.texts.some((t) => t.text === 'この国の通貨は何？')"],
  ['接頭語（ＳＩ）', [134, 357], null, 'frame.texts.filter((t) => t.x >= 370 && t.y >= 45).length === 20'],
  ['数_日本', JAPAN, null, "frame.texts.some((t) => t.text === '１より小')"],
  ['接頭語（日本・大）', JAPAN, [174, 157], "frame.texts.some((t) => t.text === '十')"],
  ['接頭語（日本・小）', JAPAN, [440, 157], "frame.texts.some((t) => t.text === '微')"],
];

// Every text of the screen's settled frame: its words, and where and how wide it is drawn.
async function textsOf(page, ready) {
  await w.waitFrame(page, ready, 15000);
  await w.sleep(400);
  const frame = await w.lastFrame(page);
  return frame.texts.map((t) => ({ text: t.text, box: `${t.x},${t.y}`, ...t.drawn }));
}

// The drawn texts of every screen in one engine, by screen title.
async function layoutIn(engine) {
  const server = await w.serve(w.BUILD, { forEveryEngine: true });
  const browser = await w.browser(engine);
  const page = await w.open(browser, server.url, { query: '?autostart&scale=1&seed=7', speed: SPEED });
  const screens = {};
  await w.waitTitle(page, 'メニュー');
  await w.recordFrames(page);
  screens['メニュー'] = await textsOf(page, MENU_READY);
  for (const [title, entry, choice, ready] of SCREENS) {
    await w.click(page, ...entry);
    if (choice) {
      await w.waitTitle(page, '数_日本');
      await w.waitFrame(page, SCREENS[4][3], 15000);
      await w.click(page, ...choice);
    }
    await w.waitTitle(page, title);
    screens[title] = await textsOf(page, ready);
    await w.pressButton(page, 'メニュー');
    await w.waitTitle(page, 'メニュー');
    await w.waitFrame(page, MENU_READY, 15000);
  }
  await page.close();
  await browser.close();
  server.stop();
  return screens;
}

test('every text of every screen is drawn at the same place and width in the three engines', async (t) => {
  const layouts = {};
  for (const engine of ENGINES) layouts[engine] = await layoutIn(engine);
  const far = [];
  for (const title of Object.keys(layouts.chromium)) {
    for (const engine of ENGINES.slice(1)) {
      const theirs = layouts[engine][title];
      let compared = 0, differing = 0, most = 0;
      for (const ours of layouts.chromium[title]) {
        const same = theirs.find((o) => o.text === ours.text && o.box === ours.box);
        if (!same) continue;
        compared++;
        const apart = Math.max(Math.abs(same.x - ours.x), Math.abs(same.y - ours.y), Math.abs(same.w - ours.w));
        if (apart > 0) differing++;
        most = Math.max(most, apart);
        if (apart > 1) far.push(`${title} in ${engine}: ${ours.text} at ${same.x},${same.y} width ${same.w}` +
                                ` against ${ours.x},${ours.y} width ${ours.w}`);
      }
      t.diagnostic(`${title}, ${engine} against chromium: ${compared} of ${layouts.chromium[title].length} texts` +
                   ` compared, ${differing} differ, by ${most} px at most`);
      assert.ok(compared >= layouts.chromium[title].length - 2, `${title} in ${engine}: the same texts are drawn`);
    }
  }
  assert.deepEqual(far, []);
});

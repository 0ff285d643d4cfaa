// Every screen as a screen reader meets it: its buttons found by name in Chromium's accessibility
// tree and acted on there, a drill completed through the layer's elements alone, no axe-core
// violation on the start page or any screen, and Lighthouse's accessibility score.
'use strict';

const { before, after } = require('node:test');
const assert = require('node:assert/strict');
const { AxePuppeteer } = require('@axe-core/puppeteer');
const w = require('./lib');

const SPEED = 4;  // the program's timers run four times as fast: these tests wait on them, not time them
let server, browser;
before(async () => { server = await w.serve(); browser = await w.browser(); });
after(async () => { await browser.close(); server.stop(); });

const press = async (page, name) => w.axPress(page, await w.axFind(page, 'button', name));

// axe-core's rules on the page as it is; the violations, one line each.
async function violations(page) {
  const result = await new AxePuppeteer(page).analyze();
  return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

async function menuFoundByName(page) {
  await w.waitTitle(page, 'メニュー');
  await w.axFind(page, 'button', 'おわり');
}

w.test('through the accessibility tree: every screen found and acted on by name, none with an axe violation', ['devtools'], async (t) => {
  const page = await w.open(browser, server.url, { query: '?scale=1&seed=7', setup: w.keepSaid, speed: SPEED });
  await page.waitForSelector('#start', { visible: true });
  const seen = [['start page', await violations(page)]];
  await press(page, 'はじめる');
  await menuFoundByName(page);
  seen.push(['メニュー', await violations(page)]);

  // Each entry, what shows there once it is ready, and what is done there before the way back.
  const entries = [
    ['科学の単位', 'ＳＩ単位', 'StaticText', '問題　坪 (つぼ)', async () => {
      await w.hold(page);
      await press(page, '長さ');
      const right = await w.axFind(page, 'button', '面積、正解');
      assert.equal(right.disabled, true, 'answers take nothing between questions');
      seen.push(['ＳＩ単位, answered', await violations(page)]);
      await w.release(page);
    }],
    ['物の数え方', '物の数え方', 'StaticText', 'これはどう数えるの？'],
    ['通貨の単位', '通貨の単位', 'StaticText', 'この国の通貨は何？'],
    ['接頭語（ＳＩ）', '接頭語（ＳＩ）', 'button', 'テラ  　[Ｔ]', async () => {
      await press(page, 'テラ  　[Ｔ]');
      const held = await w.axFind(page, 'button', 'テラ  　[Ｔ]');
      assert.equal(held.description, '持っています');
      assert.equal((await w.axFind(page, 'button', '１０の２４乗')).focused, true, 'the focus goes to the first place');
      seen.push(['接頭語（ＳＩ）, a card held', await violations(page)]);
      // Acting on anything while a card is held puts the card down there, as a pointer's release
      // does: Escape puts it back first.
      await page.keyboard.press('Escape');
      await w.waitSaid(page, /^テラ.*を戻しました$/);
    }],
  ];
  for (const [entry, title, role, ready, then] of entries) {
    await press(page, entry);
    await w.waitTitle(page, title);
    await w.axFind(page, role, ready);
    seen.push([title, await violations(page)]);
    if (then) await then();
    await press(page, 'メニュー');
    await menuFoundByName(page);
  }

  // 数_日本 and its two drills; the last one closed with the title bar's close box.
  for (const [choice, title, card, leave] of [['１より大', '接頭語（日本・大）', '十', 'メニュー'],
                                             ['１より小', '接頭語（日本・小）', '微（び）', '閉じる']]) {
    await press(page, '接頭語（日本）');
    await w.waitTitle(page, '数_日本');
    await w.axFind(page, 'button', choice);
    if (choice === '１より大') seen.push(['数_日本', await violations(page)]);
    await press(page, choice);
    await w.waitTitle(page, title);
    await w.axFind(page, 'button', card);
    seen.push([title, await violations(page)]);
    await press(page, leave);
    if (leave === 'メニュー') await menuFoundByName(page);
  }
  await page.waitForSelector('#ended', { visible: true, timeout: 3000 });
  seen.push(['the end', await violations(page)]);

  for (const [where, found] of seen) t.diagnostic(`axe ${where}: ${found.length} violations ${found.join(' | ')}`);
  assert.deepEqual(seen.filter(([, found]) => found.length > 0), []);
  assert.equal(seen.length, 12);
  await page.close();
});

w.test('a drill completed through the layer alone: each card\'s element, then a place\'s, focused and pressed Enter on', ['devtools'], async () => {
  const page = await w.open(browser, server.url,
                            { query: '?autostart&scale=1&seed=7', setup: w.keepSaid, speed: SPEED });
  await menuFoundByName(page);
  await press(page, '接頭語（日本）');
  await press(page, '１より大');
  await w.waitTitle(page, '接頭語（日本・大）');
  await w.axFind(page, 'button', '十');
  const buttons = async () => (await w.axTree(page)).filter((n) => n.role === 'button' && n.name !== 'メニュー' &&
                                                                    n.name !== '閉じる');
  const cards = (await buttons()).filter((n) => !n.disabled && !n.name.startsWith('１０の')).map((n) => n.name);
  const from = await w.saidCount(page);
  let places = null;
  const filled = new Set();
  for (const card of cards) {
    for (;;) {
      await w.axFocus(page, await w.axFind(page, 'button', card));
      await page.keyboard.press('Enter');
      await w.waitSaid(page, new RegExp(`^${card}を持ちました`), from);
      places = places || (await buttons()).map((n) => n.name).filter((n) => !cards.includes(n));
      const place = places.find((p) => !filled.has(p));
      const before = await w.saidCount(page);
      await w.axFocus(page, await w.axFind(page, 'button', place));
      await page.keyboard.press('Enter');
      const said = await w.waitSaid(page, /^(まる|ばつ)、/, before);
      // A wrong place is kept for the cards still to come: each card tries the open places in turn.
      if (said.startsWith('まる')) {
        filled.add(place);
        break;
      }
      places.push(places.splice(places.indexOf(place), 1)[0]);
    }
  }
  assert.equal(filled.size, cards.length, 'every card found its place');
  assert.match(await w.waitSaid(page, /^(合格|不合格)/, from), /^(合格(　.+メダル)?|不合格)。再挑戦$/);
  await page.close();
});

// Lighthouse's page-wide audits (title, language, viewport) and its axe rules: on the start page, and
// on a running screen (axe-core alone covers every screen above).
w.test('Lighthouse: accessibility 100 on the start page and on a quiz answered', ['devtools'], async (t) => {
  const { default: lighthouse, snapshot } = await import('lighthouse');
  const flags = { onlyCategories: ['accessibility'], logLevel: 'error' };
  const scores = [];
  const page = await browser.newPage();
  const start = await lighthouse(server.url + '?seed=7', flags, undefined, page);
  scores.push(['start page', start.lhr.categories.accessibility.score]);
  await page.close();

  const running = await w.open(browser, server.url,
                               { query: '?autostart&scale=1&seed=7', setup: w.keepSaid, speed: SPEED });
  await menuFoundByName(running);
  await press(running, '科学の単位');
  await w.axFind(running, 'StaticText', '問題　坪 (つぼ)');
  await w.hold(running);
  await press(running, '長さ');
  await w.axFind(running, 'button', '面積、正解');
  scores.push(['ＳＩ単位, answered', (await snapshot(running, { flags })).lhr.categories.accessibility.score]);
  for (const [where, score] of scores) t.diagnostic(`Lighthouse ${where}: ${Math.round(score * 100)}`);
  assert.deepEqual(scores.map(([, score]) => score), [1, 1]);
  await running.close();
});

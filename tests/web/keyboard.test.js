// The keys alone play the whole program, through the layer of elements over the canvas: no
// pointer event at all from the start button to おわり and a second run, with what the live region
// says at each step.
'use strict';

const { before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const w = require('./lib');

const SPEED = 4;  // the program's timers run four times as fast: these tests wait on them, not time them
let server, browser;
before(async () => { server = await w.serve(); browser = await w.browser(); });
after(async () => { await browser.close(); server.stop(); });

// Every key pressed, with the title after it and what the live region said until the next key.
// METRIA_WEB_TRANSCRIPT names a file to write it to.
function transcript(page) {
  const steps = [];
  return {
    async press(key) {
      steps.push({ key, from: await w.saidCount(page) });
      await page.keyboard.press(key);
      steps[steps.length - 1].title = await page.evaluate(() => document.title);
    },
    async write() {
      const said = await page.evaluate(() => window.said);
      const lines = [];
      steps.forEach((step, i) => {
        const words = said.slice(step.from, i + 1 < steps.length ? steps[i + 1].from : said.length).join(' / ');
        const last = lines[lines.length - 1];
        // Keys that said nothing and left the title as it was are counted on one line.
        if (last && !words && !last.words && last.key === step.key && last.title === step.title) last.times++;
        else lines.push({ key: step.key, title: step.title, words, times: 1 });
      });
      const text = lines.map((l) => `${l.key}${l.times > 1 ? ' ×' + l.times : ''}\t${l.title}\t${l.words}`);
      if (process.env.METRIA_WEB_TRANSCRIPT) fs.writeFileSync(process.env.METRIA_WEB_TRANSCRIPT, text.join('\n') + '\n');
      return steps;
    },
  };
}

// Presses key until the focus is on name, through the transcript.
async function keyTo(page, log, name, key = 'Tab') {
  for (let k = 0; k < 100 && await w.focusedName(page) !== name; k++) await log.press(key);
  assert.equal(await w.focusedName(page), name, `${key} reaches ${name}`);
}

// The live region's sentences as it holds them now.
const region = (page) => page.$eval('#announcer', (e) => [...e.children].map((p) => p.textContent));
const RIGHT = /^まる、正解。正解 1、まちがい 0、残り 74$/;
const WRONG = /^ばつ、まちがい。正解は　[^。]+。正解 0、まちがい 1、残り 74$/;

async function menuReady(page) {
  await w.waitTitle(page, 'メニュー');
  await w.waitButton(page, 'おわり');
  await page.waitForFunction(() => document.activeElement.closest('#layer'), { timeout: 3000 });
}

// Answers the question on the board with the focused answer, or the one named; returns what was
// said. The program is held still from the answer on, until release().
async function answer(page, log, name) {
  await w.waitSaid(page, /^問題　/, await w.saidCount(page) - 1);
  if (name) await keyTo(page, log, name);
  const from = await w.saidCount(page);
  await w.hold(page);
  await log.press('Enter');
  return w.waitSaid(page, /^(まる|ばつ)、/, from);
}

const { POWERS, placeOf } = w;

// 接頭語（ＳＩ） played to the end with the keys: each card picked up and put on its place, after
// one try on a wrong place for the first card.
async function playDrill(page, log) {
  let tries = 0;
  for (;;) {
    const card = await page.evaluate(() => [...document.querySelectorAll('#layer button:not([aria-disabled])')]
      .map((b) => b.querySelector('.said').textContent).find((n) => n !== 'メニュー' && !n.startsWith('１０の')));
    if (!card) return tries;
    const places = tries === 0 ? ['１０の２乗', placeOf(card)].filter((p, i, all) => all.indexOf(p) === i) : [placeOf(card)];
    for (const place of places) {
      await keyTo(page, log, card);
      const from = await w.saidCount(page);
      await log.press('Enter');
      await w.waitSaid(page, /を持ちました/, from);
      await keyTo(page, log, place);
      await log.press('Enter');
      const said = await w.waitSaid(page, /^(まる|ばつ)、/, from);
      tries++;
      assert.equal(said.startsWith('まる'), place === placeOf(card), said);
    }
  }
}

w.test('the keys alone: every screen, a quiz answered right and wrong, a drill to its result, ■再挑戦, ■メニュー, おわり', async () => {
  const page = await w.open(browser, server.url, { query: '?scale=1&seed=7', setup: w.keepSaid, speed: SPEED });
  await page.waitForSelector('#start', { visible: true });
  await page.waitForFunction(() => typeof Module !== 'undefined' && Module.calledRun);
  const log = transcript(page);
  await log.press('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'start');
  await log.press('Enter');
  await menuReady(page);
  assert.equal(await w.focusedName(page), '科学の単位', 'the focus comes into the window by itself');
  await log.press('Tab');
  assert.equal(await w.focusedName(page), '科学の単位', 'the first key only shows where the focus is');

  // ＳＩ単位: the focused answer, then the way back.
  await log.press('Enter');
  await w.waitTitle(page, 'ＳＩ単位');
  const first = await answer(page, log);
  assert.deepEqual(await region(page), [first], 'the answer is the region\'s one sentence');
  assert.match(first, first.startsWith('ばつ') ? WRONG : RIGHT);
  const rightAnswer = /正解は　([^。、]+)/.exec(first);
  if (rightAnswer) {
    await w.waitButton(page, `${rightAnswer[1]}、正解`, 3000);  // the right answer says so after a wrong one
  }
  await w.release(page);
  await keyTo(page, log, 'メニュー');
  await log.press('Enter');
  await menuReady(page);

  // The other quizzes, by Tab and by the arrows along the entries.
  for (const [keys, title] of [[['Tab'], '物の数え方'], [['Tab', 'ArrowRight'], '通貨の単位']]) {
    for (const key of keys) await log.press(key);
    await log.press('Enter');
    await w.waitTitle(page, title);
    await w.waitSaid(page, /^問題　/, await w.saidCount(page) - 1);
    await keyTo(page, log, 'メニュー');
    await log.press('Enter');
    await menuReady(page);
  }

  // 接頭語（ＳＩ）: played to its result, then ■再挑戦 and the way back.
  await log.press('ArrowDown');
  await log.press('Enter');
  await w.waitTitle(page, '接頭語（ＳＩ）');
  const places = await page.evaluate(() => [...document.querySelectorAll('#layer button')].length);
  assert.ok(places > 20, 'cards and the menu spot');
  const from = await w.saidCount(page);
  await log.press('Enter');
  await w.waitSaid(page, /を持ちました/, from);
  const placeNames = await page.evaluate(() => [...document.querySelectorAll('#layer button')]
    .map((b) => b.querySelector('.said').textContent).filter((n) => /^１０の/.test(n)));
  assert.equal(placeNames.length, 20, 'while a card is held, the twenty places are buttons');
  await log.press('Escape');
  await w.waitSaid(page, /を戻しました/, from);
  assert.deepEqual(placeNames.sort(), Object.keys(POWERS).map(placeOf).sort());
  assert.equal(await playDrill(page, log), 21, 'twenty cards placed, one wrong try');
  const result = await w.waitSaid(page, /^(合格|不合格)/, from);
  assert.equal(result, '合格　金メダル。再挑戦', '95 ％ earns gold');
  assert.deepEqual(await region(page), [result]);
  await keyTo(page, log, '再挑戦');
  await log.press('Enter');
  await page.waitForFunction(() => document.querySelectorAll('#layer button:not([aria-disabled])').length > 20);
  await keyTo(page, log, 'メニュー');
  await log.press('Enter');
  await menuReady(page);

  // 数_日本 and both its drills.
  for (const choice of ['１より大', '１より小']) {
    await keyTo(page, log, '接頭語（日本）');
    await log.press('Enter');
    await w.waitTitle(page, '数_日本');
    await w.waitButton(page, choice);
    await keyTo(page, log, choice, 'ArrowRight');
    await log.press('Enter');
    await w.waitTitle(page, choice === '１より大' ? '接頭語（日本・大）' : '接頭語（日本・小）');
    await keyTo(page, log, 'メニュー');
    await log.press('Enter');
    await menuReady(page);
  }

  // おわり, then a second run with the same seed: the same first question, answered the other way.
  await keyTo(page, log, 'おわり');
  await log.press('Enter');
  await page.waitForSelector('#ended', { visible: true, timeout: 3000 });
  assert.equal(await page.evaluate(() => document.activeElement.id), 'restart');
  assert.deepEqual(await region(page), ['メトリアは終わりました。']);
  await log.press('Enter');
  await menuReady(page);
  await log.press('Enter');
  await w.waitTitle(page, 'ＳＩ単位');
  const second = await answer(page, log, rightAnswer ? rightAnswer[1] : 'エネルギ');
  assert.deepEqual(await region(page), [second]);
  assert.match(second, second.startsWith('ばつ') ? WRONG : RIGHT);
  await w.release(page);
  assert.deepEqual([first.slice(0, 2), second.slice(0, 2)].sort(), ['ばつ', 'まる'], 'one answer right and one wrong');

  const lines = await log.write();
  assert.ok(lines.length > 40);
  assert.equal(await page.evaluate(() => window.pointer_events), 0, 'no pointer event at all');
  assert.deepEqual(await page.errors(), []);
  await page.close();
});

// Where the focus is when a key comes, what the key does, where the focus is then, and what the
// engine must give: the page's own keys reach the window while nothing else has the focus, and Tab
// can always leave it.
const PAGE_KEYS = [
  ['nothing has the focus: the first key only shows where the window\'s focus is', null, ['ArrowDown'], '科学の単位', []],
  ['nothing has the focus, Enter: the focused entry opens', null, ['Enter'], 'ＳＩ単位', []],
  ['the first key shows the focus, the next Shift+Tab leaves the window for the close box', '科学の単位',
   ['Shift+Tab', 'Shift+Tab'], 'close', ['shiftTab']],
  ['the quiz before its question has nothing to focus: Tab is the browser\'s own, and moves on', 'ＳＩ単位', ['Tab'],
   'moved', []],
];

// Each case on a page of its own: a page left for the next case would abort the files it is still
// fetching, which Firefox reports as errors of the page.
w.test('keys from the page itself: into the window while nothing has the focus, and out of it by Tab', async (t) => {
  for (const [why, from, keys, expected, needs] of PAGE_KEYS) {
    const lacking = w.lacking(needs);
    if (lacking) {
      t.diagnostic(`${why}: ${lacking}`);
      continue;
    }
    const page = await w.open(browser, server.url,
                              { query: '?autostart&scale=1&seed=7', setup: w.keepSaid, speed: SPEED });
    await menuReady(page);
    if (from === 'ＳＩ単位') {
      // The program sleeps from here on, so the quiz stays before its first question.
      await w.hold(page);
      await page.keyboard.press('Enter');
      await w.waitTitle(page, 'ＳＩ単位');
    }
    if (from === null) await page.evaluate(() => document.activeElement.blur());
    for (const key of keys) {
      const [modifier, name] = key.includes('+') ? key.split('+') : [null, key];
      if (modifier) await page.keyboard.down(modifier);
      await page.keyboard.press(name);
      if (modifier) await page.keyboard.up(modifier);
    }
    if (expected === 'ＳＩ単位') {
      await w.waitTitle(page, expected);
    } else if (expected === 'close') {
      assert.equal(await page.evaluate(() => document.activeElement.id), 'close', why);
    } else if (expected === 'moved') {
      assert.notEqual(await page.evaluate(() => document.activeElement.tagName), 'BODY', why);
    } else {
      assert.equal(await w.focusedName(page), expected, why);
    }
    assert.deepEqual(await page.errors(), [], why);
    await page.close();
  }
});

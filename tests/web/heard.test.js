// A real screen reader plays the page: Orca, in Japanese, with the page in this engine, driven by
// keys alone as a blind child plays. At each step the test asserts what Orca said (orca.js reads
// it from Orca's log): the arrows reach the game and say one answer, the screen is said before its
// focused button, and no key that changes something goes unanswered.
'use strict';

const { before, after } = require('node:test');
const assert = require('node:assert/strict');
const orca = require('./orca');
const w = require('./lib');

let server;
before(async () => { server = await w.serve(); });
after(() => server.stop());

// Orca's echo of the keys it hears ("tab ", "return ") and its own words on modes.
const ECHO = /^(tab|return|escape|left shift|down|up|left|right) $|^(Focus|Browse) mode$/;
const BUTTON = / プッシュボタン( 無効)?\.?$/;
// A window's title, as Orca says it where the focus goes to the window's frame.
const isTitle = (said, title) => said.replace(/( region)?\.$/, '') === title;

// What Orca says after a key, once it has said something matching expected and then kept quiet;
// without its echoes.
async function hear(session, key, expected) {
  session.mark();
  await session.press(key);
  await session.waitForSpeech(expected);
  return (await session.quiet(700, 4000)).filter((said) => !ECHO.test(said));
}

// Presses Tab until Orca names the button wanted; the presses it took.
async function tabTo(session, name, most) {
  for (let presses = 1; presses <= most; presses++) {
    const said = await hear(session, 'Tab', BUTTON);
    if (said.some((s) => s.startsWith(name + ' プッシュボタン'))) return presses;
  }
  assert.fail(`${most} presses of Tab never reached ${name}`);
}

const TOUR = 'start, a quiz answered with the arrows, a drill card placed, the menu, おわり';
w.test(`heard with Orca: ${TOUR}`, ['screenReader'], async () => {
  const reason = orca.available(w.ENGINE);
  assert.equal(reason, null, reason);
  const session = await orca.startSession(w.ENGINE, `${server.url}index.html?seed=1`);
  try {
    // The start button, then the menu: its title, and the focus once, on its first entry.
    assert.deepEqual(await hear(session, 'Tab', BUTTON), ['はじめる プッシュボタン.']);
    let said = await hear(session, 'Return', /^科学の単位 プッシュボタン/);
    assert.ok(isTitle(said[0], 'メニュー'), `the title first: ${said}`);
    assert.equal(said.filter((s) => BUTTON.test(s)).length, 1, `the focus lands once: ${said}`);

    // ＳＩ単位: the title, the question with the instruction, then the focused answer.
    said = await hear(session, 'Return', /これは何の単位かな。 ツールバー$/);
    const question = said.findIndex((s) => /^問題　.*これは何の単位かな。 ツールバー$/.test(s));
    const title = said.findIndex((s) => isTitle(s, 'ＳＩ単位'));
    assert.ok(title >= 0 && title < question, `title, then question: ${said}`);
    assert.ok(BUTTON.test(said[question + 1]), `then the focused answer: ${said}`);
    assert.equal(said.filter((s) => s.includes('これは何の単位かな')).length, 1, 'the instruction once');

    // The arrows reach the game: one answer said, and Enter answers that one.
    said = await hear(session, 'Down', BUTTON);
    assert.equal(said.length, 1, `one answer, not a line: ${said}`);
    said = await hear(session, 'Return', /^(まる|ばつ)、/);
    assert.match(said.join(' '), /^(まる、正解|ばつ、まちがい)。/);

    // Back to the menu by its button, then 接頭語（ＳＩ）: the way to play, then a card.
    await tabTo(session, 'メニュー', 20);
    said = await hear(session, 'Return', /^科学の単位 プッシュボタン/);
    assert.ok(said.some((s) => isTitle(s, 'メニュー')), `the menu says its title: ${said}`);
    await hear(session, 'Down', /接頭語（ＳＩ） プッシュボタン/);
    said = await hear(session, 'Return', /カードでEnterを押すと持てます/);
    const card = said.find((s) => BUTTON.test(s)).replace(BUTTON, '');
    assert.ok(w.POWERS[card.match(/^[^ 　[]+/)[0]], `the focus on a card: ${said}`);

    // Picked up: said, and the focus on the first free place; Tab to its place; put down.
    said = await hear(session, 'Return', /を持ちました/);
    assert.ok(said.includes('１０の２４乗 プッシュボタン.'), `the first place: ${said}`);
    await tabTo(session, w.placeOf(card), 20);
    said = await hear(session, 'Return', /^まる、/);
    const placed = `まる、${card}を${w.placeOf(card)}に置きました`;
    assert.ok(said.some((s) => s.startsWith(placed)), said.join(' / '));
    assert.ok(said.some((s) => BUTTON.test(s) && !s.startsWith('１０の')), `back on the shelf: ${said}`);

    // The menu again, and おわり: the end is said, then the way to start again.
    await tabTo(session, 'メニュー', 45);
    await hear(session, 'Return', /^科学の単位 プッシュボタン/);
    await hear(session, 'Down', BUTTON);
    await hear(session, 'Right', BUTTON);
    await hear(session, 'Right', /おわり プッシュボタン/);
    said = await hear(session, 'Return', /もう一度はじめる プッシュボタン/);
    assert.ok(said.some((s) => s.startsWith('メトリアは終わりました')), said.join(' / '));

    // Never the same words twice in a row.
    const words = session.speech().filter((s) => !ECHO.test(s));
    const twice = words.filter((s, i) => i > 0 && s === words[i - 1]);
    assert.deepEqual(twice, [], 'the same words twice in a row');
  } finally {
    await session.stop();
  }
});

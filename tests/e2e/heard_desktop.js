// The desktop program heard with a real screen reader: Orca, in Japanese, on a display and buses of
// the session's own (tests/web/orca.js), reads the program through its accessibility bridge while
// keys are pressed as a blind child would: the main menu, Tab to its entries, Enter on 科学の単位,
// Enter on the focused answer. Each step asserts what Orca said, in order: the window's title, the
// focused button, the question, the mark. Orca's transcript, with the keys among what it said, is
// written to TRANSCRIPT and printed.
//
// Usage: node tests/e2e/heard_desktop.js BINARY TRANSCRIPT   (run by run.sh)   About 40 s.
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const orca = require('../web/orca');

const [binary, transcriptFile] = process.argv.slice(2);
if (!binary || !transcriptFile) {
  console.error('usage: node heard_desktop.js BINARY TRANSCRIPT');
  process.exit(2);
}

// How Orca says a window as it takes the focus, a focused button, and a notification's text.
const frame = (title) => new RegExp(`^${title} フレーム\\.?$`);
const BUTTON = / プッシュボタン\.?$/;
const button = (name) => new RegExp(`^${name} プッシュボタン\\.?$`);
const QUESTION = /^通知 問題　/;
const MARK = /^通知 (まる、正解|ばつ、まちがい)/;

let failures = 0;
function check(description, passed) {
  console.log(`${passed ? '  ok   ' : '  FAIL '} ${description}`);
  if (!passed) failures++;
  return passed;
}

// Whether the utterances have ones matching the patterns in this order, others between them.
function inOrder(said, patterns) {
  let next = 0;
  for (const utterance of said) if (next < patterns.length && patterns[next].test(utterance)) next++;
  return next === patterns.length;
}

const keys = [];  // each key pressed, with the number of utterances heard before it

// What Orca says after a key, once it has said something matching expected and then kept quiet.
async function hear(session, key, expected) {
  session.mark();
  keys.push({ key, at: session.speech().length });
  await session.press(key);
  await session.waitForSpeech(expected, 15000);
  return session.quiet(700, 4000);
}

function transcript(session) {
  const lines = [];
  session.speech().forEach((utterance, index) => {
    for (const pressed of keys.filter((k) => k.at === index)) lines.push(`[${pressed.key}]`);
    lines.push(utterance);
  });
  for (const pressed of keys.filter((k) => k.at >= session.speech().length)) lines.push(`[${pressed.key}]`);
  return lines.join('\n') + '\n';
}

async function scenario(session) {
  // The opening: the window's title as it takes the focus, then, when the entries appear after the
  // turtle's walk, the first entry with the focus.
  let said = await session.waitForSpeech((all) => inOrder(all, [frame('メニュー'), button('科学の単位')]), 15000);
  check(`メニュー is said, then its first entry as the entries appear: ${JSON.stringify(said)}`, true);

  // The first key shows the focus ring and says where it is; the next one moves it.
  said = await hear(session, 'Tab', /科学の単位/);
  check(`the first Tab says the focused entry 科学の単位: ${JSON.stringify(said)}`, said.some((s) => s.includes('科学の単位')));
  said = await hear(session, 'Tab', BUTTON);
  if (!check(`the next Tab moves to 物の数え方: ${JSON.stringify(said)}`, inOrder(said, [button('物の数え方')]))) return;
  said = await hear(session, 'shift+Tab', BUTTON);
  if (!check(`Shift+Tab goes back to 科学の単位: ${JSON.stringify(said)}`, inOrder(said, [button('科学の単位')]))) return;

  // ＳＩ単位: its title, the focused answer, then the question as it comes on the board.
  said = await hear(session, 'Return', QUESTION);
  if (!check(`Enter opens ＳＩ単位: its title, the focused answer, the question: ${JSON.stringify(said)}`,
             inOrder(said, [frame('ＳＩ単位'), BUTTON, QUESTION]))) return;

  // Enter answers with the focused answer: the mark is said.
  said = await hear(session, 'Return', MARK);
  check(`Enter answers: まる、正解 or ばつ、まちがい is said: ${JSON.stringify(said)}`, said.some((s) => MARK.test(s)));
}

(async () => {
  const reason = orca.available('desktop');
  if (!check(`Orca can run here${reason ? `: ${reason}` : ''}`, reason === null)) process.exit(1);
  const session = await orca.startSession('desktop', { command: [binary], env: { SDL_AUDIODRIVER: 'dummy' } });
  try {
    await scenario(session);
  } catch (error) {
    check(error.message, false);
  } finally {
    fs.mkdirSync(path.dirname(transcriptFile), { recursive: true });
    fs.writeFileSync(transcriptFile, transcript(session));
    await session.stop();
  }
  console.log(`--- what Orca said (${transcriptFile})\n${fs.readFileSync(transcriptFile, 'utf8')}---`);
  process.exit(failures ? 1 : 0);
})().catch((error) => {
  check(error.message, false);
  process.exit(1);
});

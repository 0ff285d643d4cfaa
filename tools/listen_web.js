// Listens to a page with Orca: opens URL in ENGINE (chromium or firefox) with Orca running, then
// presses each KEY (xdotool's names: Tab, shift+Tab, Return, Down, Escape) and prints it with what
// Orca said after it, until Orca has been quiet for a second (a screen that a key opens is read out
// some 0.8 s after Orca echoes the key) or for 3 s at most. A KEY wait:REGEXP presses nothing: it
// waits, 10 s at most, until Orca says something that matches, since the last key or the start.
//   node tools/listen_web.js chromium 'http://127.0.0.1:8000/index.html?autostart&seed=1' wait:科学 Tab Return
'use strict';

const orca = require('../tests/web/orca');

async function main([engine, url, ...keys]) {
  if (!engine || !url) {
    console.error('usage: node tools/listen_web.js chromium|firefox URL KEY...');
    return 2;
  }
  const missing = orca.available(engine);
  if (missing) {
    console.error(missing);
    return 1;
  }
  const started = Date.now();
  const session = await orca.startSession(engine, url);
  // Ctrl-C ends the session too, rather than leaving Orca and the browser behind.
  process.once('SIGINT', () => session.stop().finally(() => process.exit(130)));
  try {
    console.log(`(ready in ${((Date.now() - started) / 1000).toFixed(1)} s) Orca said on opening:`);
    let shown = 0;
    const show = (said) => { for (const s of said.slice(shown)) console.log(`  ${s}`); shown = said.length; };
    show(session.speech());
    for (const key of keys) {
      if (key.startsWith('wait:')) {
        console.log(key);
        show(await session.waitForSpeech(new RegExp(key.slice('wait:'.length)), 10000));
        continue;
      }
      session.mark();
      shown = 0;
      await session.press(key);
      console.log(key);
      show(await session.quiet(1000, 3000));
    }
  } finally {
    await session.stop();
  }
  return 0;
}

main(process.argv.slice(2)).then((code) => { process.exitCode = code; }, (error) => {
  console.error(error.message);
  process.exitCode = 1;
});

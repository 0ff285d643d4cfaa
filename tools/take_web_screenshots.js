// Takes the browser screenshots in docs/screenshots/ (web_*.png) from the web build in headless
// Chromium: the start page, each screen's window with its title bar, the end page and the menu at
// ?scale=2; and, with --canvas DIR, each screen's canvas alone at scale 1 for comparing with the
// desktop's window (tools/compare_web_desktop.sh).
//   node tools/take_web_screenshots.js [OUT_DIR] [--canvas DIR]     (after make web and make test-web)
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const w = require('../tests/web/lib');

const args = process.argv.slice(2);
const canvasIndex = args.indexOf('--canvas');
const canvasDir = canvasIndex >= 0 ? path.resolve(args.splice(canvasIndex, 2)[1]) : null;
const out = path.resolve(args[0] || 'docs/screenshots');
const ENTRIES_SHOWN = "frame.texts.some((t) => t.text === 'おわり')";

async function saveCanvas(page, name) {
  if (!canvasDir) return;
  const data = await page.evaluate(() => document.getElementById('screen').toDataURL('image/png'));
  fs.writeFileSync(path.join(canvasDir, name + '.png'), Buffer.from(data.split(',')[1], 'base64'));
}

async function shot(page, name) {
  await (await page.$('#window')).screenshot({ path: path.join(out, `web_${name}.png`) });
  await saveCanvas(page, name);
  console.log(`web_${name}.png`);
}

async function menu(chromium, url, query = '?autostart&scale=1', viewport) {
  const page = await w.open(chromium, url, { query, viewport });
  await w.waitTitle(page, 'メニュー');
  await w.recordFrames(page);
  await w.waitFrame(page, ENTRIES_SHOWN, 8000);
  return page;
}

// Opens an entry of the main menu (and a choice of 数_日本) and waits for the given frame.
async function screen(chromium, url, name, clicks, title, ready) {
  const page = await menu(chromium, url);
  for (const [x, y] of clicks) {
    await w.click(page, x, y);
    await w.sleep(100);
    if (clicks.length > 1) await w.waitFrame(page, "frame.texts.some((t) => t.text === '１より大')", 8000).catch(() => {});
  }
  await w.waitTitle(page, title);
  await w.waitFrame(page, ready, 8000);
  await w.move(page, 5, 395);
  await w.sleep(150);
  await shot(page, name);
  await page.close();
}

(async () => {
  fs.mkdirSync(out, { recursive: true });
  if (canvasDir) fs.mkdirSync(canvasDir, { recursive: true });
  const server = await w.serve();
  const chromium = await w.browser();
  try {
    const start = await w.open(chromium, server.url, { query: '', viewport: { width: 800, height: 500 } });
    await start.waitForSelector('#start', { visible: true });
    await start.screenshot({ path: path.join(out, 'web_start.png') });
    console.log('web_start.png');
    await start.close();

    const page = await menu(chromium, server.url);
    await w.move(page, 5, 395);
    await w.sleep(150);
    await shot(page, 'menu');
    await w.move(page, 124, 301);
    await w.sleep(150);
    await shot(page, 'menu_hover');
    await w.click(page, 541, 357);
    await page.waitForSelector('#ended', { visible: true });
    await page.setViewport({ width: 800, height: 500 });
    await page.screenshot({ path: path.join(out, 'web_ended.png') });
    console.log('web_ended.png');
    await page.close();

    const QUESTION = "frame.texts.some((t) => ['これは何の単位かな', 'これはどう数えるの？', 'この国の通貨は何？'].includes(t.text))";
    const CARDS = 'frame.texts.length >= 20';
    await screen(chromium, server.url, 'quiz_si', [[124, 301]], 'ＳＩ単位', QUESTION);
    await screen(chromium, server.url, 'quiz_counters', [[313, 301]], '物の数え方', QUESTION);
    await screen(chromium, server.url, 'quiz_currencies', [[504, 301]], '通貨の単位', QUESTION);
    await screen(chromium, server.url, 'drill_si', [[134, 357]], '接頭語（ＳＩ）', CARDS);
    await screen(chromium, server.url, 'number_menu', [[360, 357]], '数_日本', "frame.texts.some((t) => t.text === '１より大')");
    await screen(chromium, server.url, 'drill_jpb', [[360, 357], [174, 157]], '接頭語（日本・大）', CARDS);
    await screen(chromium, server.url, 'drill_jps', [[360, 357], [440, 157]], '接頭語（日本・小）', CARDS);

    const large = await menu(chromium, server.url, '?autostart&scale=2', { width: 1400, height: 900, deviceScaleFactor: 1 });
    await w.move(large, 5, 395);
    await w.sleep(150);
    await (await large.$('#window')).screenshot({ path: path.join(out, 'web_scale2_menu.png') });
    console.log('web_scale2_menu.png');
    await large.close();
  } finally {
    await chromium.close();
    server.stop();
  }
})().catch((error) => { console.error(error); process.exit(1); });

// The web build's figures in headless Chromium (make bench-web): transfer sizes, navigation to the
// menu's first frame (cold and warm cache), event handled and painted, idle CPU, memory and the
// timer rhythm of the opening. Prints a table with the targets; raw numbers go to METRIA_BENCH_OUT.
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const w = require('../../tests/web/lib');

const RUNS = 10;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, p) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];
const gzipSize = (file) => zlib.gzipSync(fs.readFileSync(path.join(w.BUILD, file)), { level: 9 }).length;
const kb = (bytes) => (bytes / 1024).toFixed(1) + ' KB';
const ENTRIES_SHOWN = "frame.texts.some((t) => t.text === 'おわり')";

function allFiles(folder, prefix = '') {
  return fs.readdirSync(folder, { withFileTypes: true }).flatMap((entry) => entry.isDirectory()
    ? allFiles(path.join(folder, entry.name), prefix + entry.name + '/') : [prefix + entry.name]);
}

async function firstFrameMs(page) {
  await page.waitForFunction(() => performance.getEntriesByName('metria-first-frame').length > 0, { timeout: 10000 });
  return page.evaluate(() => performance.getEntriesByName('metria-first-frame')[0].startTime);
}

async function startup(chromium, url) {
  const cold = [], warm = [];
  let firstScreenFiles = null;
  for (let run = 0; run < RUNS; run++) {
    const context = await chromium.createBrowserContext();
    const page = await context.newPage();
    const requested = [];
    page.on('request', (request) => requested.push(new URL(request.url()).pathname.slice(1) || 'index.html'));
    await page.goto(url + '?autostart&scale=1');
    cold.push(await firstFrameMs(page));
    if (!firstScreenFiles) firstScreenFiles = [...new Set(requested)];
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.goto(url + '?autostart&scale=1');
    warm.push(await firstFrameMs(page));
    await context.close();
  }
  return { cold, warm, firstScreenFiles };
}

async function opening(chromium, url) {
  // Nominal moments of the opening's visible changes after the start: nine steps of the walk,
  // the title, the entries.
  const nominal = [800, 1100, 1400, 1700, 2000, 2300, 2600, 2900, 3200, 3700, 4200];
  const errors = [];
  for (let run = 0; run < 5; run++) {
    const context = await chromium.createBrowserContext();
    const page = await w.open(context, url, { query: '?scale=1' });
    await page.waitForFunction(() => typeof Module !== 'undefined' && Module.calledRun);
    // The timers count from the main menu's load, which shows its window at once (as the desktop
    // bench counts from SDL_CreateWindow).
    await page.evaluate(() => {
      const show = MetriaPage.showWindow;
      MetriaPage.showWindow = (...args) => {
        if (window.started_at === undefined) window.started_at = performance.now();
        return show(...args);
      };
    });
    await w.recordFrames(page);
    await page.click('#start');
    await w.waitFrame(page, ENTRIES_SHOWN, 8000);
    const times = await page.evaluate(() => window.frames_drawn.map((f) => f.t - window.started_at));
    const changes = times.slice(1);  // the first frame is the window itself
    if (changes.length !== nominal.length) throw new Error(`opening drew ${changes.length} changes: ${changes}`);
    errors.push(changes.map((t, i) => t - nominal[i]));
    await context.close();
  }
  const flat = errors.flat();
  return { worst: Math.max(...flat.map(Math.abs)), drift: Math.max(...errors.map((e) => Math.abs(e[e.length - 1] - e[0]))), errors };
}

async function events(chromium, url) {
  const context = await chromium.createBrowserContext();
  const page = await w.open(context, url);
  await w.waitTitle(page, 'メニュー');
  await w.recordFrames(page);
  await w.waitFrame(page, ENTRIES_SHOWN, 8000);
  await page.evaluate(() => {
    window.event_ms = [];
    // Emscripten's export replaces itself with the bare wasm function on its first call: take that
    // one and put the timing wrapper back.
    for (const name of ['_web_pointer_move', '_web_pointer_press', '_web_pointer_release']) {
      let pointer = Module[name];
      const timed = (...args) => {
        const t = performance.now();
        pointer(...args);
        window.event_ms.push(performance.now() - t);
        if (Module[name] !== timed) { pointer = Module[name]; Module[name] = timed; }
      };
      Module[name] = timed;
    }
  });
  for (let i = 0; i < 100; i++) {  // hover on and off the entries: a highlight and its undoing
    await w.move(page, 124, 301);
    await w.move(page, 313, 301);
    await w.move(page, 10, 200);
  }
  await w.click(page, 32 + 102, 338 + 19);
  await w.waitTitle(page, '接頭語（ＳＩ）');
  await w.waitFrame(page, 'frame.texts.filter((t) => t.x >= 370 && t.y >= 45).length === 20');
  for (let i = 0; i < 40; i++) await w.drag(page, [435, 62], [125, 116 + 26 * (i % 10)]);
  const samples = await page.evaluate(() => window.event_ms);
  const metrics = await page.metrics();
  const wasm = await page.evaluate(() => Module.HEAPU8.length);
  await context.close();
  return { samples, heap: metrics.JSHeapTotalSize, wasm };
}

async function idle(chromium, url) {
  const context = await chromium.createBrowserContext();
  const page = await w.open(context, url);
  await w.waitTitle(page, 'メニュー');
  await w.recordFrames(page);
  await w.waitFrame(page, ENTRIES_SHOWN, 8000);
  const busy = async (ms) => {
    const before = (await page.metrics()).TaskDuration;
    await w.sleep(ms);
    return ((await page.metrics()).TaskDuration - before) / (ms / 1000);
  };
  const menu = await busy(10000);
  await w.click(page, 124, 301);
  await w.waitTitle(page, 'ＳＩ単位');
  await w.waitFrame(page, "frame.texts.some((t) => t.text === 'これは何の単位かな')", 8000);
  const quiz = await busy(10000);
  await context.close();
  return { menu, quiz };
}

(async () => {
  const server = await w.serve();
  const chromium = await w.browser();
  try {
    const files = allFiles(w.BUILD);
    const everything = files.reduce((sum, f) => sum + gzipSize(f), 0);
    console.error('start-up: 10 cold and warm navigations');
    const start = await startup(chromium, server.url);
    const firstScreen = start.firstScreenFiles.filter((f) => files.includes(f)).reduce((sum, f) => sum + gzipSize(f), 0);
    console.error('the opening, 5 times');
    const rhythm = await opening(chromium, server.url);
    console.error('events and memory');
    const input = await events(chromium, server.url);
    console.error('idle CPU: 10 s on the menu, 10 s on a waiting quiz');
    const cpu = await idle(chromium, server.url);
    const memory = input.heap + input.wasm;
    const rows = [
      ['transfer, first screen (gzip)', kb(firstScreen), '< 600 KB', firstScreen < 600 * 1024],
      ['transfer, everything (gzip)', kb(everything), '< 1.2 MB', everything < 1.2 * 1024 * 1024],
      ['navigation → first frame, cold', `median ${median(start.cold).toFixed(0)} ms (max ${Math.max(...start.cold).toFixed(0)})`, '< 400 ms', median(start.cold) < 400],
      ['navigation → first frame, warm', `median ${median(start.warm).toFixed(0)} ms (max ${Math.max(...start.warm).toFixed(0)})`, '< 150 ms', median(start.warm) < 150],
      ['event handled and painted', `p99 ${percentile(input.samples, 0.99).toFixed(2)} ms (${input.samples.length} events)`, 'p99 < 4 ms', percentile(input.samples, 0.99) < 4],
      ['idle CPU, menu after the opening', `${(cpu.menu * 100).toFixed(2)} %`, '< 1 %', cpu.menu < 0.01],
      ['idle CPU, quiz waiting', `${(cpu.quiz * 100).toFixed(2)} %`, '< 1 %', cpu.quiz < 0.01],
      ['JS heap + wasm memory', `${(memory / 1048576).toFixed(1)} MB (heap ${(input.heap / 1048576).toFixed(1)}, wasm ${(input.wasm / 1048576).toFixed(1)})`, '< 32 MB', memory < 32 * 1048576],
      ['timer rhythm, opening (5 runs)', `worst ${rhythm.worst.toFixed(1)} ms, drift ${rhythm.drift.toFixed(1)} ms`, '≤ 20 ms, no drift', rhythm.worst <= 20 && rhythm.drift <= 20],
    ];
    console.log(`Metria web performance (${new Date().toISOString().slice(0, 10)}, Chromium headless, localhost)`);
    console.log('| figure | measured | target | |\n|---|---|---|---|');
    for (const [figure, measured, target, pass] of rows) console.log(`| ${figure} | ${measured} | ${target} | ${pass ? 'PASS' : 'MISS'} |`);
    console.log('\nfirst screen files:', start.firstScreenFiles.join(' '));
    fs.writeFileSync(process.env.METRIA_BENCH_OUT || path.join(require('node:os').tmpdir(), 'metria-bench-web.json'),
                     JSON.stringify({ start, rhythm, cpu, input: { ...input, samples: input.samples.length } }, null, 1));
  } finally {
    await chromium.close();
    server.stop();
  }
})().catch((error) => { console.error(error); process.exit(1); });

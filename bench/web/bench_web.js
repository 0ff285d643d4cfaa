// The web build's figures in headless Chromium (make bench-web), served by nginx as make serve
// serves it: transfer sizes, navigation to the menu's first frame (cold and warm cache) beside a
// blank canvas page's, event handled and painted, the browser's idle CPU in all its processes,
// memory, the timer rhythm of the opening, the first sample of a cue after the sound has rested,
// Lighthouse's performance audit (mobile), whole first visits per second under load, and the HTTP
// Observatory's grades. Prints a table with the targets; raw numbers go to METRIA_BENCH_OUT.
'use strict';

const { execFileSync, spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const w = require('../../tests/web/lib');
const sites = require('../../tests/web/sites');

const ROOT = path.join(__dirname, '../..');

const RUNS = 10;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, p) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];
// Bytes nginx sends for a file to a browser that takes brotli: its .br where the build wrote one.
const sentSize = (file) => fs.statSync(path.join(w.BUILD, fs.existsSync(path.join(w.BUILD, file + '.br')) ? file + '.br' : file)).size;
const kb = (bytes) => (bytes / 1024).toFixed(1) + ' KB';

// The files a browser may fetch: not the compressed copies beside them, nor the source maps.
function allFiles(folder, prefix = '') {
  return fs.readdirSync(folder, { withFileTypes: true }).flatMap((entry) => entry.isDirectory()
    ? allFiles(path.join(folder, entry.name), prefix + entry.name + '/') : [prefix + entry.name])
    .filter((file) => !/\.(gz|br|map)$/.test(file));
}

// Whole first visits per second under the project's nginx configuration: h2load (Debian's
// nghttp2-client) asks for every file of the site, as a first visit does once the offline copy
// is made, as a browser that takes brotli; visits per second are its requests per second over the
// files of one visit.
function firstVisits(url, files) {
  const list = path.join(os.tmpdir(), 'metria-visit-files.txt');
  fs.writeFileSync(list, ['', ...files].map((file) => url + file).join('\n') + '\n');
  const visits = 2000;
  const output = execFileSync('h2load', ['--h1', '-c', '32', '-t', '2', '-n', String(visits * (files.length + 1)),
                                         '-H', 'Accept-Encoding: br, gzip', '-i', list], { encoding: 'utf8' });
  fs.rmSync(list);
  const number = (pattern) => Number(pattern.exec(output)[1]);
  const perSecond = number(/finished in [\d.]+m?s, ([\d.]+) req\/s/);
  return { requests: perSecond, visits: perSecond / (files.length + 1), filesPerVisit: files.length + 1,
           failed: number(/(\d+) failed/) + number(/(\d+) errored/) + number(/(\d+) timeout/),
           notOk: number(/requests: (\d+) total/) - number(/status codes: (\d+) 2xx/) };
}

// The HTTP Observatory's grade (observatory.mjs) of make serve's nginx, and of the HTTPS example
// on the ports it is written for (80 and 443 of 127.0.0.1, under the name localhost), where they
// are free.
async function observatory(serveUrl) {
  const grade = (host, env = {}) => JSON.parse(execFileSync(process.execPath, [path.join(__dirname, 'observatory.mjs'), host],
                                                           { encoding: 'utf8', env: { ...process.env, ...env } }));
  const serve = grade(new URL(serveUrl).host);
  let tls;
  try {
    const site = await sites.nginxTls(w.BUILD, { http: 80, https: 443, name: 'localhost' });
    try { tls = grade('localhost', { NODE_EXTRA_CA_CERTS: site.cert }); } finally { site.stop(); }
  } catch (error) {
    tls = { grade: 'not graded', score: NaN, why: error.message.split('\n')[0] };
  }
  return { serve, tls };
}

// CPU time (ns) of each process of the browser (renderers, GPU, audio, network) and of the browser
// itself, by pid, from the scheduler's count per thread.
function processCpu(rootPid) {
  const children = new Map();
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const ppid = Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]);
      children.set(ppid, [...(children.get(ppid) || []), Number(pid)]);
    } catch { /* gone */ }
  }
  const cpu = new Map();
  const visit = (pid) => {
    try {
      let total = 0;
      for (const task of fs.readdirSync(`/proc/${pid}/task`)) {
        total += Number(fs.readFileSync(`/proc/${pid}/task/${task}/schedstat`, 'utf8').split(' ')[0]);
      }
      cpu.set(pid, total);
    } catch { /* gone */ }
    for (const child of children.get(pid) || []) visit(child);
  };
  visit(rootPid);
  return cpu;
}

const sum = (cpu) => [...cpu.values()].reduce((a, b) => a + b, 0);

// The first frame is marked by the page's canvas (Metria's at its first fill, the blank page's at its only one).
async function firstFrameMs(page) {
  await page.waitForFunction(() => performance.getEntriesByName('metria-first-frame').length > 0, { timeout: 10000 });
  return page.evaluate(() => performance.getEntriesByName('metria-first-frame')[0].startTime);
}

// Cold (an empty profile) and warm (the offline cache in place) first frames of each page, the
// pages taking turns so that both meet the machine in the same state.
async function startup(chromium, urls) {
  const runs = urls.map(() => ({ cold: [], warm: [], firstScreenFiles: null }));
  for (let run = 0; run < RUNS; run++) {
    for (const [k, url] of urls.entries()) {
      const context = await chromium.createBrowserContext();
      const page = await context.newPage();
      const requested = [];
      page.on('request', (request) => requested.push(new URL(request.url()).pathname.slice(1) || 'index.html'));
      await page.goto(url + '?autostart&scale=1');
      runs[k].cold.push(await firstFrameMs(page));
      if (!runs[k].firstScreenFiles) runs[k].firstScreenFiles = [...new Set(requested)];
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      await page.goto(url + '?autostart&scale=1');
      runs[k].warm.push(await firstFrameMs(page));
      await context.close();
    }
  }
  return runs;
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
    await w.waitFrame(page, w.ENTRIES_SHOWN, 8000);
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
  await w.menuShown(page);
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

// The renderer process that runs PAGE: the one whose CPU time grows while the page computes.
async function rendererOf(chromium, page) {
  const before = processCpu(chromium.process().pid);
  await page.evaluate(() => { const end = performance.now() + 300; while (performance.now() < end); });
  const after = processCpu(chromium.process().pid);
  return [...after.keys()].reduce((best, pid) =>
    (after.get(pid) - (before.get(pid) || 0) > after.get(best) - (before.get(best) || 0) ? pid : best));
}

// The browser's CPU in all its processes while PAGE waits, the sound context resting: WINDOWS spans
// of WINDOW ms, each as a share of one core (the browser does bursts of work of its own now and
// then, a blank page open or not, and a span that meets one is not the page's doing: the median
// span is the verdict); and the page's own renderer over all of them.
const WINDOW = 10000;
const WINDOWS = 3;
async function waiting(chromium, page) {
  await w.sleep(3000);  // the last cue's rest
  const renderer = await rendererOf(chromium, page);
  const spans = [];
  const first = processCpu(chromium.process().pid);
  let before = first;
  for (let k = 0; k < WINDOWS; k++) {
    await w.sleep(WINDOW);
    const now = processCpu(chromium.process().pid);
    spans.push((sum(now) - sum(before)) / 1e6 / WINDOW);
    before = now;
  }
  return { spans, share: median(spans), renderer: (before.get(renderer) - first.get(renderer)) / 1e6 / (WINDOW * WINDOWS),
           sound: await page.evaluate(() => window.audio_context ? window.audio_context.state : 'none') };
}

// Idle on the menu after its opening, on ＳＩ単位 waiting for an answer, and on the blank page.
async function idle(chromium, url, blankUrl) {
  const context = await chromium.createBrowserContext();
  const page = await w.open(context, url, { setup: captureAudio });
  await w.menuShown(page);
  const menu = await waiting(chromium, page);
  await w.click(page, 124, 301);
  await w.waitTitle(page, 'ＳＩ単位');
  await w.waitFrame(page, "frame.texts.some((t) => t.text === 'これは何の単位かな')", 8000);
  const quiz = await waiting(chromium, page);
  await context.close();
  const blankContext = await chromium.createBrowserContext();
  const blankPage = await blankContext.newPage();
  await blankPage.goto(blankUrl + '?autostart');
  const blank = await waiting(chromium, blankPage);
  await blankContext.close();
  return { menu, quiz, blank };
}

// A setup for open(): keeps the page's audio context in window.audio_context, and the moment in the
// context's time each source is asked to start in window.source_starts.
function captureAudio(page) {
  return page.evaluateOnNewDocument(() => {
    window.source_starts = [];
    window.AudioContext = class extends window.AudioContext {
      constructor(...args) { super(...args); window.audio_context = this; }
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (when, ...rest) {
      window.source_starts.push(when);
      return start.call(this, when, ...rest);
    };
  });
}

// ms from a cue's play call, the context resting, to its first sample leaving the context (the
// context's output timestamp passing the moment the source starts at).
async function firstSample(chromium, url) {
  const context = await chromium.createBrowserContext();
  const page = await w.open(context, url, { setup: captureAudio });
  await w.waitTitle(page, 'メニュー');
  await page.evaluate(() => MetriaCues.load(999, './wav/o.wav'));
  const samples = [];
  for (let run = 0; run < 10; run++) {
    await page.waitForFunction(() => window.audio_context.state === 'suspended', { timeout: 10000, polling: 50 });
    samples.push(await page.evaluate(() => new Promise((resolve) => {
      const audio = window.audio_context;
      const t0 = performance.now();
      MetriaCues.play(999, 1);
      const when = window.source_starts[window.source_starts.length - 1];
      const poll = () => {
        const { contextTime, performanceTime } = audio.getOutputTimestamp();
        if (audio.state === 'running' && contextTime >= when && performanceTime > t0) {
          resolve(performanceTime - (contextTime - when) * 1000 - t0);
        } else {
          setTimeout(poll, 1);
        }
      };
      poll();
    })));
  }
  await context.close();
  return samples;
}

// Lighthouse's performance audit as it runs by default (a mid-range phone on a slow 4G network,
// simulated), on the start page: the median of three runs.
async function lighthouseRuns(chromium, url) {
  // Lighthouse is the browser suite's (tests/web), loaded from there.
  const entry = require.resolve('lighthouse', { paths: [path.join(ROOT, 'tests/web')] });
  const { default: lighthouse } = await import(require('node:url').pathToFileURL(entry));
  const runs = [];
  for (let run = 0; run < 3; run++) {
    const page = await chromium.newPage();
    const { lhr } = await lighthouse(url, { onlyCategories: ['performance'], logLevel: 'error' }, undefined, page);
    runs.push({ score: lhr.categories.performance.score * 100,
                lcp: lhr.audits['largest-contentful-paint'].numericValue,
                fcp: lhr.audits['first-contentful-paint'].numericValue,
                speedIndex: lhr.audits['speed-index'].numericValue,
                tbt: lhr.audits['total-blocking-time'].numericValue });
    await page.close();
  }
  const byScore = [...runs].sort((a, b) => a.score - b.score);
  return { median: byScore[1], runs };
}

(async () => {
  const server = await sites.makeServe(w.BUILD, 8011);
  const blank = await sites.makeServe(path.join(__dirname, 'blank'), 8012);
  const chromium = await w.browser();
  try {
    const files = allFiles(w.BUILD);
    const everything = files.reduce((sum, f) => sum + sentSize(f), 0);
    console.error('start-up: 10 cold and warm navigations, Metria and the blank page in turn');
    const [start, blankStart] = await startup(chromium, [server.url, blank.url]);
    const firstScreen = start.firstScreenFiles.filter((f) => files.includes(f)).reduce((sum, f) => sum + sentSize(f), 0);
    console.error('the opening, 5 times');
    const rhythm = await opening(chromium, server.url);
    console.error('events and memory');
    const input = await events(chromium, server.url);
    console.error('idle CPU of the whole browser: 30 s each on the menu, a waiting quiz and the blank page');
    const cpu = await idle(chromium, server.url, blank.url);
    console.error('first sample of a cue after the sound rested, 10 times');
    const sample = await firstSample(chromium, server.url);
    console.error('Lighthouse, performance, 3 runs');
    const audit = await lighthouseRuns(chromium, server.url);
    console.error('whole first visits per second (h2load), the HTTP Observatory');
    const load = firstVisits(server.url, files);
    const graded = await observatory(server.url);
    const memory = input.heap + input.wasm;
    const ratio = (kind) => median(start[kind]) / median(blankStart[kind]);
    const frame = (kind) => `median ${median(start[kind]).toFixed(0)} ms (max ${Math.max(...start[kind]).toFixed(0)}), blank page ${median(blankStart[kind]).toFixed(0)} ms: ${ratio(kind).toFixed(2)}×`;
    const percent = (share) => (share * 100).toFixed(3);
    const idleRow = (where) => `median ${percent(cpu[where].share)} % (spans ${cpu[where].spans.map(percent).join(', ')}); `
      + `the page's renderer ${percent(cpu[where].renderer)} %; blank page ${percent(cpu.blank.share)} %; sound ${cpu[where].sound}`;
    const lh = audit.median;
    const rows = [
      ['transfer, first screen (as sent: br)', kb(firstScreen), '< 600 KB', firstScreen < 600 * 1024],
      ['transfer, everything (as sent: br)', kb(everything), '< 1.2 MB', everything < 1.2 * 1024 * 1024],
      ['navigation → first frame, cold', frame('cold'), '≤ 2.5× blank', ratio('cold') <= 2.5],
      ['navigation → first frame, warm', frame('warm'), '≤ 1.3× blank', ratio('warm') <= 1.3],
      ['event handled and painted', `p99 ${percentile(input.samples, 0.99).toFixed(2)} ms (${input.samples.length} events)`, 'p99 < 4 ms', percentile(input.samples, 0.99) < 4],
      ['browser idle CPU, menu after the opening', idleRow('menu'), '< 0.1 %', cpu.menu.share < 0.001],
      ['browser idle CPU, quiz waiting', idleRow('quiz'), '< 0.1 %', cpu.quiz.share < 0.001],
      ['cue after a rest: play → first sample', `median ${median(sample).toFixed(1)} ms (max ${Math.max(...sample).toFixed(1)})`, '< 50 ms', Math.max(...sample) < 50],
      ['JS heap + wasm memory', `${(memory / 1048576).toFixed(1)} MB (heap ${(input.heap / 1048576).toFixed(1)}, wasm ${(input.wasm / 1048576).toFixed(1)})`, '< 32 MB', memory < 32 * 1048576],
      ['timer rhythm, opening (5 runs)', `worst ${rhythm.worst.toFixed(1)} ms, drift ${rhythm.drift.toFixed(1)} ms`, '≤ 20 ms, no drift', rhythm.worst <= 20 && rhythm.drift <= 20],
      ['Lighthouse performance (mobile, median of 3)', `${lh.score.toFixed(0)} (runs ${audit.runs.map((r) => r.score.toFixed(0)).join(', ')})`, '≥ 98', lh.score >= 98],
      ['whole first visits per second (nginx, h2load)', `${load.visits.toFixed(0)} visits/s (${load.requests.toFixed(0)} requests/s, ${load.filesPerVisit} files a visit), ${load.failed + load.notOk} errors`, '0 errors', load.failed + load.notOk === 0],
      ['HTTP Observatory, make serve (plain HTTP)', `${graded.serve.grade} (${graded.serve.score})`, 'the headers', graded.serve.tests['content-security-policy'][0] === 'csp-implemented-with-no-unsafe-default-src-none'],
      ['HTTP Observatory, the HTTPS example (nginx)', `${graded.tls.grade} (${graded.tls.score})${graded.tls.why ? ': ' + graded.tls.why : ''}`, 'A+', graded.tls.grade === 'A+'],
      ['Lighthouse LCP / FCP / speed index / TBT', `${(lh.lcp / 1000).toFixed(2)} s / ${(lh.fcp / 1000).toFixed(2)} s / ${(lh.speedIndex / 1000).toFixed(2)} s / ${lh.tbt.toFixed(0)} ms`, 'LCP < 2.0 s', lh.lcp < 2000],
    ];
    console.log(`Metria web performance (${new Date().toISOString().slice(0, 10)}, Chromium headless, nginx on localhost)`);
    console.log('| figure | measured | target | |\n|---|---|---|---|');
    for (const [figure, measured, target, pass] of rows) console.log(`| ${figure} | ${measured} | ${target} | ${pass ? 'PASS' : 'MISS'} |`);
    console.log('\nfirst screen files:', start.firstScreenFiles.join(' '));
    fs.writeFileSync(process.env.METRIA_BENCH_OUT || path.join(os.tmpdir(), 'metria-bench-web.json'),
                     JSON.stringify({ start, blankStart, rhythm, cpu, sample, audit, load, graded,
                                     input: { ...input, samples: input.samples.length } }, null, 1));
  } finally {
    await chromium.close();
    server.stop();
    blank.stop();
  }
})().catch((error) => { console.error(error); process.exit(1); });

// What every browser test needs: the web build served on 127.0.0.1 by python3's http.server,
// Debian's Chromium headless through puppeteer-core, and the program's window read back from the
// page (title, canvas pixels in definition pixels, clicks and drags at definition pixels).
'use strict';

const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const BUILD = path.resolve(process.env.METRIA_WEB_BUILD || path.join(__dirname, '../../build-web'));
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                        '--disable-background-networking', '--disable-component-update', '--disable-sync',
                        '--autoplay-policy=no-user-gesture-required'];

// A static server for the build on a free port; stop() ends it.
function serve(folder = BUILD) {
  return new Promise((resolve, reject) => {
    const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder],
                         { stdio: ['ignore', 'pipe', 'ignore'] });  // its request log would fill an unread pipe
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const port = /port (\d+)/.exec(said);
      if (port) resolve({ url: `http://127.0.0.1:${port[1]}/`, stop: () => server.kill() });
    });
    server.on('exit', (code) => reject(new Error('http.server ended: ' + code)));
  });
}

// A fresh browser with an empty profile; close() removes the profile too.
async function browser(extraFlags = []) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'metria-chromium-'));
  const instance = await puppeteer.launch({
    executablePath: CHROMIUM,
    args: [...CHROMIUM_FLAGS, ...extraFlags, `--user-data-dir=${profile}`],
    headless: true,
  });
  const close = instance.close.bind(instance);
  instance.close = async () => { await close(); fs.rmSync(profile, { recursive: true, force: true }); };
  return instance;
}

// Opens the page and waits until the program's first window is drawn. Console warnings are kept.
async function open(browserInstance, url, { viewport = { width: 1024, height: 768, deviceScaleFactor: 1 },
                                          query = '?autostart&scale=1', setup } = {}) {
  const page = await browserInstance.newPage();
  page.warnings = [];
  page.errors = [];
  page.on('console', (message) => { if (message.type() === 'warn') page.warnings.push(message.text()); });
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.setViewport(viewport);
  if (setup) await setup(page);
  await page.goto(url + query);
  return page;
}

function waitTitle(page, title, timeout = 10000) {
  return page.waitForFunction((t) => document.title === t && !document.getElementById('window').hidden,
                              { timeout }, title);
}

// The colour of definition pixel x, y of the shown window as [r, g, b].
async function pixel(page, x, y) {
  return page.evaluate((px, py) => {
    const canvas = document.getElementById('screen');
    const scale = canvas.width / Number(canvas.dataset.width || 640) || 1;
    const data = canvas.getContext('2d').getImageData(Math.floor((px + 0.5) * scale), Math.floor((py + 0.5) * scale), 1, 1).data;
    return [data[0], data[1], data[2]];
  }, x, y);
}

async function waitPixel(page, x, y, rgb, timeout = 5000) {
  const until = Date.now() + timeout;
  for (;;) {
    const seen = await pixel(page, x, y);
    if (seen.every((v, i) => Math.abs(v - rgb[i]) <= 8)) return seen;
    if (Date.now() > until) throw new Error(`pixel ${x},${y} is ${seen}, not ${rgb}`);
    await new Promise((r) => setTimeout(r, 50));
  }
}

// Viewport coordinates of definition pixel x, y (its centre).
async function at(page, x, y) {
  const box = await page.evaluate(() => {
    const b = document.getElementById('screen').getBoundingClientRect();
    return { left: b.left, top: b.top, scale: b.width / Number(document.getElementById('screen').dataset.width || 640) };
  });
  return [box.left + (x + 0.5) * box.scale, box.top + (y + 0.5) * box.scale];
}

async function move(page, x, y) { await page.mouse.move(...await at(page, x, y)); }
async function click(page, x, y) { await move(page, x, y); await page.mouse.down(); await page.mouse.up(); }

async function drag(page, from, to) {
  await move(page, ...from);
  await page.mouse.down();
  const [x0, y0] = await at(page, ...from);
  const [x1, y1] = await at(page, ...to);
  for (let step = 1; step <= 8; step++) await page.mouse.move(x0 + (x1 - x0) * step / 8, y0 + (y1 - y0) * step / 8);
  await page.mouse.up();
}

// Keeps what the program draws in each frame: texts, pictures and fills, with their rectangles in
// definition pixels, and the time of the frame (performance.now()). A frame starts with the fill of
// the whole client area.
async function recordFrames(page) {
  await page.evaluate(() => {
    const canvas = document.getElementById('screen');
    window.frames_drawn = [];
    const scale = () => canvas.width / Number(canvas.dataset.width);
    const box = (x, y, w, h) => { const s = scale(); return { x: x / s, y: y / s, w: w / s, h: h / s }; };
    const current = () => window.frames_drawn[window.frames_drawn.length - 1];
    const { fillRect, drawPicture, drawText } = MetriaCanvas;
    MetriaCanvas.fillRect = (x, y, w, h, r, g, b) => {
      if (x === 0 && y === 0 && w === canvas.width && h === canvas.height) {
        window.frames_drawn.push({ t: performance.now(), title: document.title, texts: [], pictures: [], fills: [] });
      }
      if (current()) current().fills.push({ ...box(x, y, w, h), rgb: [r, g, b] });
      return fillRect(x, y, w, h, r, g, b);
    };
    MetriaCanvas.drawPicture = (file, x, y, w, h) => {
      const drawn = drawPicture(file, x, y, w, h);
      if (current()) current().pictures.push({ file, drawn, ...box(x, y, w, h) });
      return drawn;
    };
    MetriaCanvas.drawText = (face, px, bold, r, g, b, text, x, y, cx, cy, cw, ch) => {
      if (current()) current().texts.push({ text, rgb: [r, g, b], pixels: px, ...box(cx, cy, cw, ch) });
      return drawText(face, px, bold, r, g, b, text, x, y, cx, cy, cw, ch);
    };
  });
}

async function lastFrame(page) {
  return page.evaluate(() => window.frames_drawn[window.frames_drawn.length - 1] || null);
}

// Waits until the last frame satisfies test(frame), given as a string of JS over `frame`.
async function waitFrame(page, test, timeout = 8000) {
  await page.waitForFunction(`(() => { const frame = window.frames_drawn[window.frames_drawn.length - 1];
                                      return !!frame && (${test}); })()`, { timeout, polling: 20 });
  return lastFrame(page);
}

// The caption drawn in the label whose box has this top-left corner (definition pixels), or null.
function textAt(frame, x, y) {
  const found = frame.texts.find((t) => Math.abs(t.x - x) < 1 && Math.abs(t.y - y) < 1);
  return found ? found.text : null;
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

module.exports = { BUILD, serve, browser, open, waitTitle, pixel, waitPixel, at, move, click, drag, recordFrames,
                   lastFrame, waitFrame, textAt, sleep };

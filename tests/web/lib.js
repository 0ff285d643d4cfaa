// What every browser test needs: the web build served on 127.0.0.1, the engine the run is for
// (METRIA_WEB_ENGINE: chromium, firefox or webkit) with an empty profile, and the program's window
// read back from the page (title, canvas pixels in definition pixels, clicks and drags at definition
// pixels, the layer's focused element and what the live region said). Chromium and Firefox are
// driven by puppeteer-core (Firefox over WebDriver BiDi), WebKit through webkit.js.
'use strict';

const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const nodeTest = require('node:test');
const puppeteer = require('puppeteer-core');
const server = require('./server');
const webkit = require('./webkit');

const BUILD = path.resolve(process.env.METRIA_WEB_BUILD || path.join(__dirname, '../../build-web'));
const ENGINE = process.env.METRIA_WEB_ENGINE || 'chromium';
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const FIREFOX = process.env.FIREFOX || '/usr/bin/firefox-esr';
const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                        '--disable-background-networking', '--disable-component-update', '--disable-sync',
                        '--autoplay-policy=no-user-gesture-required'];
// Sound without a gesture, and no calls to the network that this machine does not have.
const FIREFOX_PREFS = { 'media.autoplay.default': 0, 'media.autoplay.block-webaudio': false,
                        'app.update.enabled': false, 'browser.shell.checkDefaultBrowser': false,
                        'network.captive-portal-service.enabled': false, 'network.connectivity-service.enabled': false };

// What a test needs that an engine's driver cannot give here, and why. Such a test says so in that
// engine's run, with the reason, and does not run there.
const LACKING = {
  firefox: {
    devtools: "it reads Chromium's DevTools protocol (the accessibility tree, media emulation, Lighthouse)",
  },
  webkit: {
    devtools: "it reads Chromium's DevTools protocol (the accessibility tree, media emulation, Lighthouse)",
    device: 'WebKitWebDriver sets neither the device pixel ratio nor a phone\'s viewport',
    touch: 'WebKitWebDriver delivers touch actions as a mouse',
    shiftTab: 'WebKitWebDriver sends Shift+Tab as a key named Unidentified, which no browser sends',
    sideButtons: 'WebKitWebDriver sends no back or forward button, but a click of the left one',
    screenReader: 'Orca hears Chromium and Firefox; Safari\'s engine is heard by VoiceOver, which is not on Linux',
  },
};

// Why this engine cannot give what is needed, or null where it can.
function lacking(needs) {
  const reasons = needs.map((need) => (LACKING[ENGINE] || {})[need]).filter(Boolean);
  return reasons.length ? `not in ${ENGINE}: ${reasons.join('; ')}` : null;
}

// node:test's test(), run in this engine unless it needs what the engine lacks.
function test(name, needs, fn) {
  if (typeof needs === 'function') return nodeTest.test(name, needs);
  const reason = lacking(needs);
  return nodeTest.test(name, reason ? { skip: reason } : {}, fn);
}

// A static server for the build (server.js) on a free port; stop() ends it. For WebKit, and where
// asked (forEveryEngine), it gives each page the head script that webkit.js needs.
function serve(folder = BUILD, { forEveryEngine = false, ...options } = {}) {
  const forWebKit = ENGINE === 'webkit' || forEveryEngine;
  return server.serve(folder, forWebKit ? { ...webkit.serverOptions, ...options } : options);
}

// A PulseAudio server with a null sink, for Firefox and WebKit, which start no sound without a device.
let soundServer = null;
function nullSink() {
  if (soundServer) return soundServer;
  const runtime = fs.mkdtempSync(path.join(os.tmpdir(), 'metria-pulse-'));
  const socket = path.join(runtime, 'native');
  const pulse = spawn('pulseaudio', ['-n', '--daemonize=no', '--exit-idle-time=-1', '--disable-shm=yes',
                                     '--load=module-null-sink sink_name=metria_null',
                                     `--load=module-native-protocol-unix socket=${socket} auth-anonymous=1`],
                      { env: { ...process.env, XDG_RUNTIME_DIR: runtime, HOME: runtime }, stdio: 'ignore' });
  pulse.unref();  // the run ends when its tests do, and takes the server with it
  // Killed outright, as on SIGTERM it writes into its folder while leaving; the folder is removed
  // again where a last file came in meanwhile.
  process.on('exit', () => {
    pulse.kill('SIGKILL');
    fs.rmSync(runtime, { recursive: true, force: true, maxRetries: 5, retryDelay: 20 });
  });
  soundServer = (async () => {
    for (let k = 0; k < 100 && !fs.existsSync(socket); k++) await sleep(50);
    return `unix:${socket}`;
  })();
  return soundServer;
}

// A fresh browser of the run's engine, or of the one named, with an empty profile; close() removes
// the profile too. args: more of Chromium's flags.
async function browser(engine = ENGINE, { args = [] } = {}) {
  const sound = async () => ({ ...process.env, PULSE_SERVER: await nullSink() });
  if (engine === 'webkit') return webkit.launch(await sound());
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), `metria-${engine}-`));
  const options = engine === 'firefox'
    ? { browser: 'firefox', executablePath: FIREFOX, userDataDir: profile, extraPrefsFirefox: FIREFOX_PREFS,
        env: await sound() }
    : { executablePath: CHROMIUM, args: [...CHROMIUM_FLAGS, ...args, `--user-data-dir=${profile}`] };
  const instance = await puppeteer.launch({ ...options, headless: true });
  const close = instance.close.bind(instance);
  instance.close = async () => { await close(); fs.rmSync(profile, { recursive: true, force: true }); };
  return instance;
}

// Opens the page and waits until the program's first window is drawn. Console warnings are kept.
// speed: the page's clock runs that many times as fast (see quicken).
async function open(browserInstance, url, { viewport = { width: 1024, height: 768, deviceScaleFactor: 1 },
                                          query = '?autostart&scale=1', setup, speed } = {}) {
  const page = await browserInstance.newPage();
  if (!page.warnings) {
    const warnings = [], errors = [];
    page.on('console', (message) => { if (message.type() === 'warn') warnings.push(message.text()); });
    page.on('pageerror', (error) => errors.push(error.message));
    page.warnings = async () => warnings;
    page.errors = async () => errors;
  }
  await page.setViewport(viewport);
  if (speed) await quicken(page, speed);
  if (setup) await setup(page);
  await page.goto(url + query);
  return page;
}

// The program's timers come speed times as soon: its clock (performance.now()) and the page's
// wake-up (setTimeout) are scaled, so that tests which wait on openings and walks, and not on their
// timing, wait less. The time of day, and with it a drill's last two seconds, stays as it is.
function quicken(page, speed) {
  return page.evaluateOnNewDocument((factor) => {
    const now = performance.now.bind(performance);
    const start = now();
    performance.now = () => start + (now() - start) * factor;
    const setTimeoutAsIs = window.setTimeout.bind(window);
    window.setTimeout = (callback, delay, ...args) => setTimeoutAsIs(callback, (delay || 0) / factor, ...args);
  }, speed);
}

// Holds the program still, whatever wake-up it asks for, until release(): what a test reads in the
// meantime (an answer shown red, the live region) cannot change under it.
function hold(page) {
  return page.evaluate(() => {
    window.held_set_timer = MetriaPage.setTimer;
    MetriaPage.setTimer(-1);
    MetriaPage.setTimer = () => {};
  });
}
function release(page) {
  return page.evaluate(() => {
    MetriaPage.setTimer = window.held_set_timer;
    MetriaPage.call('_web_wake');
  });
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
    MetriaCanvas.drawPicture = (file, x, y, w, h, smooth) => {
      const drawn = drawPicture(file, x, y, w, h, smooth);
      if (current()) current().pictures.push({ file, drawn, ...box(x, y, w, h) });
      return drawn;
    };
    MetriaCanvas.drawText = (face, px, bold, r, g, b, text, x, y, cx, cy, cw, ch) => {
      // drawn: where the line's top-left is, and the width the program was given for it.
      const drawn = { ...box(x, y, MetriaCanvas.textWidth(face, px, text), 0), bold, face };
      if (current()) current().texts.push({ text, rgb: [r, g, b], pixels: px, ...box(cx, cy, cw, ch), drawn });
      return drawText(face, px, bold, r, g, b, text, x, y, cx, cy, cw, ch);
    };
  });
}

async function lastFrame(page) {
  return page.evaluate(() => window.frames_drawn[window.frames_drawn.length - 1] || null);
}

// The main menu's entries are up once its last one, おわり, is drawn.
const ENTRIES_SHOWN = "frame.texts.some((t) => t.text === 'おわり')";

// Waits until the page shows the main menu with its entries; its frames are recorded from then on.
async function menuShown(page) {
  await waitTitle(page, 'メニュー');
  await recordFrames(page);
  return waitFrame(page, ENTRIES_SHOWN, 8000);
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

// A setup for open(): keeps every sentence said without the focus moving in window.said, in order, and
// counts the pointer events that reach the page in window.pointer_events.
function keepSaid(page) {
  return page.evaluateOnNewDocument(() => {
    window.said = [];
    window.pointer_events = 0;
    for (const type of ['pointerdown', 'pointerup', 'pointermove', 'click']) {
      addEventListener(type, (event) => { if (type !== 'click' || event.detail > 0) window.pointer_events++; }, true);
    }
    // What is said as the focus enters the window is the layer's name; the rest, the live region.
    addEventListener('DOMContentLoaded', () => {
      const observer = new MutationObserver((changes) => {
        for (const change of changes) for (const added of change.addedNodes) window.said.push(added.textContent);
      });
      for (const id of ['layer-name', 'announcer']) observer.observe(document.getElementById(id), { childList: true });
    });
  });
}

// The number of sentences said so far, and the first one after that many that matches pattern.
const saidCount = (page) => page.evaluate(() => window.said.length);
async function waitSaid(page, pattern, from = 0, timeout = 10000) {
  const handle = await page.waitForFunction((source, flags, start) => {
    const re = new RegExp(source, flags);
    return window.said.slice(start).find((s) => re.test(s));
  }, { timeout, polling: 20 }, pattern.source, pattern.flags, from);
  return handle.jsonValue();
}

// The SI prefixes and their powers of ten, and the name of the place of each card of 接頭語（ＳＩ）.
const POWERS = { ヨタ: 24, ゼタ: 21, エクサ: 18, ペタ: 15, テラ: 12, ギガ: 9, メガ: 6, キロ: 3, ヘクト: 2, デカ: 1,
                 デシ: -1, センチ: -2, ミリ: -3, マイクロ: -6, ナノ: -9, ピコ: -12, フェムト: -15, アト: -18,
                 ゼプト: -21, ヨクト: -24 };
const wide = (text) => text.replace(/[0-9]/g, (d) => String.fromCharCode(d.charCodeAt(0) + 0xfee0)).replace('-', 'マイナス');
const placeOf = (card) => `１０の${wide(String(POWERS[card.match(/^[^ 　[]+/)[0]]))}乗`;

// What a screen reader says for the focused element: its words, or its tag where it has none.
function focusedName(page) {
  return page.evaluate(() => {
    const e = document.activeElement;
    return e && e.closest('#layer') ? e.querySelector('.said').textContent : e ? e.tagName.toLowerCase() : null;
  });
}

// The layer's element for the button with this name, once there is one.
function waitButton(page, name, timeout = 10000) {
  return page.waitForFunction((n) => [...document.querySelectorAll('#layer button')]
    .find((b) => b.querySelector('.said').textContent === n), { timeout, polling: 20 }, name);
}

// Presses the layer's button with this name as a click on it would, once there is one.
async function pressButton(page, name) {
  await waitButton(page, name);
  await page.evaluate((n) => [...document.querySelectorAll('#layer button')]
    .find((b) => b.querySelector('.said').textContent === n).click(), name);
}

// Media features as the user's system would set them ({ 'prefers-contrast': 'more' }); through CDP,
// since puppeteer's own call knows only some of them.
async function emulateMedia(page, features) {
  page.cdp = page.cdp || await page.createCDPSession();
  await page.cdp.send('Emulation.setEmulatedMedia',
                      { features: Object.entries(features).map(([name, value]) => ({ name, value })) });
}

// The accessibility tree as Chromium gives it to a screen reader: its nodes that are not ignored,
// as { role, name, description, disabled, focused, id } (id: the DOM node's backend id).
async function axTree(page) {
  page.cdp = page.cdp || await page.createCDPSession();
  const { nodes } = await page.cdp.send('Accessibility.getFullAXTree');
  const property = (node, name) => ((node.properties || []).find((p) => p.name === name) || { value: {} }).value.value;
  return nodes.filter((n) => !n.ignored).map((n) => ({
    role: n.role && n.role.value, name: n.name && n.name.value, description: n.description && n.description.value,
    disabled: property(n, 'disabled') === true,
    focused: property(n, 'focused') === true, id: n.backendDOMNodeId }));
}

// The node with this role and name (a string, or a RegExp it matches), once the tree has it; runs of
// spaces in a name count as one, as the tree has them.
async function axFind(page, role, name, timeout = 10000) {
  const until = Date.now() + timeout;
  const collapsed = (text) => text.replace(/ +/g, ' ');
  const named = (n) => (name instanceof RegExp ? name.test(n.name) : collapsed(n.name) === collapsed(name));
  for (;;) {
    const found = (await axTree(page)).find((n) => n.role === role && named(n));
    if (found) return found;
    if (Date.now() > until) throw new Error(`no ${role} named ${name} in the accessibility tree`);
    await sleep(50);
  }
}

// What a screen reader does with a node: moves the focus there, or activates it (Chromium's
// default action on a button is a click).
async function axFocus(page, node) {
  await page.cdp.send('DOM.focus', { backendNodeId: node.id });
}
async function axPress(page, node) {
  const { object } = await page.cdp.send('DOM.resolveNode', { backendNodeId: node.id });
  await page.cdp.send('Runtime.callFunctionOn', { objectId: object.objectId, functionDeclaration: 'function () { this.click(); }' });
}

module.exports = { BUILD, ENGINE, test, lacking, serve, browser, open, hold, release, waitTitle, pixel, waitPixel, at, move, click, drag, recordFrames,
                   lastFrame, waitFrame, ENTRIES_SHOWN, menuShown, textAt, sleep, keepSaid, saidCount, waitSaid, focusedName,
                   waitButton, pressButton, emulateMedia, axTree, axFind, axFocus, axPress, POWERS, placeOf };

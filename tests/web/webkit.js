// WebKitGTK (the engine of Safari) for the browser suite: Debian's WebKitWebDriver with its
// MiniBrowser under Xvfb, spoken to in plain W3C WebDriver over HTTP, behind the small part of
// puppeteer's Browser and Page that the suite uses, so that each test is written once.
//
// Classic WebDriver cannot run a script before the page's own, nor hear the console: the test server
// puts a script first in every page's head (server.js), which brings the page's registered scripts
// (evaluateOnNewDocument) and keeps the console's warnings and the page's uncaught errors.
'use strict';

const { spawn } = require('node:child_process');
const { freePort } = require('./server');

const DRIVER = '/usr/bin/WebKitWebDriver';
const MINI_BROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const HEAD_SCRIPT = '/__metria_test_head.js';
const PAGE_PARAM = 'metria-test-page';

// What each page keeps of the console and of uncaught errors, read back by warnings() and errors().
const COLLECTOR = `(() => {
  window.__warnings = []; window.__errors = [];
  const warn = console.warn.bind(console);
  console.warn = (...args) => { window.__warnings.push(args.join(' ')); warn(...args); };
  addEventListener('error', (event) => window.__errors.push(event.message));
  addEventListener('unhandledrejection', (event) => window.__errors.push(String(event.reason)));
})();`;

const pageScripts = new Map();  // page number -> the scripts it registered
let pagesMade = 0;

// The head script for a request: the collector, then the scripts of the page that asked (its
// number is in the address of the page, whose query the server gives the head script's address).
function headScriptFor(request) {
  const number = Number(new URL(request.url, 'http://x/').searchParams.get(PAGE_PARAM));
  return [COLLECTOR, ...(pageScripts.get(number) || [])].join('\n');
}

const serverOptions = { headScript: HEAD_SCRIPT, scriptFor: headScriptFor };

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// One Xvfb display for the whole run, unless there is a display already.
let display = null;
function ensureDisplay() {
  if (process.env.DISPLAY) return Promise.resolve(process.env.DISPLAY);
  if (display) return display;
  display = new Promise((resolve, reject) => {
    const xvfb = spawn('Xvfb', ['-displayfd', '1', '-screen', '0', '1600x1200x24', '-nolisten', 'tcp'],
                       { stdio: ['ignore', 'pipe', 'ignore'] });
    xvfb.stdout.once('data', (chunk) => {
      resolve(':' + String(chunk).trim());
      // The run ends when its tests do, and takes the display with it; the pipe stays open, as the
      // server would end at a write to a closed one.
      xvfb.unref();
      xvfb.stdout.unref();
    });
    xvfb.on('error', reject);
    process.on('exit', () => xvfb.kill());
  });
  return display;
}

// Script source for a function or an expression, called with JSON arguments; its value comes back
// through WebDriver's asynchronous script.
function scriptOf(fn, args) {
  const body = typeof fn === 'function' ? `(${fn})(...${JSON.stringify(args)})` : `(${fn})`;
  return `const done = arguments[arguments.length - 1];
          Promise.resolve().then(() => ${body})
            .then((value) => done({ value: value === undefined ? null : value }),
                  (error) => done({ error: String(error && error.stack || error) }));`;
}

const KEYS = { Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Shift: '\uE008', Space: ' ', ' ': ' ',
               ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015' };
const BUTTONS = { left: 0, middle: 1, right: 2, back: 3, forward: 4 };

class Session {
  constructor(port, id) { Object.assign(this, { port, id, current: null }); }

  async command(method, path, body) {
    const response = await fetch(`http://127.0.0.1:${this.port}/session/${this.id}${path}`, {
      method, headers: { 'Content-Type': 'application/json' }, body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (value && value.error) throw new Error(`WebDriver ${path}: ${value.error}: ${value.message}`);
    return value;
  }

  async select(handle) {
    if (this.current === handle) return;
    await this.command('POST', '/window', { handle });
    this.current = handle;
  }
}

class Page {
  constructor(session, handle) {
    Object.assign(this, { session, handle, number: ++pagesMade, closed: false });
    const pointer = (actions) => this.perform([{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions }]);
    this.mouse = {
      move: (x, y) => pointer([{ type: 'pointerMove', x: Math.floor(x), y: Math.floor(y), origin: 'viewport', duration: 0 }]),
      down: ({ button = 'left' } = {}) => pointer([{ type: 'pointerDown', button: BUTTONS[button] }]),
      up: ({ button = 'left' } = {}) => pointer([{ type: 'pointerUp', button: BUTTONS[button] }]),
    };
    // Each key pressed is one set of actions of its own: a key held down (Shift) goes down and up
    // again around it.
    const held = [];
    const value = (key) => KEYS[key] || key;
    this.keyboard = {
      down: async (key) => { held.push(value(key)); },
      up: async (key) => { held.splice(held.indexOf(value(key)), 1); },
      press: (key) => this.perform([{ type: 'key', id: 'keys', actions: [
        ...held.map((v) => ({ type: 'keyDown', value: v })),
        { type: 'keyDown', value: value(key) }, { type: 'keyUp', value: value(key) },
        ...held.map((v) => ({ type: 'keyUp', value: v })).reverse()] }]),
    };
  }

  async command(method, path, body) {
    await this.session.select(this.handle);
    return this.session.command(method, path, body);
  }

  perform(actions) { return this.command('POST', '/actions', { actions }); }

  on() {}  // the console and errors come through the head script: see warnings() and errors()

  evaluateOnNewDocument(fn, ...args) {
    if (!pageScripts.has(this.number)) pageScripts.set(this.number, []);
    pageScripts.get(this.number).push(`(${fn})(...${JSON.stringify(args)});`);
  }

  // The page's address carries its number, so that its head script brings its own scripts. A page
  // answered by the offline cache would bring none: unless the network is gone on purpose, the
  // cache's worker is let go first and the page comes from the server.
  async goto(url, { offline = false } = {}) {
    const address = new URL(url);
    address.searchParams.set(PAGE_PARAM, this.number);
    if (!offline) {
      await this.evaluate(async () => {
        if (!navigator.serviceWorker || location.protocol === 'about:') return;
        for (const registration of await navigator.serviceWorker.getRegistrations()) await registration.unregister();
      }).catch(() => {});
    }
    await this.command('POST', '/url', { url: address.href });
  }

  async evaluate(fn, ...args) {
    const result = await this.command('POST', '/execute/async', { script: scriptOf(fn, args), args: [] });
    if (result.error) throw new Error(result.error);
    return result.value;
  }

  async waitForFunction(fn, { timeout = 30000, polling = 50 } = {}, ...args) {
    const until = Date.now() + timeout;
    for (;;) {
      const value = await this.evaluate(fn, ...args);
      if (value) return { jsonValue: async () => value };
      if (Date.now() > until) throw new Error(`waiting for ${String(fn).slice(0, 80)} timed out`);
      await sleep(polling);
    }
  }

  waitForSelector(selector, { visible = false, timeout = 30000 } = {}) {
    return this.waitForFunction((s, v) => {
      const e = document.querySelector(s);
      if (!e || !v) return !!e;
      const box = e.getBoundingClientRect();
      return box.width > 0 && box.height > 0 && getComputedStyle(e).visibility !== 'hidden';
    }, { timeout }, selector, visible);
  }

  $eval(selector, fn, ...args) {
    return this.evaluate(`(${fn})(document.querySelector(${JSON.stringify(selector)}), ...${JSON.stringify(args)})`);
  }

  async $(selector) {
    return (await this.evaluate((s) => !!document.querySelector(s), selector)) || null;
  }

  async click(selector) {
    const [x, y] = await this.$eval(selector, (e) => {
      const box = e.getBoundingClientRect();
      return [box.left + box.width / 2, box.top + box.height / 2];
    });
    await this.mouse.move(x, y);
    await this.mouse.down();
    await this.mouse.up();
  }

  async waitForNavigation({ timeout = 10000 } = {}) {
    const from = await this.evaluate(() => location.href);
    const until = Date.now() + timeout;
    while (Date.now() < until) {
      const now = await this.evaluate(() => [location.href, document.readyState]).catch(() => null);
      if (now && now[0] !== from && now[1] === 'complete') return;
      await sleep(50);
    }
    throw new Error('no navigation');
  }

  // The viewport in CSS pixels; the window is resized until its inner size is that. The device's
  // pixel ratio, touch and a phone's browser cannot be had here.
  async setViewport({ width, height, deviceScaleFactor = 1, hasTouch = false, isMobile = false }) {
    if (deviceScaleFactor !== 1 || hasTouch || isMobile) throw new Error('WebKitWebDriver: no device emulation');
    let outer = { width, height };
    for (let tries = 0; tries < 3; tries++) {
      await this.command('POST', '/window/rect', outer);
      const inner = await this.evaluate(() => [innerWidth, innerHeight]);
      if (inner[0] === width && inner[1] === height) return;
      outer = { width: outer.width + width - inner[0], height: outer.height + height - inner[1] };
    }
  }

  async screenshot() {
    return Buffer.from(await this.command('GET', '/screenshot'), 'base64');
  }

  warnings() { return this.evaluate(() => window.__warnings || []); }
  errors() { return this.evaluate(() => window.__errors || []); }

  async close() {
    if (this.closed) return;
    this.closed = true;
    pageScripts.delete(this.number);
    const handles = await this.session.command('GET', '/window/handles');
    if (handles.length > 1) {
      // A new window can be asked for only from an open one: another is made current.
      await this.command('DELETE', '/window');
      await this.session.select(handles.find((handle) => handle !== this.handle));
    } else {
      await this.command('POST', '/url', { url: 'about:blank' });
      this.session.spare = this.handle;
    }
  }
}

// A browser: its own driver and MiniBrowser, with an empty profile. A second one stands for a
// second browser context, as WebKitWebDriver holds one session at a time.
async function launch(env = process.env) {
  const port = await freePort();
  env = { ...env, DISPLAY: await ensureDisplay() };
  // METRIA_WEBKIT_LOG names a file that keeps what the driver and the browser say (a web process
  // that ends, a warning of GStreamer's), to look into a failure of the driver's.
  const log = process.env.METRIA_WEBKIT_LOG ? require('node:fs').openSync(process.env.METRIA_WEBKIT_LOG, 'a') : 'ignore';
  const driver = spawn(DRIVER, [`--port=${port}`], { env, stdio: ['ignore', log, log] });
  // The driver takes a moment to listen; a browser that cannot start would leave the request
  // unanswered, so it fails after a while instead.
  let created = null;
  for (let tries = 0; !created; tries++) {
    await sleep(100);
    created = await fetch(`http://127.0.0.1:${port}/session`, {
      method: 'POST', headers: { 'Content-Type': 'application/json' }, signal: AbortSignal.timeout(30000),
      body: JSON.stringify({ capabilities: { alwaysMatch: {
        'webkitgtk:browserOptions': { binary: MINI_BROWSER, args: ['--automation'] },
        timeouts: { script: 60000 } } } }),
    }).then((r) => r.json(), (error) => {
      if (error.cause && error.cause.code === 'ECONNREFUSED' && tries < 50) return null;
      throw new Error(`WebKitWebDriver on ${env.DISPLAY}: ${error.message}`);
    });
  }
  if (!created.value.sessionId) throw new Error('WebKitWebDriver: ' + JSON.stringify(created.value));
  const { sessionId: id, capabilities: { browserVersion: version } } = created.value;
  const session = new Session(port, id);
  session.spare = (await session.command('GET', '/window/handles'))[0];
  return {
    async version() { return 'WebKitGTK/' + version; },
    async newPage() {
      const handle = session.spare || (await session.command('POST', '/window/new', { type: 'window' })).handle;
      session.spare = null;
      return new Page(session, handle);
    },
    async createBrowserContext() { return launch(env); },
    async close() {
      await session.command('DELETE', '').catch(() => {});
      driver.kill();
    },
  };
}

module.exports = { launch, serverOptions };

// A real screen reader on the web build: Orca with the page open in Chromium or Firefox, on a
// display, a session bus and an accessibility bus of the session's own (Xvfb, openbox, dbus-daemon,
// at-spi-bus-launcher), so that a test presses keys as a user does and reads back what Orca said.
// The desktop program is heard the same way, started by its command instead of a browser.
//
// What Orca says is read from its debug log, whose lines "SPEECH OUTPUT: '…'" are each an
// utterance. It says it to a speech-dispatcher of the session's own whose only voice says nothing
// and is done at once: there is no sound card to speak on. Orca runs in Japanese, as a user of the
// page would have it; its messages that have no Japanese translation stay English.
//
// Orca will not start while another of the same user runs: sessions run one at a time.
'use strict';

const { spawn, execFile } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { StringDecoder } = require('node:string_decoder');

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const FIREFOX = process.env.FIREFOX || '/usr/bin/firefox-esr';
const PYTHON = '/usr/bin/python3';  // Orca's own, whatever python3 comes first on the PATH
const SCREEN = [1280, 1024];
const LOCALE = 'ja_JP.UTF-8';
const LOCALES = path.join(os.tmpdir(), 'metria-locale');  // made once, kept between runs
const TAG = 'METRIA_ORCA_SESSION';  // in the environment of every process of a session: its folder

// What a session runs, with the Debian package that has it.
const NEEDED = [
  ['/usr/bin/orca', 'orca'],
  ['/usr/bin/speech-dispatcher', 'speech-dispatcher'],
  ['/usr/lib/speech-dispatcher-modules/sd_generic', 'speech-dispatcher'],
  [`/usr/lib/${multiarch()}/speech-dispatcher/spd_alsa.so`, 'speech-dispatcher-audio-plugins'],
  ['/usr/libexec/at-spi-bus-launcher', 'at-spi2-core'],
  ['/usr/lib/python3/dist-packages/pyatspi', 'python3-pyatspi'],
  [`/usr/lib/${multiarch()}/girepository-1.0/Atspi-2.0.typelib`, 'gir1.2-atspi-2.0'],
  ['/usr/bin/Xvfb', 'xvfb'],
  ['/usr/bin/openbox', 'openbox'],
  ['/usr/bin/xdotool', 'xdotool'],
  ['/usr/bin/dbus-daemon', 'dbus-daemon'],
  ['/usr/bin/dbus-send', 'dbus-bin'],
  ['/usr/bin/localedef', 'libc-bin'],
  ['/usr/share/i18n/locales/ja_JP', 'locales'],
];
const BROWSERS = { chromium: [CHROMIUM, 'chromium'], firefox: [FIREFOX, 'firefox-esr'] };
// The engine of a session that runs a program of the desktop by its command, no browser.
const DESKTOP = 'desktop';

// The folder of /usr/lib that this machine's libraries are in (x86_64-linux-gnu here).
function multiarch() {
  return fs.readdirSync('/usr/lib').find((f) => fs.existsSync(`/usr/lib/${f}/libc.so.6`)) || 'x86_64-linux-gnu';
}

// Why a session in this engine cannot run here, or null where it can.
function available(engine = 'chromium') {
  if (!BROWSERS[engine] && engine !== DESKTOP) return `no Orca session for ${engine}: only chromium, firefox and ${DESKTOP}`;
  const missing = [...NEEDED, ...(BROWSERS[engine] ? [BROWSERS[engine]] : [])].filter(([file]) => !fs.existsSync(file));
  if (missing.length) return `Orca sessions need ${missing.map(([file, pkg]) => `${pkg} (no ${file})`).join(', ')}`;
  const other = runningOrca();
  return other ? `an Orca of this user runs already (pid ${other}), and Orca runs only one at a time` : null;
}

// Speech-dispatcher for the session's user: one output module, the generic one running `true` for
// each utterance, so that every utterance is over at once, as Orca is told; its sound goes to ALSA's
// null device, as a module that opens no sound device does not start. Without a module that starts,
// speech-dispatcher does not either, and Orca goes on without speech (its say-all then reads a whole
// page at once); with one that plays on the missing sound card, Orca hangs after a few utterances.
const SPEECHD_CONF = (module) => `AddModule "silent" "sd_generic" "${module}"\nDefaultModule silent\nDefaultLanguage "ja"\n` +
                                 'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n';
const SILENT_CONF = 'GenericExecuteSynth "true"\nAddVoice "ja" "FEMALE1" "silent"\n';
// The desktop's settings, kept in a file (GSETTINGS_BACKEND=keyfile) as there is no dconf service to
// keep them, with accessibility on from the start: the bus launcher answers IsEnabled from there,
// and the browsers build their accessibility trees for AT-SPI only where it says true.
const GSETTINGS = '[org/gnome/desktop/interface]\ntoolkit-accessibility=true\n';

// The session bus: the usual policy, on a socket in the session's folder, and no services started
// on demand. Nothing here needs one, and the desktop portals a browser asks for would start a
// document portal whose FUSE mount outlives the session.
const BUS_CONF = (socket) => `<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=${socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
`;

// Chromium with its accessibility tree always on (a browser that is not headless: the headless one
// gives no tree to AT-SPI), none of its first-run offers, and no calls to a network this machine does
// not have. Its offer to translate a page in another language than its own (it has only English
// here) is turned off in the profile: no flag does so any more, and Orca would read it out.
const CHROMIUM_FLAGS = ['--force-renderer-accessibility', '--no-first-run', '--no-default-browser-check',
                        '--disable-gpu', '--disable-quic',
                        '--disable-background-networking', '--disable-component-update', '--disable-sync',
                        '--password-store=basic', '--autoplay-policy=no-user-gesture-required',
                        '--window-position=0,0', `--window-size=${SCREEN.join(',')}`];
const CHROMIUM_PREFS = { translate: { enabled: false } };
// Firefox with the page as its only tab: none of its first-run pages beside it.
const FIREFOX_PREFS = {
  'browser.shell.checkDefaultBrowser': false, 'browser.aboutwelcome.enabled': false,
  'browser.startup.page': 0, 'browser.startup.homepage': 'about:blank', 'browser.newtabpage.enabled': false,
  'startup.homepage_welcome_url': 'about:blank', 'startup.homepage_welcome_url.additional': '',
  'browser.startup.homepage_override.mstone': 'ignore', 'datareporting.policy.dataSubmissionEnabled': false,
  'datareporting.policy.dataSubmissionPolicyBypassNotification': true,
  'toolkit.telemetry.reportingpolicy.firstRun': false, 'app.update.enabled': false,
  'network.captive-portal-service.enabled': false, 'network.connectivity-service.enabled': false,
  'media.autoplay.default': 0, 'media.autoplay.block-webaudio': false,
};

// Orca's log line once it listens to the desktop, and the one for a page it has seen loaded.
const ORCA_STARTED = /^[\d:.]+ - ORCA: Startup complete/;
const PAGE_LOADED = /^Finished loading /;

// A line of Orca's log starts with its time; the lines after the first of a text that has several
// are indented by 18 spaces. An utterance is given between quotes, then the voice it is said in.
const INDENT = ' '.repeat(18);
const SPEECH = /^(?:[\d:.]+ - )?SPEECH OUTPUT: '([\s\S]*)'(?: voice=\S+?)?(?: ?\{[\s\S]*\})?$/;

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Whether a command succeeded, and its output; one that takes longer than timeout is ended and fails.
function run(command, args, env, timeout = 5000) {
  return new Promise((resolve) => {
    execFile(command, args, { env, timeout }, (error, stdout, stderr) => {
      resolve({ ok: !error, stdout: stdout.trim(), stderr: stderr.trim() });
    });
  });
}

// The Japanese locale, which Debian does not generate by itself: made by localedef into a folder
// that LOCPATH names, once; a run that makes it at the same time as another keeps whichever is first.
async function japaneseLocale() {
  if (fs.existsSync(path.join(LOCALES, LOCALE, 'LC_CTYPE'))) return LOCALES;
  const making = fs.mkdtempSync(`${LOCALES}-`);
  const made = await run('/usr/bin/localedef', ['-i', 'ja_JP', '-f', 'UTF-8', path.join(making, LOCALE)], process.env, 60000);
  if (!fs.existsSync(path.join(making, LOCALE, 'LC_CTYPE'))) {
    fs.rmSync(making, { recursive: true, force: true });
    throw new Error(`localedef could not make ${LOCALE}: ${made.stderr}`);
  }
  try { fs.renameSync(making, LOCALES); } catch { fs.rmSync(making, { recursive: true, force: true }); }
  return LOCALES;
}

// The pid of an Orca of this user that runs now, or null.
function runningOrca() {
  for (const entry of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      if (fs.readFileSync(`/proc/${entry}/comm`, 'utf8') === 'orca\n' && fs.statSync(`/proc/${entry}`).uid === process.getuid()) {
        return Number(entry);
      }
    } catch { /* it ended while being looked at */ }
  }
  return null;
}

// The processes of a session: those it started (roots), every process under them, and every one
// that has its tag in its environment, which finds those that left the tree (speech-dispatcher and
// Chromium's crash handler make sessions of their own). Neither way finds all: Chromium's helpers
// write their titles over their environment. Processes that have ended (zombies) are not counted,
// but their children are.
function processesOf(roots, tag) {
  const table = [];
  for (const entry of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(entry) || Number(entry) === process.pid) continue;
    try {
      const stat = fs.readFileSync(`/proc/${entry}/stat`, 'latin1');
      const [state, ppid] = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      const tagged = fs.readFileSync(`/proc/${entry}/environ`, 'latin1').split('\0').includes(tag);
      table.push({ pid: Number(entry), ppid: Number(ppid), ended: state === 'Z', tagged });
    } catch { /* it ended while being looked at */ }
  }
  const found = new Set(table.filter((p) => p.tagged || roots.includes(p.pid)).map((p) => p.pid));
  for (let grew = true; grew;) {
    grew = false;
    for (const p of table) if (!found.has(p.pid) && found.has(p.ppid)) { found.add(p.pid); grew = true; }
  }
  return table.filter((p) => found.has(p.pid) && !p.ended).map((p) => p.pid);
}

function signal(pid, name) {
  try { process.kill(pid, name); } catch { /* already gone */ }
}

const live = new Set();  // sessions not stopped yet, ended with the run whatever happens to it
process.on('exit', () => {
  for (const session of live) {
    session.kill();
    fs.rmSync(session.dir, { recursive: true, force: true });
  }
});

class Session {
  constructor(engine) {
    this.engine = engine;
    this.dir = fs.mkdtempSync(path.join(os.tmpdir(), `metria-orca-${engine}-`));
    this.tag = `${TAG}=${this.dir}`;
    this.children = new Map();  // name -> the process
    this.failure = null;        // what ended early, for the waits to report
    this.stopped = false;       // from then on, processes that end are being ended
    this.utterances = [];
    this.markAt = 0;
    this.heardAt = Date.now();  // when the last utterance was read
    this.orcaStarted = false;
    this.log = { file: path.join(this.dir, 'orca.log'), fd: null, offset: 0, decoder: new StringDecoder('utf8'), rest: '' };
    live.add(this);
  }

  file(name, text, mode) {
    const file = path.join(this.dir, name);
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, text, { mode });
    return file;
  }

  // A process of the session, in a process group of its own, its output in NAME.out in the folder;
  // env: what it has in its environment besides the session's.
  start(name, command, args, { stdout = 'file', env = {} } = {}) {
    const out = fs.openSync(path.join(this.dir, `${name}.out`), 'a');
    const child = spawn(command, args, { env: { ...this.env, ...env }, detached: true,
                                         stdio: ['ignore', stdout === 'pipe' ? 'pipe' : out, out] });
    fs.closeSync(out);
    child.on('error', (error) => { this.failure = this.failure || `${name} could not start: ${error.message}`; });
    child.on('exit', (code, sig) => {
      if (this.stopped) return;
      const tail = this.outputOf(name).split('\n').slice(-12).join('\n');
      this.failure = this.failure || `${name} ended (${sig || `exit code ${code}`}):\n${tail}`;
    });
    this.children.set(name, child);
    return child;
  }

  outputOf(name) {
    try { return fs.readFileSync(path.join(this.dir, `${name}.out`), 'utf8').trim(); } catch { return ''; }
  }

  // Waits until check() gives something, and gives that; fails at the timeout, or when a process of
  // the session has ended under it.
  async until(what, timeout, check) {
    const end = Date.now() + timeout;
    for (;;) {
      const value = await check();
      if (value) return value;
      if (this.failure) throw new Error(`${this.failure}\n(while waiting for ${what})`);
      if (Date.now() > end) throw new Error(`no ${what} within ${timeout} ms`);
      await sleep(50);
    }
  }

  x(args) { return run('/usr/bin/xdotool', args, this.env); }

  async open(target) {
    const home = path.join(this.dir, 'home');
    const runtime = path.join(this.dir, 'runtime');
    fs.mkdirSync(runtime, { recursive: true, mode: 0o700 });
    const silent = this.file('home/.config/speech-dispatcher/modules/silent.conf', SILENT_CONF);
    this.file('home/.config/speech-dispatcher/speechd.conf', SPEECHD_CONF(silent));
    this.file('home/.config/glib-2.0/settings/keyfile', GSETTINGS);
    const bus = path.join(this.dir, 'bus');
    const busConf = this.file('bus.conf', BUS_CONF(bus));
    // Orca's launcher as it is, but for its debug log written a line at a time: as it is, the log
    // comes in blocks of 8 KB, long after the words.
    const launcher = fs.readFileSync('/usr/bin/orca', 'utf8')
      .replace(/open\(args\.debug_file, 'w'\)/, "open(args.debug_file, 'w', buffering=1)");
    if (!launcher.includes('buffering=1')) throw new Error("/usr/bin/orca does not open its debug file as expected");
    const orca = this.file('orca', launcher, 0o755);

    // The environment of every process of the session: nothing of the user's own desktop, settings
    // or language, and the tag that finds them all again at the end.
    const own = /^(LC_|LANGUAGE$|LANG$|DISPLAY$|WAYLAND_DISPLAY$|DBUS_|AT_SPI_|NO_AT_BRIDGE$|XDG_|GTK_|QT_|GSETTINGS_)/;
    const inherited = Object.entries(process.env).filter(([key]) => !own.test(key));
    this.env = { ...Object.fromEntries(inherited), HOME: home, XDG_CONFIG_HOME: path.join(home, '.config'),
                 XDG_DATA_HOME: path.join(home, '.local/share'), XDG_CACHE_HOME: path.join(home, '.cache'),
                 XDG_RUNTIME_DIR: runtime, GSETTINGS_BACKEND: 'keyfile', LANG: LOCALE, LOCPATH: await japaneseLocale(),
                 DBUS_SESSION_BUS_ADDRESS: `unix:path=${bus}`, [TAG]: this.dir };

    // -noreset: by default the display resets when its last client leaves, and one that comes in
    // that moment (openbox, after the first look for it) finds no display.
    const xvfb = this.start('xvfb', '/usr/bin/Xvfb', ['-displayfd', '1', '-screen', '0', `${SCREEN.join('x')}x24`,
                                                     '-nolisten', 'tcp', '-noreset'], { stdout: 'pipe' });
    this.start('dbus', '/usr/bin/dbus-daemon', [`--config-file=${busConf}`, '--nofork', '--nopidfile']);
    let display = '';
    xvfb.stdout.on('data', (chunk) => { display += chunk; });
    this.env.DISPLAY = ':' + await this.until('display from Xvfb', 10000, () => display.includes('\n') && display.trim());
    await this.until('session bus', 10000, async () => (await run('/usr/bin/dbus-send', ['--session', '--print-reply',
      '--dest=org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus.GetId'], this.env)).ok);

    // A window manager, so that the browser's window takes the keyboard's focus as it opens.
    this.start('openbox', '/usr/bin/openbox', []);
    this.start('a11y', '/usr/libexec/at-spi-bus-launcher', ['--launch-immediately']);
    await this.until('window manager', 10000, async () => (await this.x(['get_desktop'])).ok);
    await this.until('accessibility bus', 10000, async () => (await run('/usr/bin/dbus-send', ['--session', '--print-reply',
      '--dest=org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus.NameHasOwner', 'string:org.a11y.Bus'],
      this.env)).stdout.includes('boolean true'));

    // Orca before the browser or the program, so that it hears the page load or the first window.
    const other = runningOrca();
    if (other) throw new Error(`an Orca of this user runs already (pid ${other}), and Orca runs only one at a time`);
    this.start('orca', PYTHON, [orca, `--debug-file=${this.log.file}`]);
    await this.until('start of Orca', 30000, () => { this.read(); return this.orcaStarted; });

    if (this.engine === DESKTOP) {
      this.program = this.start('program', target.command[0], target.command.slice(1), { env: target.env });
      await this.focus();
    } else {
      const browser = this.engine === 'firefox' ? this.startFirefox(target) : this.startChromium(target);
      this.window = await this.until(`${this.engine} window`, 30000, async () =>
        (await this.x(['search', '--onlyvisible', '--pid', String(browser.pid)])).stdout.split('\n').filter(Boolean).pop());
      await this.focus();
      await this.waitForSpeech(PAGE_LOADED, 30000);
    }
    // Orca goes on to say where on the page it is, or what the window shows; a test starts once it
    // has said so.
    await this.quiet(1000, 15000);
  }

  startChromium(url) {
    this.file('profile/Default/Preferences', JSON.stringify(CHROMIUM_PREFS));
    const flags = [...CHROMIUM_FLAGS, `--user-data-dir=${path.join(this.dir, 'profile')}`];
    if (process.getuid() === 0) flags.push('--no-sandbox');  // Chromium's sandbox refuses root
    return this.start('browser', BROWSERS.chromium[0], [...flags, url]);
  }

  startFirefox(url) {
    const prefs = Object.entries(FIREFOX_PREFS).map(([key, value]) => `user_pref("${key}", ${JSON.stringify(value)});\n`);
    this.file('profile/user.js', prefs.join(''));
    return this.start('browser', BROWSERS.firefox[0], ['--no-remote', '--profile', path.join(this.dir, 'profile'),
                                                      '--width', String(SCREEN[0]), '--height', String(SCREEN[1]), url]);
  }

  // Gives the window the keyboard's focus, unless it has it.
  async focus() {
    await this.until(`keyboard focus on the ${this.engine} window`, 10000, async () => {
      const window = await this.shownWindow();
      if (!window) return false;
      if ((await this.x(['getactivewindow'])).stdout === window) return true;
      await this.x(['windowactivate', window]);
      return false;
    });
  }

  // The window the keys go to: the browser's one window; the program's only window that shows now,
  // as it opens a new one for each screen (none while it changes screens).
  async shownWindow() {
    if (this.engine !== DESKTOP) return this.window;
    const shown = (await this.x(['search', '--onlyvisible', '--pid', String(this.program.pid)])).stdout;
    const windows = shown.split('\n').filter(Boolean);
    return windows.length === 1 && windows[0];
  }

  // Reads what Orca has added to its log since the last read. Only whole entries are taken: one
  // whose last line is not written out yet waits for the next read.
  read() {
    const log = this.log;
    if (log.fd === null) {
      try { log.fd = fs.openSync(log.file, 'r'); } catch { return; }  // Orca has not made it yet
    }
    const buffer = Buffer.alloc(1 << 16);
    for (let n; (n = fs.readSync(log.fd, buffer, 0, buffer.length, log.offset)) > 0;) {
      log.offset += n;
      log.rest += log.decoder.write(buffer.subarray(0, n));
    }
    const lines = log.rest.split('\n');
    let rest = lines.pop();
    while (rest && rest.startsWith(INDENT) && lines.length) rest = `${lines.pop()}\n${rest}`;
    log.rest = rest;
    const entries = [];
    for (const line of lines) {
      if (line.startsWith(INDENT) && entries.length) entries[entries.length - 1] += `\n${line.slice(INDENT.length)}`;
      else entries.push(line);
    }
    for (const entry of entries) {
      const speech = SPEECH.exec(entry);
      if (speech) { this.utterances.push(speech[1]); this.heardAt = Date.now(); }
      else if (ORCA_STARTED.test(entry)) this.orcaStarted = true;
    }
  }

  // Every utterance since the session started.
  speech() {
    this.read();
    return [...this.utterances];
  }

  // Starts a new window of utterances: the waits look only at what is said from now on.
  mark() {
    this.read();
    this.markAt = this.utterances.length;
  }

  // The utterances since the mark.
  since() {
    this.read();
    return this.utterances.slice(this.markAt);
  }

  // Presses keys, by xdotool's names separated by spaces ('Tab', 'shift+Tab Return'), in the
  // browser's or the program's window.
  async press(keys) {
    await this.focus();
    const pressed = await this.x(['key', '--delay', '50', ...keys.trim().split(/\s+/)]);
    if (!pressed.ok) throw new Error(`xdotool could not press ${keys}: ${pressed.stderr}`);
  }

  // Waits until an utterance since the mark matches the RegExp, or the function of all of them gives
  // true; resolves with the utterances since the mark. At the timeout, fails with what was said.
  async waitForSpeech(expected, timeout = 10000) {
    const met = typeof expected === 'function' ? expected : (said) => said.some((s) => expected.test(s));
    try {
      return await this.until(`speech matching ${expected}`, timeout, () => {
        const said = this.since();
        return met(said) && said;
      });
    } catch (error) {
      error.message += `; Orca said since the mark: ${JSON.stringify(this.since())}`;
      throw error;
    }
  }

  // Waits until Orca has said nothing for ms since the call or its last utterance, or for at most
  // timeout in all; resolves with the utterances since the mark. Never fails on the timeout: a page
  // may go on talking.
  async quiet(ms = 500, timeout = 5000) {
    const from = Date.now();
    const end = from + timeout;
    const calm = () => { this.read(); return Date.now() - Math.max(this.heardAt, from) >= ms || Date.now() >= end; };
    await this.until('quiet', timeout + 1000, calm);
    return this.since();
  }

  // Ends every process of the session at once, but the display, which is asked to end so that it
  // removes its lock and socket; all, the display too, where all is true. Gives those still there.
  kill(all = false) {
    this.stopped = true;
    if (this.log.fd !== null) { fs.closeSync(this.log.fd); this.log.fd = null; }
    const xvfb = this.children.get('xvfb');
    // Only the processes it started that still run: the number of one that has ended may be another's.
    const running = [...this.children.values()].filter((child) => child.exitCode === null && child.signalCode === null);
    const left = processesOf(running.map((child) => child.pid), this.tag);
    for (const pid of left) signal(pid, !all && xvfb && pid === xvfb.pid ? 'SIGTERM' : 'SIGKILL');
    return left;
  }

  // Ends the session: every process it started, and its folder. Kills again until none is left, as
  // one may have been starting another meanwhile; the display has 3 s to end by itself. Fails, once
  // the folder is gone, where a process outlives 6 s of that.
  async stop() {
    if (!live.has(this)) return;
    live.delete(this);
    const start = Date.now();
    let left;
    while ((left = this.kill(Date.now() - start > 3000)).length && Date.now() - start < 6000) await sleep(50);
    fs.rmSync(this.dir, { recursive: true, force: true, maxRetries: 5 });
    if (left.length) throw new Error(`processes of the Orca session outlived it: ${left.join(', ')}`);
  }
}

// A session in this engine with the page at url open: the browser's window has the keyboard's
// focus, and Orca has heard the page load and has said nothing more for a second. With the engine
// 'desktop', url is instead the program to run, { command: [file, ...arguments], env: {...} }:
// its window has the focus, and Orca has said nothing for a second. The mark is at the session's
// start, so that a wait sees what Orca said on opening too.
async function startSession(engine, url) {
  const missing = available(engine);
  if (missing) throw new Error(missing);
  const session = new Session(engine);
  try {
    await session.open(url);
  } catch (error) {
    await session.stop();
    throw error;
  }
  return session;
}

module.exports = { available, startSession };

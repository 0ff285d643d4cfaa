// The page around the program: the start button, the window frame (title bar, caption, close box,
// canvas) at the page's scale, pointer input, the wake-up timer, the end of a run, and the
// offline cache. The program itself (metria.js) is loaded by the page and started from here.
'use strict';

const MetriaPage = (() => {
  const params = new URLSearchParams(location.search);
  const fixedScale = Number(params.get('scale')) > 0 ? Number(params.get('scale')) : null;
  const seed = params.has('seed') ? Math.abs(Math.trunc(Number(params.get('seed')))) || 0 : -1;
  const element = (id) => document.getElementById(id);
  const frame = element('window');
  const canvas = element('screen');
  const SCALE_STEP = 0.25;
  const FRAME_MARGIN = 16;  // CSS pixels kept free around the window
  const MAGNIFIER_HOT_SPOT = 12;

  let timer = null;
  let running = false;
  let shown = null;  // { width, height } of the shown window, in pixels of the definitions
  let cssScale = 1;
  let dragCursor = 'default';

  // Calls into the program (main.cpp) while a run is on.
  function call(name, ...args) {
    if (running) Module[name](...args);
  }

  // The largest scale in steps of 0.25 at which the window and its title bar fit the viewport;
  // never below 1 where it fits at 1.
  function fittingScale(width, height) {
    if (fixedScale) return fixedScale;
    const title = element('titlebar').offsetHeight || 24;
    const room = (scale) => width * scale + 2 * FRAME_MARGIN <= innerWidth &&
                            height * scale + title + 2 * FRAME_MARGIN <= innerHeight;
    let scale = 1;
    if (room(1)) {
      while (room(scale + SCALE_STEP)) scale += SCALE_STEP;
    } else {
      while (scale > SCALE_STEP && !room(scale)) scale -= SCALE_STEP;
    }
    return scale;
  }

  // The drag icon as the mouse pointer, grown with the window by whole steps so that it stays crisp.
  function makeDragCursor() {
    const icon = new Image();
    icon.addEventListener('load', () => {
      const factor = Math.max(1, Math.floor(cssScale));
      const drawn = document.createElement('canvas');
      drawn.width = icon.naturalWidth * factor;
      drawn.height = icon.naturalHeight * factor;
      const context = drawn.getContext('2d');
      context.imageSmoothingEnabled = false;
      context.drawImage(icon, 0, 0, drawn.width, drawn.height);
      const hot = MAGNIFIER_HOT_SPOT * factor;
      dragCursor = 'url(' + drawn.toDataURL() + ') ' + hot + ' ' + hot + ', grabbing';
    });
    icon.src = 'icons/magnifier.ico';
  }

  // Device pixels of the canvas under a pointer event (the canvas may be drawn at any CSS size).
  function devicePoint(event) {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((event.clientX - box.left) * canvas.width / box.width),
            Math.floor((event.clientY - box.top) * canvas.height / box.height)];
  }

  // Only the left, middle and right buttons click, as on the desktop; the side buttons (back and
  // forward, 3 and 4) would otherwise reach the screens as a left click.
  const CLICKING_BUTTONS = 3;

  function listenToPointers() {
    const send = (action, event) => {
      if (!event.isPrimary || !running) return;
      if (action !== 0 && event.button >= CLICKING_BUTTONS) return;
      const [x, y] = devicePoint(event);
      call('_web_pointer', action, x, y, event.button < 0 ? 0 : event.button);
    };
    canvas.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      // The pointer stays with the window while a button is held, as on the desktop.
      canvas.setPointerCapture(event.pointerId);
      send(1, event);
    });
    canvas.addEventListener('pointermove', (event) => send(0, event));
    canvas.addEventListener('pointerup', (event) => send(2, event));
    canvas.addEventListener('pointercancel', (event) => send(2, event));
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    // Nor do they leave the page through the browser's history, which a child would not expect.
    for (const type of ['mousedown', 'mouseup', 'pointerdown', 'pointerup', 'auxclick']) {
      canvas.addEventListener(type, (event) => {
        if (event.button >= CLICKING_BUTTONS) event.preventDefault();
      });
    }
    element('close').addEventListener('click', () => call('_web_close_box'));
    addEventListener('resize', () => {
      if (running && shown && fittingScale(shown.width, shown.height) * devicePixelRatio !==
          cssScale * devicePixelRatio) {
        call('_web_viewport_changed');
      }
    });
  }

  // Starts a run once the program, its faces and the first screen's pictures are loaded.
  function begin() {
    element('start-panel').hidden = true;
    element('ended').hidden = true;
    MetriaCues.start();
    running = true;
    call('_web_start', seed);
  }

  async function prepare() {
    const program = new Promise((resolve) => {
      window.Module = { onRuntimeInitialized: resolve };
      const script = document.createElement('script');
      script.src = 'metria.js';
      document.body.appendChild(script);
    });
    const faces = Promise.all(['16px MetriaMincho', '16px MetriaGothic'].map((f) => document.fonts.load(f)));
    const pictures = MetriaCanvas.preload(['menu_background.gif', 'title_banner.gif', 'turtle_pose1.gif',
                                           'turtle_pose2.gif', 'credit_picture.gif']);
    await Promise.all([program, faces, pictures]);
  }

  function registerOfflineCache() {
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
      navigator.serviceWorker.register('sw.js').catch((error) => console.info('offline cache:', error.message));
    }
  }

  function init() {
    MetriaCanvas.attach(canvas);
    makeDragCursor();
    listenToPointers();
    const ready = prepare();
    // The offline cache fetches every file of the build: only once the first screen's files are in,
    // so that it does not compete with them.
    ready.then(registerOfflineCache);
    const startButton = element('start');
    element('restart').addEventListener('click', begin);
    if (params.has('autostart')) {
      ready.then(begin);
      return;
    }
    element('start-panel').hidden = false;
    startButton.addEventListener('click', () => {
      startButton.disabled = true;
      // Sound may only start inside the gesture: the audio context is made here, the run a moment
      // later if the program is still loading.
      MetriaCues.start();
      ready.then(begin);
    });
  }

  return {
    call,

    showWindow(caption, width, height) {
      shown = { width, height };
      canvas.dataset.width = width;
      canvas.dataset.height = height;
      cssScale = fittingScale(width, height);
      document.title = caption;
      element('caption').textContent = caption;
      frame.hidden = false;
      makeDragCursor();
      return cssScale * devicePixelRatio;
    },

    sizeCanvas(width, height) {
      canvas.width = width;
      canvas.height = height;
      canvas.style.width = width / devicePixelRatio + 'px';
      canvas.style.height = height / devicePixelRatio + 'px';
    },

    hideWindow() {
      frame.hidden = true;
      shown = null;
    },

    setDragCursor(dragging) {
      canvas.style.cursor = dragging ? dragCursor : 'default';
    },

    setTimer(delay) {
      clearTimeout(timer);
      timer = delay >= 0 ? setTimeout(() => { timer = null; call('_web_wake'); }, delay) : null;
    },

    ended(message) {
      running = false;
      clearTimeout(timer);
      timer = null;
      MetriaCues.haltAll();
      frame.hidden = true;
      shown = null;
      document.title = 'メトリア';
      element('fatal').textContent = message;
      element('fatal').hidden = !message;
      element('ended').hidden = false;
    },

    init,
  };
})();

MetriaPage.init();

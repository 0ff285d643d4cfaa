// The page around the program: the start button, the window frame (title bar, caption, close box,
// canvas and the layer over it) at the page's scale, pointer and key input, the wake-up timer, the
// end of a run, and the offline cache. The program itself (metria.js) is loaded by the page and
// started from here.
'use strict';

const MetriaPage = (() => {
  const params = new URLSearchParams(location.search);
  // ?scale=2 asks for a scale (kept within what the page can draw, fittingScale); ?seed=N a fixed
  // draw, N taken into the program's seeds (0 to 2^31 - 1) whatever number is written.
  const fixedScale = Number(params.get('scale')) > 0 ? Number(params.get('scale')) : null;
  const seed = params.has('seed') ? (Math.abs(Math.trunc(Number(params.get('seed')))) % 2 ** 31) || 0 : -1;
  const element = (id) => document.getElementById(id);
  const frame = element('window');
  const canvas = element('screen');
  const layer = element('layer');
  const FRAME_MARGIN = 16;  // CSS pixels kept free around the window
  const FRAME_BORDER = 2;  // CSS pixels of the frame's border, both sides together
  // The largest canvas every engine draws, in device pixels: WebKit on phones and tablets draws
  // nothing on a larger one.
  const LARGEST_CANVAS = 4096 * 4096;

  let timer = null;
  let running = false;
  let delivering = false;
  let shown = null;  // { width, height, caption } of the shown window, in pixels of the definitions
  let scaleStep = null;  // the program's, given before its first window
  let cssScale = 1;
  let deviceScale = 1;  // device pixels per pixel of the definitions, as the program last drew at
  let openingRatio = null;  // devicePixelRatio at the first fit
  let dragCursor = 'default';

  // Calls into the program (main.cpp) while a run is on; never from inside one of its own calls
  // into the page (a focus event that moving the focus raises, say).
  function call(name, ...args) {
    if (!running || delivering) return;
    delivering = true;
    try { Module[name](...args); } finally { delivering = false; }
  }

  // The entry points that take a control's name and Index.
  function callOnControl(name, control, index) {
    if (!running || delivering) return;
    MetriaLayer.quiet();
    delivering = true;
    try { Module.ccall(name, null, ['string', 'number'], [control, index]); } finally { delivering = false; }
  }

  // A key for the program, which says whether it took it: the browser's own use of a taken key
  // is stopped.
  function key(event) {
    if (!running || delivering) return;
    MetriaLayer.quiet();
    delivering = true;
    let taken;
    try {
      taken = Module.ccall('web_key', 'number', ['string', 'number', 'number', 'number'],
                           [event.key, event.repeat ? 1 : 0, event.shiftKey ? 1 : 0,
                            event.ctrlKey || event.altKey || event.metaKey ? 1 : 0]);
    } finally { delivering = false; }
    if (taken) event.preventDefault();
  }

  // The viewport in CSS pixels as they were at the first fit. Browser zoom changes the CSS pixels of
  // the viewport but not its device pixels, so measured this way the room stays the same as the
  // user zooms: the window keeps its CSS size, zooming in enlarges it like the rest of the page, and
  // the page scrolls where it no longer fits. A window resized, or a phone turned, changes the room;
  // a pinch does not, nor a phone's browser zooming out for a moment over a frame still too wide:
  // then the layout viewport is measured, which they leave alone.
  function room() {
    const zoom = openingRatio ? devicePixelRatio / openingRatio : 1;
    const scaled = window.visualViewport && visualViewport.scale !== 1;
    const root = document.documentElement;
    return { width: (scaled ? root.clientWidth : innerWidth) * zoom,
             height: (scaled ? root.clientHeight : innerHeight) * zoom };
  }

  // The largest scale in the program's steps whose canvas every engine draws (never below one step).
  function drawableScale(width, height) {
    const steps = Math.floor(Math.sqrt(LARGEST_CANVAS / (width * height)) / devicePixelRatio / scaleStep);
    return Math.max(1, steps) * scaleStep;
  }

  // The scale asked for, kept between one step and the largest drawable; else the largest scale in
  // the program's steps at which the window and its title bar fit the room, never below 1 where it
  // fits at 1. Where it does not (a phone), the window takes all the room there is, margins
  // included, at whatever scale that is.
  function fittingScale(width, height) {
    const drawable = drawableScale(width, height);
    if (fixedScale) return Math.min(Math.max(fixedScale, scaleStep), drawable);
    const title = element('titlebar').offsetHeight || 24;
    const { width: roomWidth, height: roomHeight } = room();
    const fits = (scale) => width * scale + 2 * FRAME_MARGIN <= roomWidth &&
                            height * scale + title + 2 * FRAME_MARGIN <= roomHeight;
    if (!fits(1)) {
      const whole = Math.min((roomWidth - FRAME_BORDER) / width, (roomHeight - title - FRAME_BORDER) / height);
      return Math.max(scaleStep, Math.floor(whole * 1000) / 1000);
    }
    let scale = 1;
    while (scale + scaleStep <= drawable && fits(scale + scaleStep)) scale += scaleStep;
    return scale;
  }

  // Upright on a phone the window is too small to touch: the page asks for the device to be turned.
  function showTurnHint(scale) {
    const { width: roomWidth, height: roomHeight } = room();
    element('turn-hint').hidden = !shown || fixedScale !== null || roomHeight <= roomWidth || scale >= 1;
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
    const send = (entry, event) => {
      if (!event.isPrimary || !running) return;
      const [x, y] = devicePoint(event);
      call(entry, x, y, event.button < 0 ? 0 : event.button);
    };
    canvas.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      // The pointer stays with the window while a button is held, as on the desktop.
      canvas.setPointerCapture(event.pointerId);
    });
    // A side button goes no further than here: neither to the program (the listeners below), nor
    // out of the page through the browser's history, which a child would not expect.
    for (const type of ['mousedown', 'mouseup', 'pointerdown', 'pointerup', 'auxclick']) {
      canvas.addEventListener(type, (event) => {
        if (event.button < CLICKING_BUTTONS) return;
        event.preventDefault();
        event.stopImmediatePropagation();
      });
    }
    canvas.addEventListener('pointerdown', (event) => {
      if (event.isPrimary && running) MetriaLayer.quiet();
      send('_web_pointer_press', event);
    });
    canvas.addEventListener('pointermove', (event) => send('_web_pointer_move', event));
    canvas.addEventListener('pointerup', (event) => send('_web_pointer_release', event));
    canvas.addEventListener('pointercancel', (event) => send('_web_pointer_release', event));
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    element('close').addEventListener('click', () => call('_web_close_box'));
    addEventListener('resize', () => {
      if (!shown) return;
      const scale = fittingScale(shown.width, shown.height);
      showTurnHint(scale);
      if (running && scale * devicePixelRatio !== deviceScale) call('_web_viewport_changed');
    });
  }

  // Keys reach the program from the layer's elements (layer.js), and from the page itself while
  // nothing but the window's frame has the focus during a run, before the first key or after a
  // click on the window: Tab
  // then enters the window, unless it has nothing to focus, when it goes on to the page.
  function listenToKeys() {
    MetriaLayer.attach({ layer, layerName: element('layer-name'), region: element('announcer'), frame }, {
      focus: (control, index) => callOnControl('web_focus_control', control, index),
      activate: (control, index) => callOnControl('web_activate_control', control, index),
      key,
    });
    document.addEventListener('keydown', (event) => {
      if (!running || !shown || ![document.body, canvas, frame].includes(event.target)) return;
      if (event.key === 'Tab' && !MetriaLayer.hasFocusedNode()) return;
      key(event);
      // A key that left the program's focus where it was publishes nothing: the page follows anyway.
      MetriaLayer.followFocus();
    });
  }

  // Starts a run once the program, its faces and the first screen's pictures are loaded.
  function begin() {
    element('start-panel').hidden = true;
    element('ended').hidden = true;
    running = true;
    // Less motion, where the user asks for it: the turtle stands.
    call('_web_start', seed, matchMedia('(prefers-reduced-motion: reduce)').matches ? 1 : 0);
    // The sound context is made once the first frame is on screen: the first one in a browser's
    // session can hold the page a tenth of a second. The start button has made it already, in its
    // press, where some browsers allow sound to start.
    requestAnimationFrame(() => setTimeout(() => MetriaCues.start(), 0));
  }

  // The program: metria.js, and metria.wasm fetched here rather than by metria.js, so that both
  // are tried again where the network drops them, and a failure reaches the page instead of the
  // console.
  function loadProgram() {
    return new Promise((resolve, reject) => {
      window.Module = {
        onRuntimeInitialized: resolve,
        instantiateWasm(imports, receive) {
          // Compiled as it streams in; a host that serves it under another type gets it compiled whole.
          MetriaNetwork.fetch(MetriaNetwork.url('metria.wasm'), (response) =>
            WebAssembly.instantiateStreaming(response.clone(), imports)
              .catch(() => response.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports))))
            .then(({ instance, module }) => receive(instance, module), reject);
          return {};
        },
      };
      MetriaNetwork.script(MetriaNetwork.url('metria.js')).catch(reject);
    });
  }

  // The faces style.css declares. A face the browser could not fetch is fetched again from here,
  // from the address its rule gives, and added to the page's faces.
  function loadFaces() {
    const sources = new Map();
    for (const sheet of document.styleSheets) {
      for (const rule of sheet.cssRules) {
        if (!(rule instanceof CSSFontFaceRule)) continue;
        const family = rule.style.getPropertyValue('font-family').replace(/["']/g, '');
        sources.set(family, new URL(/url\(["']?([^"')]+)/.exec(rule.style.getPropertyValue('src'))[1], sheet.href).href);
      }
    }
    return Promise.all([...document.fonts].map((face) => face.load().catch(() => {
      const family = face.family.replace(/["']/g, '');
      return MetriaNetwork.fetch(sources.get(family), (response) => response.arrayBuffer())
        .then((bytes) => new FontFace(family, bytes, { display: 'block' }).load())
        .then((loaded) => document.fonts.add(loaded));
    })));
  }

  // Everything the first frame needs: the program, the faces, and the pictures index.html fetches
  // ahead (the main menu's), which the program can do without.
  function prepare() {
    const pictures = MetriaCanvas.preload([...document.querySelectorAll('link[data-picture]')]
      .map((link) => link.dataset.picture));
    return Promise.all([loadProgram(), loadFaces(), pictures]);
  }

  // The program or the faces could not be had: the start panel says so and offers to load the page
  // again (what did arrive comes from the browser's cache).
  function failed(error) {
    console.info('メトリア:', error.message || String(error));
    element('ended').hidden = true;
    element('start').hidden = true;
    element('start-panel').hidden = false;
    element('load-failed').hidden = false;
    element('reload').focus({ preventScroll: true });
  }

  function registerOfflineCache() {
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
      navigator.serviceWorker.register('sw.js').catch((error) => console.info('offline cache:', error.message));
    }
  }

  // Resolves once the start panel is painted in its face (or the face has failed, which prepare()
  // tries again).
  function panelPainted() {
    const face = '1em ' + getComputedStyle(element('start-panel')).fontFamily;
    return document.fonts.load(face, element('start').textContent).catch(() => undefined)
      .then(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0))));
  }

  function init() {
    MetriaCanvas.attach(canvas);
    listenToPointers();
    listenToKeys();
    element('restart').addEventListener('click', begin);
    element('reload').addEventListener('click', () => location.reload());
    const autostart = params.has('autostart');
    if (!autostart) element('start-panel').hidden = false;
    // With ?autostart the head has asked for everything the first frame needs. The start page
    // fetches it once its panel is up: the panel's face then has the network to itself, and the
    // program is still in well before a child has read the panel and pressed はじめる.
    const ready = autostart ? prepare() : panelPainted().then(prepare);
    ready.catch(failed);
    // The offline cache fetches every file of the build: only once the first screen's files are in,
    // so that it does not compete with them.
    ready.then(registerOfflineCache, () => undefined);
    if (autostart) {
      ready.then(begin, () => undefined);
      return;
    }
    const startButton = element('start');
    startButton.addEventListener('click', () => {
      startButton.disabled = true;
      // Sound may only start inside the gesture: the audio context is made here, the run a moment
      // later if the program is still loading.
      MetriaCues.start(true);
      ready.then(begin, () => undefined);
    });
  }

  return {
    call,

    frameRules(step, r, g, b) {
      scaleStep = step;
      frame.style.setProperty('--window-color', 'rgb(' + r + ',' + g + ',' + b + ')');
    },

    showWindow(caption, width, height) {
      shown = { width, height, caption };
      canvas.dataset.width = width;
      canvas.dataset.height = height;
      openingRatio = openingRatio || devicePixelRatio;
      cssScale = fittingScale(width, height);
      deviceScale = cssScale * devicePixelRatio;
      document.title = caption;
      element('caption').textContent = caption;
      // Named by its title in the same change that shows it: a name taken from the caption element
      // is not there yet for a screen reader the moment the frame appears.
      frame.setAttribute('aria-label', caption);
      // Sized before it shows: a frame wider than a phone's screen, even for a moment, would have the
      // browser zoom the page out.
      canvas.style.width = width * cssScale + 'px';
      canvas.style.height = height * cssScale + 'px';
      showTurnHint(cssScale);
      frame.hidden = false;
      MetriaLayer.opened();
      return cssScale;
    },

    sizeCanvas(width, height) {
      canvas.width = width;
      canvas.height = height;
      canvas.style.width = width / devicePixelRatio + 'px';
      canvas.style.height = height / devicePixelRatio + 'px';
      if (shown) MetriaLayer.scale(width / devicePixelRatio / shown.width);
    },

    hideWindow() {
      frame.hidden = true;
      shown = null;
      MetriaLayer.clear();
      showTurnHint(cssScale);
    },

    // published: { keysInUse, nodes }, the program's state of the keys and the window's nodes.
    publishNodes(published) {
      if (shown) MetriaLayer.publish(published, shown.width, shown.height, shown.caption);
    },

    announce(words) {
      MetriaLayer.announce(words);
    },

    // The drag icon as the mouse pointer, enlarged as the program says: the build has it drawn at
    // each factor, pixels repeated (icons/magnifier_2x.png), so that the pointer is a file of the
    // site, as a strict content security policy allows.
    setDragIcon(file, factor, hotX, hotY) {
      const url = MetriaNetwork.url('icons/' + file.replace(/\.ico$/, '_' + factor + 'x.png'));
      // Without its icon the drag shows the browser's own grabbing hand.
      MetriaNetwork.image(url).then(() => { dragCursor = 'url(' + url + ') ' + hotX + ' ' + hotY + ', grabbing'; },
                                    () => console.warn('メトリア: 絵 ' + file + ' を読み込めません。絵なしで続けます。'));
    },

    setDragCursor(dragging) {
      canvas.style.cursor = dragging ? dragCursor : 'default';
    },

    setTimer(delay) {
      clearTimeout(timer);
      timer = delay >= 0 ? setTimeout(() => { timer = null; call('_web_wake'); }, delay) : null;
    },

    ended(message) {
      const hadFocus = frame.contains(document.activeElement) || document.activeElement === document.body;
      running = false;
      clearTimeout(timer);
      timer = null;
      MetriaCues.haltAll();
      frame.hidden = true;
      shown = null;
      MetriaLayer.clear();
      showTurnHint(cssScale);
      document.title = 'メトリア';
      element('fatal').textContent = message;
      element('fatal').hidden = !message;
      element('ended').hidden = false;
      // The window's elements went with it: the end is said, and the focus waits on the way back.
      MetriaLayer.announce(element('ended-message').textContent + (message ? ' ' + message : ''));
      // The button is focused once it is drawn: a screen reader hears nothing of a focus given to an
      // element it has not yet been told of.
      const focusRestart = () => element('restart').focus({ preventScroll: true });
      if (hadFocus) requestAnimationFrame(() => setTimeout(focusRestart, 0));
    },

    init,
  };
})();

MetriaPage.init();

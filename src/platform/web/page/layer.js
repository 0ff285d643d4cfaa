// The window's meaning as real elements over the canvas, for screen readers, switches and the
// keyboard: one element per node the program publishes, placed over its control, and a live region
// for what the program announces. The layer is transparent and takes no pointer: what a mouse, a
// finger or a pen does still reaches the canvas, and the program draws its own focus ring.
//
// The layer is a toolbar: inside one a screen reader passes the arrows, Enter, Space and Escape on
// to the page (Orca's focus mode) instead of reading the line they would move to. Its name is the
// screen as a sentence, said as the focus enters it: the title, the words before the first button
// (a quiz's question and instruction), and what the program says as the window opens; then the
// focused button.
'use strict';

const MetriaLayer = (() => {
  const TAGS = { heading: 'h2', text: 'p', status: 'p', image: 'div', button: 'button' };

  let layer = null;
  let layerName = null;
  let region = null;
  let frame = null;  // the window's frame, named by its title
  let retiring = null;  // the last window's layer, until the new window's focus is placed
  let program = null;  // { focus(name, index), activate(name, index), key(event) }
  let keysInUse = false;  // as the program last published it
  const elements = new Map();  // key of a node -> its element
  let focusedKey = null;  // the node the program has focused, as last published
  let placingFocus = false;
  let freshAnnouncement = true;
  let arriving = false;  // the focus has just entered the layer: what is said now goes into its name
  let opening = false;  // a new window is shown, and its nodes are not yet published
  let frameFocusedFor = null;  // the title of the window whose frame just took the focus, said by it
  let nameParts = [];  // the layer's name, sentence by sentence

  // Nodes without a control are the picture's words: they are told apart by their place in the list.
  const keysOf = (nodes) => {
    let words = 0;
    return nodes.map((node) => node.id || 'picture:' + words++);
  };
  const controlOf = (key) => {
    const colon = key.lastIndexOf(':');
    return [key.slice(0, colon), Number(key.slice(colon + 1))];
  };

  // The game has the page's focus when the window's frame or an element of the layer has it, or
  // nothing shown has (the start button just hidden keeps it in some browsers).
  function gameHasFocus() {
    const active = document.activeElement;
    return !active || active === document.body || active === frame || layer.contains(active) ||
           (retiring !== null && retiring.contains(active)) ||
           active.closest('[hidden]') !== null;
  }

  function placeFocus(element) {
    if (document.activeElement === element) return;
    placingFocus = true;
    try { element.focus({ preventScroll: true }); } finally { placingFocus = false; }
  }

  function make(node, key) {
    const element = document.createElement(TAGS[node.role] || 'p');
    element.dataset.key = key;
    element.dataset.role = node.role;
    if (node.role === 'image') element.setAttribute('role', 'img');
    if (node.role === 'button') {
      element.type = 'button';
      // Moved there by Tab or a screen reader: the program's focus follows.
      element.addEventListener('focus', () => {
        if (!placingFocus && key !== focusedKey) program.focus(...controlOf(key));
      });
      // Enter, Space and a screen reader's activation all arrive as a click.
      element.addEventListener('click', () => program.activate(...controlOf(key)));
    }
    const said = document.createElement('span');
    said.className = 'said';
    element.append(said);
    return element;
  }

  // An element brought up to date with its node, in place, so that focus stays on it.
  function update(element, node, width, height) {
    const words = node.state ? node.name + '、' + node.state : node.name;
    if (node.role === 'image') {
      element.setAttribute('aria-label', words);
    } else if (element.firstChild.textContent !== words) {
      element.firstChild.textContent = words;
    }
    const shown = node.shown || node.name;
    // The words the screens draw too faintly: where the user asks for more contrast, their elements
    // show the words themselves (style.css, .strong).
    const strong = node.faint;
    element.classList.toggle('strong', strong);
    // What such an element shows is the screen's text; a screen reader has the node's words.
    let visible = element.querySelector('.shown');
    if (strong && !visible) {
      visible = document.createElement('span');
      visible.className = 'shown';
      visible.setAttribute('aria-hidden', 'true');
      element.append(visible);
    } else if (!strong && visible) {
      visible.remove();
      visible = null;
    }
    if (visible && visible.textContent !== shown) visible.textContent = shown;
    Object.assign(element.style, {
      left: 100 * node.x / width + '%', top: 100 * node.y / height + '%',
      width: 100 * node.w / width + '%', height: 100 * node.h / height + '%',
    });
    element.style.setProperty('--h', node.h);
    element.style.setProperty('--w', node.w);
    element.style.setProperty('--chars', Math.max(1, [...shown].length));
    if (node.role !== 'button') return;
    // Tab visits the program's stops only: a filled place is passed while a card is held.
    if (element.tabIndex !== (node.stop ? 0 : -1)) element.tabIndex = node.stop ? 0 : -1;
    setAttribute(element, 'aria-disabled', node.disabled ? 'true' : null);
    setAttribute(element, 'aria-describedby', node.held ? 'held-note' : null);
    setAttribute(element, 'data-state', node.state || null);
  }

  // The program decides what every key does, but two are the browser's own on a button, as a
  // screen reader expects them to be: Enter and Space click it (the program's activation, the
  // same as its Enter), and Tab and Shift+Tab move over the buttons, whose order is the program's,
  // and may leave the window, once the keys are in use (the first key only shows where the focus
  // is, in the program).
  function takeKey(event) {
    const command = event.ctrlKey || event.altKey || event.metaKey;
    if (!command && !event.repeat && (event.key === 'Enter' || event.key === ' ')) return;
    if (!command && event.key === 'Tab' && keysInUse) return;
    program.key(event);
  }

  // Each window has a layer of its own: a screen reader says a window's name as the focus enters
  // it, and would not where the focus moved from one window's button to the next one's inside the
  // same element. The old one stays until the new window's focus is placed: where the focused
  // element went first, a screen reader would move its own focus to the new layer, and then say
  // nothing of it as the real focus comes.
  function freshLayer() {
    const fresh = layer.cloneNode(false);
    layer.after(fresh);
    retiring = layer;
    layer = fresh;
    layer.addEventListener('keydown', takeKey);
    elements.clear();
    focusedKey = null;
  }

  // The title and the words before the first button; the title not again where the frame has the
  // focus or the live region has just said it (a quiz's answers come seconds after its window).
  function summaryOf(nodes, caption) {
    const first = nodes.findIndex((node) => node.role === 'button');
    const words = nodes.slice(0, first < 0 ? nodes.length : first).filter((node) => node.role === 'text');
    const saidAlready = document.activeElement === frame ||
                        [...region.children].some((sentence) => sentence.textContent === caption);
    return [...(saidAlready ? [] : [caption]), ...words.map((node) => node.name)];
  }

  // The name's sentences, one element each in the hidden element that names the layer; each ends in
  // "。" where it has no mark of its own, so that a voice pauses between them.
  function nameLayer() {
    const sentences = nameParts.map((part) => (/[。？！]$/.test(part) ? part : part + '。'));
    if (sentences.join('\n') === [...layerName.children].map((p) => p.textContent).join('\n')) return;
    const paragraph = (text) => Object.assign(document.createElement('p'), { textContent: text });
    layerName.replaceChildren(...sentences.map(paragraph));
  }

  function setAttribute(element, name, value) {
    if (value === null) element.removeAttribute(name);
    else if (element.getAttribute(name) !== value) element.setAttribute(name, value);
  }

  return {
    // The page's elements: the layer, the hidden element that names it, the live region and the
    // window's frame; the program's calls.
    attach(elementsOfPage, programCalls) {
      ({ layer, layerName, region, frame } = elementsOfPage);
      program = programCalls;
      frame.tabIndex = -1;
      layer.setAttribute('role', 'toolbar');
      layer.setAttribute('aria-labelledby', layerName.id);
      layer.addEventListener('keydown', takeKey);
    },

    // The program's state of the keys and the current window's nodes, in reading order; width and
    // height: the window's, in the same pixels; caption: its title.
    publish({ keysInUse: inUse, nodes }, width, height, caption) {
      keysInUse = inUse;
      const keys = keysOf(nodes);
      const wanted = new Map(keys.map((key, i) => [key, nodes[i]]));
      for (const [key, element] of elements) {
        if (!wanted.has(key) || element.dataset.role !== wanted.get(key).role) {
          element.remove();
          elements.delete(key);
        }
      }
      // Elements already there keep their order: only new ones are moved in, so focus stays put.
      nodes.forEach((node, i) => {
        let element = elements.get(keys[i]);
        if (!element) {
          element = make(node, keys[i]);
          elements.set(keys[i], element);
        }
        if (layer.children[i] !== element) layer.insertBefore(element, layer.children[i] || null);
        update(element, node, width, height);
      });
      const focused = nodes.findIndex((node) => node.focused);
      focusedKey = focused < 0 ? null : keys[focused];
      const outside = !layer.contains(document.activeElement);
      nameParts = summaryOf(nodes, caption);
      this.followFocus();
      arriving = outside && layer.contains(document.activeElement);
      if (arriving) queueMicrotask(() => { arriving = false; });
      nameLayer();
      // A window that opens with nothing to focus yet (a quiz before its first question) gives the
      // focus to its frame, so that a screen reader says where the child is once, by the frame's
      // name, rather than reading whatever its caret finds (the title bar's heading, which it may
      // have moved to by itself, and then says nothing of the focus coming there) and the title again.
      if (opening && focusedKey === null && gameHasFocus()) {
        placeFocus(frame);
        frameFocusedFor = caption;
        queueMicrotask(() => { frameFocusedFor = null; });
      }
      opening = false;
      // Gone only once the focus has been told: told in the same moment, a screen reader hears of
      // the removal first.
      if (retiring) {
        const old = retiring;
        requestAnimationFrame(() => setTimeout(() => {
          old.remove();
          if (retiring === old) retiring = null;
        }, 0));
      }
    },

    // DOM focus goes where the program's is, while the game has the page's focus.
    followFocus() {
      if (focusedKey !== null && gameHasFocus()) placeFocus(elements.get(focusedKey));
    },

    // The layer's scale: CSS pixels per pixel of the window (the words of .strong are sized by it).
    scale(factor) {
      layer.style.setProperty('--k', factor);
    },

    // A new window is shown: its first nodes decide where the focus goes.
    opened() {
      freshLayer();
      opening = true;
    },

    hasFocusedNode() {
      return focusedKey !== null;
    },

    clear() {
      for (const element of elements.values()) element.remove();
      elements.clear();
      focusedKey = null;
    },

    // A sentence is about the moment it was said: the next key or press takes it away, so that a
    // screen reader's review never finds one that no longer holds ("…を持ちました" after the drop).
    quiet() {
      region.replaceChildren();
      freshAnnouncement = true;
    },

    // Each sentence is a new element, so a screen reader speaks it even when it says what the one
    // before said; the sentences of one moment of the program stay together.
    announce(words) {
      if (words === frameFocusedFor) return;
      if (arriving) {
        if (!nameParts.includes(words)) nameParts.push(words);
        nameLayer();
        return;
      }
      if (freshAnnouncement) {
        region.replaceChildren();
        freshAnnouncement = false;
        queueMicrotask(() => { freshAnnouncement = true; });
      }
      const sentence = document.createElement('p');
      sentence.textContent = words;
      region.append(sentence);
    },
  };
})();

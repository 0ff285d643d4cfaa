// Drawing on the window's canvas in device pixels: fills, pictures (GIFs decoded by the browser,
// their transparent colour as alpha) and text in the program's two faces (a face is the family name
// the program gives).
'use strict';

const MetriaCanvas = (() => {
  const pictures = new Map();  // file name -> { image once decoded, ready, drawnEarly }
  let context = null;
  let redrawAsked = false;
  let firstFrameMarked = false;

  const fontOf = (face, pixels) => pixels + 'px ' + face;
  const colourOf = (r, g, b) => 'rgb(' + r + ',' + g + ',' + b + ')';

  // The line's ascent above the baseline and its height, in whole pixels, from the face's own
  // numbers as the desktop's text drawing takes them: scaled to 1/64 pixel, then rounded up. Each
  // browser rounds its own font box differently, and would move the text by a pixel.
  function metrics(face, pixels) {
    const { ascender, descender, unitsPerEm } = MetriaFaceMetrics[face];
    const whole = (units) => Math.ceil(Math.round(64 * pixels * units / unitsPerEm) / 64);
    return { ascent: whole(ascender), height: whole(ascender - descender) };
  }

  // Each character of the line with its offset from the line's start, and the line's width, from
  // the face's own advances (the faces have no kerning). Browsers differ in how they round an
  // advance (WebKit to whole pixels), so each character is placed here, not by the browser.
  function lineOf(face, pixels, text) {
    const { advances, defaultAdvance, unitsPerEm } = MetriaFaceMetrics[face];
    const characters = [];
    let x = 0;
    for (const character of text) {
      characters.push({ character, x });
      x += pixels * (advances[character] || defaultAdvance) / unitsPerEm;
    }
    return { characters, width: x };
  }

  // A picture drawn before it arrived asks the program for one more frame once it is there; one
  // fetched ahead, and not yet drawn, asks for nothing. One that cannot be had is said once, and
  // the program goes on without it.
  function picture(file) {
    let entry = pictures.get(file);
    if (!entry) {
      entry = { image: null, drawnEarly: false };
      entry.ready = MetriaNetwork.image(MetriaNetwork.url('pictures/' + file)).then((image) => {
        entry.image = image;
        if (entry.drawnEarly && !redrawAsked) {
          redrawAsked = true;
          setTimeout(() => { redrawAsked = false; MetriaPage.call('_web_picture_arrived'); }, 0);
        }
      }, () => console.warn('メトリア: 絵 ' + file + ' を読み込めません。絵なしで続けます。'));
      pictures.set(file, entry);
    }
    return entry;
  }

  return {
    attach(canvas) {
      context = canvas.getContext('2d', { alpha: false });
    },

    // Resolves when every file is decoded (or has failed: the program then draws without it).
    preload(files) {
      return Promise.all(files.map((file) => picture(file).ready));
    },

    prefetch(file) {
      picture(file);
    },

    fillRect(x, y, w, h, r, g, b) {
      // Every frame begins with a fill; the first one marks the moment the program is seen.
      if (!firstFrameMarked) {
        firstFrameMarked = true;
        performance.mark('metria-first-frame');
      }
      context.fillStyle = colourOf(r, g, b);
      context.fillRect(x, y, w, h);
    },

    // smooth: resampled smoothly, or (false) pixels repeated exactly, as the program decides by the
    // size. Transparent pixels are alpha, so no hidden colour bleeds into the edges.
    drawPicture(file, x, y, w, h, smooth) {
      const entry = picture(file);
      if (!entry.image) {
        entry.drawnEarly = true;
        return false;
      }
      context.imageSmoothingEnabled = smooth;
      context.imageSmoothingQuality = 'high';
      context.drawImage(entry.image, x, y, w, h);
      return true;
    },

    textWidth(face, pixels, text) {
      return Math.round(lineOf(face, pixels, text).width);
    },

    lineHeight(face, pixels) {
      return metrics(face, pixels).height;
    },

    // x, y: the top-left of the line; nothing is drawn outside the clip rectangle. Bold is made
    // from the regular face by growing the outline, as the desktop does; a stroke of 1/16 of the
    // size comes closest to its pictures (Chromium's own synthetic bold is much lighter).
    drawText(face, pixels, bold, r, g, b, text, x, y, clipX, clipY, clipW, clipH) {
      const ascent = metrics(face, pixels).ascent;
      context.save();
      context.beginPath();
      context.rect(clipX, clipY, clipW, clipH);
      context.clip();
      context.font = fontOf(face, pixels);
      context.fillStyle = colourOf(r, g, b);
      context.textBaseline = 'alphabetic';
      context.strokeStyle = context.fillStyle;
      context.lineWidth = pixels / 16;
      context.lineJoin = 'round';
      for (const { character, x: offset } of lineOf(face, pixels, text).characters) {
        context.fillText(character, x + offset, y + ascent);
        if (bold) context.strokeText(character, x + offset, y + ascent);
      }
      context.restore();
    },
  };
})();

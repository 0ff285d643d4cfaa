// Drawing on the window's canvas in device pixels: fills, pictures (GIFs decoded by the browser,
// their transparent colour as alpha) and text in the program's two faces (a face is the family name
// the program gives).
'use strict';

const MetriaCanvas = (() => {
  const pictures = new Map();  // file name -> HTMLImageElement
  const measurer = document.createElement('canvas').getContext('2d');
  let context = null;
  let redrawAsked = false;
  let firstFrameMarked = false;

  const fontOf = (face, pixels, bold) => (bold ? 'bold ' : '') + pixels + 'px ' + face;
  const colourOf = (r, g, b) => 'rgb(' + r + ',' + g + ',' + b + ')';

  // The face's ascent and descent, whole pixels up and down from the baseline.
  function metrics(face, pixels, bold) {
    measurer.font = fontOf(face, pixels, bold);
    const m = measurer.measureText('あ');
    return { ascent: Math.ceil(m.fontBoundingBoxAscent), descent: Math.ceil(m.fontBoundingBoxDescent) };
  }

  // A picture drawn before it arrived asks the program for one more frame once it is there; one
  // fetched ahead, and not yet drawn, asks for nothing.
  function picture(file) {
    let image = pictures.get(file);
    if (!image) {
      image = new Image();
      image.addEventListener('load', () => {
        if (!image.drawnEarly || redrawAsked) return;
        redrawAsked = true;
        setTimeout(() => { redrawAsked = false; MetriaPage.call('_web_picture_arrived'); }, 0);
      });
      image.src = 'pictures/' + file;
      pictures.set(file, image);
    }
    return image;
  }

  return {
    attach(canvas) {
      context = canvas.getContext('2d', { alpha: false });
    },

    // Resolves when every file is decoded (or has failed: the program then draws without it).
    preload(files) {
      return Promise.all(files.map((file) => picture(file).decode().catch(() => undefined)));
    },

    prefetch(file) {
      picture(file).decode().catch(() => undefined);
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
      const image = picture(file);
      if (!image.complete || image.naturalWidth === 0) {
        image.drawnEarly = true;
        return false;
      }
      context.imageSmoothingEnabled = smooth;
      context.imageSmoothingQuality = 'high';
      context.drawImage(image, x, y, w, h);
      return true;
    },

    textWidth(face, pixels, bold, text) {
      measurer.font = fontOf(face, pixels, bold);
      return Math.round(measurer.measureText(text).width);
    },

    lineHeight(face, pixels, bold) {
      const m = metrics(face, pixels, bold);
      return m.ascent + m.descent;
    },

    // x, y: the top-left of the line; nothing is drawn outside the clip rectangle. Bold is made
    // from the regular face by growing the outline, as the desktop does; a stroke of 1/16 of the
    // size comes closest to its pictures (Chromium's own synthetic bold is much lighter).
    drawText(face, pixels, bold, r, g, b, text, x, y, clipX, clipY, clipW, clipH) {
      const ascent = metrics(face, pixels, bold).ascent;
      context.save();
      context.beginPath();
      context.rect(clipX, clipY, clipW, clipH);
      context.clip();
      context.font = fontOf(face, pixels, false);
      context.fillStyle = colourOf(r, g, b);
      context.textBaseline = 'alphabetic';
      context.fillText(text, x, y + ascent);
      if (bold) {
        context.strokeStyle = context.fillStyle;
        context.lineWidth = pixels / 16;
        context.lineJoin = 'round';
        context.strokeText(text, x, y + ascent);
      }
      context.restore();
    },
  };
})();

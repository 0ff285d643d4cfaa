// Fills the canvas once and marks the moment, as Metria's canvas does at its first frame; then
// registers the offline cache.
'use strict';

const context = document.getElementById('screen').getContext('2d', { alpha: false });
context.fillStyle = '#04fefc';
context.fillRect(0, 0, 640, 400);
performance.mark('metria-first-frame');
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');

// The program's cues over Web Audio: each file fetched and decoded once per page; a player plays
// its cue from the start `times` times back to back, a new play restarts it, and halting silences
// it at once. Where sound is refused or fails, everything else goes on silently after one warning.
'use strict';

const MetriaCues = (() => {
  // ms a context asked to start may take (Firefox's first one takes over a second) before the run
  // is called silent.
  const START_WAIT = 3000;
  let audio = null;
  let warned = false;
  let startAwaited = false;
  let silent = false;  // the context did not start in time
  const decoded = new Map();  // URL -> Promise of an AudioBuffer, or of null when it failed
  const players = new Map();  // player id -> { url, buffer, source, pending }

  function warn(reason) {
    if (warned) return;
    warned = true;
    console.warn('メトリア: 音を出せません (' + reason + ')。音なしで続けます。');
  }

  function bufferOf(url) {
    if (!decoded.has(url)) {
      decoded.set(url, fetch(url)
        .then((response) => {
          if (!response.ok) throw new Error(url + ': ' + response.status);
          return response.arrayBuffer();
        })
        .then((bytes) => audio.decodeAudioData(bytes))
        .catch((error) => { warn(error.message || String(error)); return null; }));
    }
    return decoded.get(url);
  }

  function playerOf(id) {
    let player = players.get(id);
    if (!player) {
      player = { url: '', buffer: null, source: null, pending: 0 };
      players.set(id, player);
    }
    return player;
  }

  function silence(player) {
    player.pending = 0;
    if (!player.source) return;
    player.source.onended = null;
    try { player.source.stop(); } catch (e) { /* never started */ }
    player.source.disconnect();
    player.source = null;
  }

  // A context asked to start inside a gesture that has not started soon after has no device, or a
  // browser that refuses: that is said once. Should it start later, the cues from then on sound.
  function awaitStart() {
    if (startAwaited) return;
    startAwaited = true;
    setTimeout(() => {
      if (audio.state === 'running') return;
      silent = true;
      warn('AudioContext: ' + audio.state);
    }, START_WAIT);
  }

  function sound(player, times) {
    // A context still starting plays the cue a moment late; one that did not start in time would
    // keep every cue for when it does.
    if (silent && audio.state !== 'running') return;
    const source = audio.createBufferSource();
    source.buffer = player.buffer;
    source.loop = times > 1;
    source.connect(audio.destination);
    const start = audio.currentTime;
    source.start(start);
    source.stop(start + player.buffer.duration * times);
    source.onended = () => { if (player.source === source) player.source = null; };
    player.source = source;
  }

  return {
    // Called in the start gesture (inGesture), or at an automatic start: browsers let sound begin
    // in a gesture.
    start(inGesture) {
      if (audio) return;
      try {
        audio = new (window.AudioContext || window.webkitAudioContext)();
      } catch (error) {
        warn(error.message || String(error));
        return;
      }
      // A start without a gesture leaves the context suspended until the first touch or key.
      if (audio.state === 'suspended') {
        const resume = () => audio.resume().catch(() => undefined);
        const resumeInGesture = () => { resume(); awaitStart(); };
        addEventListener('pointerdown', resumeInGesture, { once: true, capture: true });
        addEventListener('keydown', resumeInGesture, { once: true, capture: true });
        resume();
      }
      if (inGesture) awaitStart();
    },

    load(id, url) {
      const player = playerOf(id);
      silence(player);
      player.url = url;
      player.buffer = null;
      if (!audio) return;
      bufferOf(url).then((buffer) => {
        if (player.url !== url) return;
        player.buffer = buffer;
        if (buffer && player.pending > 0) {
          const times = player.pending;
          player.pending = 0;
          sound(player, times);
        }
      });
    },

    play(id, times) {
      const player = playerOf(id);
      silence(player);
      if (!audio || !player.url) return;
      if (player.buffer) sound(player, times);
      else player.pending = times;  // sounds as soon as its cue is decoded
    },

    halt(id) {
      const player = players.get(id);
      if (player) silence(player);
    },

    haltAll() {
      for (const player of players.values()) silence(player);
    },
  };
})();

// The program's cues over Web Audio: each file fetched and decoded once per page; a player plays
// its cue from the start `times` times back to back, a new play restarts it, and halting silences
// it at once. Where sound is refused or fails, everything else goes on silently after one warning.
// Between cues the context rests (suspended), so that the browser's audio does no work while the
// program waits; the next cue wakes it.
'use strict';

const MetriaCues = (() => {
  // ms a context asked to start may take (Firefox's first one takes over a second) before the run
  // is called silent.
  const START_WAIT = 3000;
  // ms of quiet after the last cue before the context rests.
  const REST_AFTER = 2000;
  let audio = null;
  let warned = false;
  let startAwaited = false;
  let started = false;  // the context has run: a suspended state from then on is a rest, not a refusal
  let silent = false;  // the context did not start in time
  let resting = false;  // suspended here, to be resumed by the next cue
  let restTimer = null;
  const sounding = new Set();  // sources started and not yet ended
  const decoded = new Map();  // URL -> Promise of an AudioBuffer, or of null when it failed
  const players = new Map();  // player id -> { url, buffer, source, pending }

  function warn(reason) {
    if (warned) return;
    warned = true;
    console.warn('メトリア: 音を出せません (' + reason + ')。音なしで続けます。');
  }

  function bufferOf(url) {
    if (!decoded.has(url)) {
      decoded.set(url, MetriaNetwork.fetch(MetriaNetwork.url(url), (response) => response.arrayBuffer())
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

  // The player's cue, fetched and decoded for the context; a play that waited for it sounds then.
  function decode(player) {
    const url = player.url;
    bufferOf(url).then((buffer) => {
      if (player.url !== url) return;
      player.buffer = buffer;
      if (buffer && player.pending > 0) {
        const times = player.pending;
        player.pending = 0;
        sound(player, times);
      }
    });
  }

  // Once nothing has sounded for REST_AFTER, a running context is suspended.
  function restLater() {
    clearTimeout(restTimer);
    restTimer = null;
    if (sounding.size > 0) return;
    restTimer = setTimeout(() => {
      restTimer = null;
      if (sounding.size > 0 || audio.state !== 'running') return;
      resting = true;
      audio.suspend().catch(() => undefined);
    }, REST_AFTER);
  }

  function ended(source) {
    sounding.delete(source);
    restLater();
  }

  function silence(player) {
    player.pending = 0;
    if (!player.source) return;
    player.source.onended = null;
    try { player.source.stop(); } catch (e) { /* never started */ }
    player.source.disconnect();
    ended(player.source);
    player.source = null;
  }

  // A context asked to start inside a gesture that has not started soon after has no device, or a
  // browser that refuses: that is said once. Should it start later, the cues from then on sound.
  function awaitStart() {
    if (startAwaited) return;
    startAwaited = true;
    setTimeout(() => {
      if (started || audio.state === 'running') return;
      silent = true;
      warn('AudioContext: ' + audio.state);
    }, START_WAIT);
  }

  function sound(player, times) {
    // A context still starting plays the cue a moment late; one that did not start in time would
    // keep every cue for when it does.
    if (silent && audio.state !== 'running') return;
    // A resting context resumes; the source, started at the moment the context stopped at, plays
    // from its first sample as soon as the context runs.
    clearTimeout(restTimer);
    restTimer = null;
    if (resting) {
      resting = false;
      audio.resume().catch(() => undefined);
    }
    const source = audio.createBufferSource();
    source.buffer = player.buffer;
    source.loop = times > 1;
    source.connect(audio.destination);
    const start = audio.currentTime;
    source.start(start);
    source.stop(start + player.buffer.duration * times);
    source.onended = () => {
      if (player.source === source) player.source = null;
      ended(source);
    };
    sounding.add(source);
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
      const running = () => {
        if (audio.state !== 'running') return;
        started = true;
        restLater();
      };
      audio.addEventListener('statechange', running);
      running();
      // A start without a gesture leaves the context suspended until the first touch or key.
      if (audio.state === 'suspended') {
        const resume = () => audio.resume().catch(() => undefined);
        const resumeInGesture = () => { resume(); awaitStart(); };
        addEventListener('pointerdown', resumeInGesture, { once: true, capture: true });
        addEventListener('keydown', resumeInGesture, { once: true, capture: true });
        resume();
      }
      if (inGesture) awaitStart();
      // Cues loaded before the context was made.
      for (const player of players.values()) if (player.url) decode(player);
    },

    load(id, url) {
      const player = playerOf(id);
      silence(player);
      player.url = url;
      player.buffer = null;
      if (audio) decode(player);
    },

    // A cue played before the context is made sounds once it is, and its cue decoded.
    play(id, times) {
      const player = playerOf(id);
      silence(player);
      if (!player.url) return;
      if (audio && player.buffer) sound(player, times);
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

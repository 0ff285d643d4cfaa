// Every file the page fetches itself comes through here: by the name the build gave it (the build
// names each file after its content, and index.html carries the list), and with a few attempts, a
// little further apart each time, since a school's network may drop a request now and then.
'use strict';

const MetriaNetwork = (() => {
  const ATTEMPTS = 4;
  const FIRST_PAUSE = 250;  // ms before the second attempt, doubled before each next one
  let names = null;

  const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

  // attempt(k) for k = 1, 2…, until one resolves or ATTEMPTS have failed (the last error is thrown).
  async function retry(attempt) {
    for (let k = 1; ; k++) {
      try {
        return await attempt(k);
      } catch (error) {
        if (k >= ATTEMPTS || error.final) throw error;
        await pause(FIRST_PAUSE * 2 ** (k - 1));
      }
    }
  }

  // An element's request, unlike fetch's, may be answered from what the browser kept of a failed
  // one: a later attempt asks for the same file under a query the servers ignore.
  const attemptUrl = (url, k) => (k === 1 ? url : url + '?attempt=' + k);

  return {
    // The build's name of a file of the site ("pictures/menu.gif", "./wav/o.wav").
    url(file) {
      if (!names) names = JSON.parse(document.getElementById('file-names').textContent);
      const plain = file.replace(/^\.?\//, '');
      return names[plain] || plain;
    },

    // The response to a GET of url, read by read(response). A server's refusal (4xx) is final; a
    // dropped request or a server in trouble (5xx) is tried again.
    fetch(url, read) {
      return retry(async () => {
        const response = await fetch(url);
        if (!response.ok) {
          const error = new Error(url + ': ' + response.status);
          error.final = response.status < 500;
          throw error;
        }
        return read(response);
      });
    },

    // An image, loaded and decoded.
    image(url) {
      return retry((k) => new Promise((resolve, reject) => {
        const image = new Image();
        image.onload = () => image.decode().then(() => resolve(image), reject);
        image.onerror = () => reject(new Error(url));
        image.src = attemptUrl(url, k);
      }));
    },

    // A classic script, run.
    script(url) {
      return retry((k) => new Promise((resolve, reject) => {
        const script = document.createElement('script');
        script.onload = resolve;
        script.onerror = () => { script.remove(); reject(new Error(url)); };
        script.src = attemptUrl(url, k);
        document.body.appendChild(script);
      }));
    },
  };
})();

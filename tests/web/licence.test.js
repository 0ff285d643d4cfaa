// What the web build owes the licences: faces named apart from the IPA originals, the licence texts
// and the faces' README beside them and in the offline cache, and the start panel's link to the
// licence page, reached by keyboard and opened with no server.
'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const w = require('./lib');

// Any name of an IPA font: IPAPMincho, IPA P明朝, IPAGothic, IPAexゴシック…
const ORIGINAL_NAME = /IPA\s*(P|ex)?\s*(Mincho|Gothic|明朝|ゴシック)/i;
const LICENCE_FILES = ['LICENSE.txt', 'licence.html', 'fonts/IPA_Font_License_Agreement_v1.0.txt', 'fonts/README.txt'];
const read = (file) => fs.readFileSync(path.join(w.BUILD, file), 'utf8');

// Every name record of a WOFF2 face as [nameID, text], read by Debian's fontTools.
function nameRecords(face) {
  const script = 'import json, sys\nfrom fontTools.ttLib import TTFont\n' +
                 'print(json.dumps([[r.nameID, r.toUnicode()] for r in TTFont(sys.argv[1])["name"].names]))';
  return JSON.parse(execFileSync('/usr/bin/python3', ['-c', script, face], { encoding: 'utf8' }));
}

w.test('every shipped face has a name of its own in every name record', () => {
  // Named after their content: gothic.0123456789.woff2.
  const faces = fs.readdirSync(path.join(w.BUILD, 'fonts')).filter((file) => file.endsWith('.woff2')).sort();
  assert.deepEqual(faces.map((file) => file.replace(/\.[0-9a-f]{10}\./, '.')), ['gothic.woff2', 'mincho.woff2']);
  for (const [face, family] of [[faces[1], 'Metria Mincho'], [faces[0], 'Metria Gothic']]) {
    const records = nameRecords(path.join(w.BUILD, 'fonts', face));
    assert.ok(records.some(([id, text]) => id === 1 && text === family), `${face} is called ${family}`);
    for (const [id, text] of records) assert.doesNotMatch(text, ORIGINAL_NAME, `${face}, name record ${id}`);
  }
});

w.test("the licence texts are in the build, filled in, and in the offline cache's list", () => {
  const ipa = read('fonts/IPA_Font_License_Agreement_v1.0.txt');
  for (const part of ['IPAフォントライセンスv1.0', '第３条', 'IPA Font License Agreement v1.0',
                      'Article 3 (Restriction)']) {
    assert.ok(ipa.includes(part), `the IPA Font License holds ${part}`);
  }
  assert.match(read('LICENSE.txt'), /^MIT License\n\nCopyright \(c\) 2026 the Metria authors\n/);
  assert.match(read('fonts/README.txt'), /fonts-ipafont-mincho[\s\S]*https:\/\/\S+[\s\S]*fontTools\.subset ipamp\.ttf/);
  const page = read('licence.html');
  for (const part of ['Permission is hereby granted', '第３条', 'Article 3 (Restriction)'])
    assert.ok(page.includes(part), `the licence page holds ${part}`);
  assert.doesNotMatch(page + read('fonts/README.txt'), /@[A-Z_]+@/);
  const cached = JSON.parse(/const FILES = (\[[^\]]*\])/.exec(read('sw.js'))[1]);
  for (const file of LICENCE_FILES) assert.ok(cached.includes(file), `${file} is in the offline cache`);
});

w.test('the start panel links to the licence page by keyboard, with a visible focus, even offline', async () => {
  const server = await w.serve();
  const browser = await w.browser();
  const page = await w.open(browser, server.url, { query: '' });
  await page.waitForSelector('#start', { visible: true });
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 10000 });
  server.stop();
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  const focused = await page.evaluate(() => {
    const link = document.activeElement;
    return { href: link.getAttribute('href'), outline: getComputedStyle(link).outlineStyle };
  });
  assert.deepEqual(focused, { href: 'licence.html', outline: 'solid' });
  await Promise.all([page.waitForNavigation(), page.keyboard.press('Enter')]);
  const shown = await page.evaluate(() => ({
    lang: document.documentElement.lang,
    headings: [...document.querySelectorAll('h1, h2, h3')].map((h) => h.tagName),
    english: document.querySelectorAll('pre[lang="en"]').length,
    back: [...document.querySelectorAll('a[href="./"]')].length,
  }));
  assert.deepEqual(shown, { lang: 'ja', headings: ['H1', 'H2', 'H2', 'H3', 'H3'], english: 2, back: 2 });
  assert.deepEqual(await page.errors(), []);
  await browser.close();
});

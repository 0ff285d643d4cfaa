// The HTTP Observatory's grade of a site, as its public scanner gives it (@mdn/mdn-http-observatory,
// pinned in tests/web): prints { grade, score, tests: { test: [result, score modifier] } } as JSON.
//   node observatory.mjs HOST[:PORT]
// For a site with a certificate of its own, start Node with NODE_EXTRA_CA_CERTS naming it.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';

const require = createRequire(new URL('../../tests/web/', import.meta.url));
const folder = path.dirname(require.resolve('@mdn/mdn-http-observatory/package.json'));
// The preload list of HSTS that the package's install script would download: installed here
// without scripts, offline. The sites graded here are on no such list, and an empty one grades them
// as the public scanner does.
const preload = path.join(folder, 'conf/hsts-preload.json');
if (!fs.existsSync(preload)) fs.writeFileSync(preload, '{}');

const { scan } = await import(path.join(folder, 'src/scanner/index.js'));
const result = await scan(process.argv[2]);
console.log(JSON.stringify({
  grade: result.scan.grade,
  score: result.scan.score,
  tests: Object.fromEntries(Object.entries(result.tests).map(([name, test]) => [name, [test.result, test.scoreModifier]])),
}));

// How long a 256 x 256 map takes: in the page in headless Chromium (the worker's own
// measure, from the settings check to the files, and from the click on "Start !" to the
// result shown, which adds the fairness, the picture as in the game and the messages), in
// the module under Node (the run, then fairness and picture), and with the command line
// (the whole process). Prints the median of each over several seeds. The page's first run
// is measured apart: its worker may still be loading the module, which then runs before
// the browser has optimised it; the second run of the same page shows the settled speed.
//
// Run: SWDGEN_BUILD=build/release SWDGEN_WEB_BUILD=build/web node bench/web_run_bench.mjs [RUNS]
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { performance } from 'node:perf_hooks';
import { openSite, runToEnd } from '../tests/web/browser.mjs';
import { builds } from '../tests/web/builds.mjs';

const runs = Number(process.argv[2] || 7);
const seeds = Array.from({ length: runs }, (_, i) => 101 + i);
const size = ['--width', '256', '--height', '256'];
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

const dir = mkdtempSync(join(tmpdir(), 'swdgen-bench-'));
const cli = seeds.map((seed) => {
  const start = performance.now();
  execFileSync(builds.binary, ['generate', '--seed', String(seed), ...size, '--quiet',
    '--out', join(dir, 'bench.swd')]);
  return performance.now() - start;
});
rmSync(dir, { recursive: true, force: true });

const require = createRequire(import.meta.url);
const S = require(join(builds.site, 'settings.js'));
const Session = require(join(builds.site, 'session.js'));
const module = await require(join(builds.site, 'swdgen.js'))(
  { wasmBinary: readFileSync(join(builds.site, 'swdgen.wasm')) });
const node = [];
const extras = [];
for (const seed of seeds) {
  const session = new Session(module);
  S.apply(session, Object.assign(S.defaults(), { width: 256, height: 256 }));
  const start = performance.now();
  session.run(seed);
  const ran = performance.now();
  session.fairness();
  session.render();
  extras.push(performance.now() - ran);
  node.push(ran - start);
  session.destroy();
}

const site = await openSite(builds.site);
const browser = { first: { run: [], shown: [] }, second: { run: [], shown: [] } };
try {
  for (const seed of seeds) {
    const page = await site.page(`?seed=${seed}&width=256&height=256`);
    for (const which of [browser.first, browser.second]) {
      const clicked = performance.now();
      const end = await runToEnd(page);
      which.shown.push(performance.now() - clicked);
      const line = end.lines.find((l) => l.startsWith('Dauer: '));
      which.run.push(Number(line.replace(/[^\d,]/g, '').replace(',', '.')) * 1000);
    }
    await page.close();
  }
} finally {
  await site.close();
}

const ms = (v) => `${Math.round(v)} ms`;
console.log(`256 x 256, median of ${runs} seeds:`);
console.log(`  command line (whole process)   ${ms(median(cli))}`);
console.log(`  module under Node              ${ms(median(node))}`);
console.log(`    then fairness and picture    ${ms(median(extras))}`);
for (const [name, which] of [['first', browser.first], ['second', browser.second]]) {
  console.log(`  page in Chromium, ${name} run (worker)  ${ms(median(which.run))}` +
    `, ${(median(which.run) / median(cli)).toFixed(2)} x the command line`);
  console.log(`    click to result shown        ${ms(median(which.shown))}`);
}

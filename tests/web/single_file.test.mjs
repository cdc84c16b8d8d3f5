// The page made as one file (scripts/web --single-file), as a player opens it: from the
// disk, a file:// address, alone in its folder and offline. It makes the command line's
// bytes, its worker starts again after a stop, and it asks for nothing but itself.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openFile, runToEnd } from './browser.mjs';
import { builds, run } from './builds.mjs';


test('the page as one file, opened from the disk, makes the command line\'s map', async () => {
  const site = await openFile(builds.singleFile);
  const cli = mkdtempSync(join(tmpdir(), 'swdgen-cli-'));
  try {
    assert.match(site.url, /^file:\/\//);
    // (An address without `harbours` but with a seed is one from before the harbour places,
    // which had neither mark: this one says that both are on, as on the command line.)
    const page = await site.page('?seed=1&width=64&height=64&type=oedland&start-objects=1&harbours=1');
    // A run stopped at once ends its worker; the next run needs a new one from the blob.
    await page.evaluate(() => {
      document.getElementById('start').click();
      document.dispatchEvent(new KeyboardEvent('keydown', { key: 'Escape' }));
    });
    assert.equal(await page.$eval('#status', (e) => e.textContent), 'Generierung abgebrochen');
    const end = await runToEnd(page);
    assert.ok(end.finished, end.status);
    assert.ok(end.lines.includes('Startwert: 1'), end.lines.join(' | '));

    const map = await site.download(() => page.click('#download-map'));
    const bitmap = await site.download(() => page.click('#download-bitmap'));
    await run(builds.binary, ['generate', '--seed', '1', '--width', '64', '--height', '64',
      '--type', 'oedland', '--out', map, '--quiet'], { cwd: cli });
    for (const file of [map, bitmap]) {
      assert.ok(readFileSync(join(site.downloads, file)).equals(readFileSync(join(cli, file))),
        file);
    }
    assert.deepEqual(site.errors, []);
    // Only the file itself was loaded: what it runs is inside it.
    const page0 = site.url.replace(/\?.*/, '');
    const elsewhere = site.requests.filter((url) =>
      url.replace(/\?.*/, '') !== page0 && !/^(data|blob):/.test(url));
    assert.deepEqual(elsewhere, []);
  } finally {
    await site.close();
    rmSync(cli, { recursive: true, force: true });
  }
});

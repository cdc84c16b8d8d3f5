// The page in a real browser: a 64 x 64 Ödland map with seed 1 chosen on the form, made,
// downloaded under a chosen title and name and compared with the command line's; the save
// checks; the address that remakes the map; stopping a run. Leaves a screenshot of the
// finished page (SWDGEN_SCREENSHOT, else page.png in the web build folder).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { openSite, runToEnd } from './browser.mjs';
import { builds } from './builds.mjs';
import { picture } from './picture.mjs';

const run = promisify(execFile);
const sha = (bytes) => createHash('sha256').update(bytes).digest('hex');
const screenshot = process.env.SWDGEN_SCREENSHOT || join(builds.web, 'page.png');

const kBadTitle = 'Der Landschaftsname enthält ein Zeichen, das das Spiel nicht darstellen kann.';
const kBadName = "Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' und '_' enthalten.";

async function typeInto(page, selector, text) {
  await page.click(selector, { clickCount: 3 });
  await page.keyboard.press('Backspace');
  await page.type(selector, text);
}

const text = (page, selector) => page.$eval(selector, (e) => e.textContent);
const visible = (page, selector) => page.$eval(selector, (e) => !e.hidden);
const disabled = (page, selector) => page.$eval(selector, (e) => e.disabled);

test('the page makes, names and downloads the command line\'s map', async () => {
  const site = await openSite(builds.site);
  const cli = mkdtempSync(join(tmpdir(), 'swdgen-cli-'));
  try {
    const page = await site.page();
    await page.select('#width', '64');
    await page.select('#height', '64');
    await page.click('#type-1');
    await typeInto(page, '#seed', '1');
    const end = await runToEnd(page);
    assert.ok(end.finished, end.status);
    assert.match(end.status, /^Fertig !!!/);
    assert.ok(end.lines.includes('Startwert: 1'), end.lines.join(' | '));
    assert.ok(end.lines.includes('Spieler platziert: 3 von 3'), end.lines.join(' | '));

    // The proposal is the command line's file name; the map, titled and named by the user,
    // has the bytes of the command line's --title and --out.
    await run(builds.binary, ['generate', '--seed', '1', '--width', '64', '--height', '64',
      '--type', 'oedland', '--quiet'], { cwd: cli });
    const proposed = await page.$eval('#name', (e) => e.value);
    assert.deepEqual(readdirSync(cli).sort(), [proposed + '.bmp', proposed + '.swd']);
    assert.equal(await page.$eval('#title', (e) => e.value), 'Phantasia-Zufall');
    await typeInto(page, '#title', 'Östliche Fjorde');
    await typeInto(page, '#name', 'Fjorde.swd');
    assert.equal(await visible(page, '#save-message'), false);
    const map = await site.download(() => page.click('#download-map'));
    const bitmap = await site.download(() => page.click('#download-bitmap'));
    assert.deepEqual([map, bitmap], ['Fjorde.swd', 'Fjorde.bmp']);
    await run(builds.binary, ['generate', '--seed', '1', '--width', '64', '--height', '64',
      '--type', 'oedland', '--title', 'Östliche Fjorde', '--out', 'Fjorde.swd', '--quiet'],
    { cwd: cli });
    for (const file of [map, bitmap]) {
      assert.equal(sha(readFileSync(join(site.downloads, file))),
        sha(readFileSync(join(cli, file))), file);
    }
    const command = await text(page, '#command-line');
    assert.equal(command, 'swdgen generate --seed 1 --width 64 --height 64 --type oedland ' +
      "--players 3 --title 'Östliche Fjorde' --out Fjorde.swd");

    // A title the game cannot show and a name that is a path are refused in the dialog's words.
    await typeInto(page, '#title', 'Preis: 5 €');
    assert.equal(await text(page, '#save-message'), kBadTitle);
    assert.equal(await disabled(page, '#download-map'), true);
    await typeInto(page, '#title', 'Östliche Fjorde');
    await typeInto(page, '#name', 'Karte/1');
    assert.equal(await text(page, '#save-message'), kBadName);
    await typeInto(page, '#name', 'Fjorde');
    assert.equal(await visible(page, '#save-message'), false);
    assert.equal(await disabled(page, '#download-map'), false);
    await page.screenshot({ path: screenshot, fullPage: true });

    // The address remakes the map.
    const address = await page.evaluate(() => location.search);
    assert.equal(address, '?seed=1&width=64&height=64&type=oedland&players=3');
    const again = await site.page(address);
    assert.deepEqual(await again.evaluate(() => [document.getElementById('width').value,
      document.getElementById('height').value, document.getElementById('type-1').checked,
      document.getElementById('seed').value]), ['64', '64', true, '1']);
    await again.close();
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
    rmSync(cli, { recursive: true, force: true });
  }
});

test('a run stops at once, and the next one runs', async () => {
  const site = await openSite(builds.site);
  try {
    const page = await site.page('?seed=7&width=256&height=256');
    // Escape right after Start: the run cannot have finished.
    await page.evaluate(() => {
      document.getElementById('start').click();
      document.dispatchEvent(new KeyboardEvent('keydown', { key: 'Escape' }));
    });
    assert.equal(await text(page, '#status'), 'Generierung abgebrochen');
    assert.equal(await disabled(page, '#start'), false);
    assert.equal(await visible(page, '#result'), false);
    assert.equal(await visible(page, '#progress'), false);
    const end = await runToEnd(page);
    assert.ok(end.finished, end.status);
    assert.ok(end.lines.includes('Startwert: 7'));
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
});

test('"Spezial" builds the land from the picture chosen, as the command line does', async () => {
  const site = await openSite(builds.site);
  const dir = mkdtempSync(join(tmpdir(), 'swdgen-picture-'));
  try {
    writeFileSync(join(dir, 'schmal.bmp'), picture(48, 64, 1));
    writeFileSync(join(dir, 'insel.bmp'), picture(64, 64, 1));
    const page = await site.page('?seed=3&width=64&height=64&extended=1&shape=spezial');
    const none = 'Für die Grundform \u201ESpezial\u201C ist kein Bild gewählt.';
    assert.equal(await text(page, '#picture-message'), none);
    await page.click('#start');
    assert.equal(await text(page, '#status'), none);
    assert.equal(await disabled(page, '#start'), false);

    const input = await page.$('#picture');
    const shown = async (file) => {
      const before = await text(page, '#picture-message');
      await input.uploadFile(join(dir, file));
      await page.waitForFunction((b) => document.getElementById('picture-message').textContent !== b,
        {}, before);
      return text(page, '#picture-message');
    };
    assert.match(await shown('schmal.bmp'), /^Das Bild \u201Eschmal\.bmp\u201C .*48.*64/);
    assert.equal(await shown('insel.bmp'), '');
    const end = await runToEnd(page);
    assert.ok(end.finished, end.status);
    const map = await site.download(() => page.click('#download-map'));
    await run(builds.binary, ['generate', '--seed', '3', '--width', '64', '--height', '64',
      '--shape', 'spezial', '--picture', 'insel.bmp', '--out', 'karte.swd', '--quiet'], { cwd: dir });
    assert.equal(sha(readFileSync(join(site.downloads, map))), sha(readFileSync(join(dir, 'karte.swd'))));
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
    rmSync(dir, { recursive: true, force: true });
  }
});

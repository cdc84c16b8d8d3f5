// The page in a real browser: a 64 x 64 Ödland map with seed 1 chosen on the form, made,
// downloaded under a chosen title and name and compared with the command line's, its
// fairness with `swdgen analyze`'s and its picture with `swdgen render`'s; the save checks;
// the address that remakes the map; the start objects; stopping a run. Leaves a screenshot
// of the finished page (SWDGEN_SCREENSHOT, else page.png in the web build folder).
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

// The pixels of two PNG files as Chromium decodes them: how many RGBA values differ, or
// the two sizes when they differ.
function pixelsDiffering(page, a, b) {
  return page.evaluate(async (...files) => {
    const decoded = await Promise.all(files.map(async (base64) => {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const image = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
      const canvas = new OffscreenCanvas(image.width, image.height);
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      return context.getImageData(0, 0, image.width, image.height);
    }));
    const [p, q] = decoded;
    if (p.width !== q.width || p.height !== q.height) {
      return `${p.width} x ${p.height} against ${q.width} x ${q.height}`;
    }
    let differing = 0;
    for (let i = 0; i < p.data.length; ++i) differing += p.data[i] !== q.data[i] ? 1 : 0;
    return differing;
  }, a.toString('base64'), b.toString('base64'));
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
    const png = await site.download(() => page.click('#download-render'));
    assert.deepEqual([map, bitmap, png], ['Fjorde.swd', 'Fjorde.bmp', 'Fjorde.png']);
    await run(builds.binary, ['generate', '--seed', '1', '--width', '64', '--height', '64',
      '--type', 'oedland', '--title', 'Östliche Fjorde', '--out', 'Fjorde.swd', '--quiet'],
    { cwd: cli });
    for (const file of [map, bitmap]) {
      assert.equal(sha(readFileSync(join(site.downloads, file))),
        sha(readFileSync(join(cli, file))), file);
    }
    // The fairness index as analyze gives it (there with four decimals, here with three).
    const analysis = JSON.parse((await run(builds.binary,
      ['analyze', '--json', join(cli, 'Fjorde.swd')])).stdout);
    const fairness = end.lines.find((l) => l.startsWith('Fairness der Starts: '));
    assert.match(fairness || '', /^Fairness der Starts: [01],\d{1,3} \(1 = ausgeglichen\)$/);
    assert.ok(Math.abs(Number(fairness.replace(/[^\d,]/g, '').replace(',', '.')) -
      analysis.fairness.index) <= 0.00055, fairness);

    // The picture as in the game: a PNG of render's default size for a 64-wide map, with
    // the pixels of `swdgen render`.
    const picture = readFileSync(join(site.downloads, png));
    assert.deepEqual([...picture.subarray(0, 8)], [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
    assert.deepEqual([picture.readUInt32BE(16), picture.readUInt32BE(20)], [1024, 512]);
    await run(builds.binary, ['render', 'Fjorde.swd', '-o', 'Fjorde.png'], { cwd: cli });
    assert.equal(await pixelsDiffering(page, picture, readFileSync(join(cli, 'Fjorde.png'))), 0);

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
    await page.click('#show-render');
    await page.screenshot({ path: screenshot, fullPage: true });

    // The address remakes the map.
    const address = await page.evaluate(() => location.search);
    assert.equal(address, '?seed=1&width=64&height=64&type=oedland&players=3');
    const again = await site.page(address);
    assert.deepEqual(await again.evaluate(() => [document.getElementById('width').value,
      document.getElementById('height').value, document.getElementById('type-1').checked,
      document.getElementById('seed').value]), ['64', '64', true, '1']);
    await again.close();

    // Ticked, the box is part of the address and the map gets the start objects, as with
    // --start-objects.
    await page.click('#start-objects');
    assert.equal(await page.evaluate(() => location.search), address + '&start-objects=1');
    assert.ok((await runToEnd(page)).finished);
    const marked = await site.download(() => page.click('#download-map'));
    await run(builds.binary, ['generate', '--seed', '1', '--width', '64', '--height', '64',
      '--type', 'oedland', '--start-objects', '--out', 'marked.swd', '--quiet'], { cwd: cli });
    assert.equal(sha(readFileSync(join(site.downloads, marked))),
      sha(readFileSync(join(cli, 'marked.swd'))));
    assert.notEqual(sha(readFileSync(join(cli, 'marked.swd'))),
      sha(readFileSync(join(cli, proposed + '.swd'))));
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

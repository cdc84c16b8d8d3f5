// The page in a real browser: a 64 x 64 Ödland map with seed 1 chosen on the form, made,
// downloaded under a chosen title and name and compared with the command line's, its
// fairness and harbour places with `swdgen analyze`'s and its picture with `swdgen
// render`'s; the save checks; the address that remakes the map; the map file's marks and
// fair starts; stopping a run (a search of best of N too); a result that goes with its
// settings; links with wrong values; map codes read, refused and shown, best of N against
// the command line's; names of the controls; the layout in a phone's and a laptop's window; the
// module warmed before the first run; the README linked. Leaves screenshots of the
// finished page (SWDGEN_SCREENSHOT, else page.png in the web build folder, and beside it
// page-390.png, page-1366.png and page-code.png).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openSite, runToEnd } from './browser.mjs';
import { builds, run } from './builds.mjs';
import { picture } from './picture.mjs';

const sha = (bytes) => createHash('sha256').update(bytes).digest('hex');
const screenshot = process.env.SWDGEN_SCREENSHOT || join(builds.web, 'page.png');

const kBadTitle = 'Der Landschaftsname enthält ein Zeichen, das das Spiel nicht darstellen kann.';
const kBadName = "Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' und '_' enthalten.";
const kDeviceName =
  'Der Dateiname ist unter Windows einem Gerät vorbehalten (wie CON, NUL, COM1 oder LPT1).';
const kBadSeed = 'Der Startwert muss eine ganze Zahl von 0 bis 4294967295 sein.';
const kSettingsChanged = 'Die Einstellungen sind geändert: \u201EStart !\u201C macht die Karte dazu.';

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
const checked = (page, selector) => page.$eval(selector, (e) => e.checked);
// Whether the element is drawn at all (no hidden ancestor).
const drawn = (page, selector) => page.$eval(selector, (e) => e.getClientRects().length > 0);
// Whether the element lies wholly inside the window as it is scrolled.
const inView = (page, selector) => page.$eval(selector, (e) => {
  const r = e.getBoundingClientRect();
  return r.width > 0 && r.top >= 0 && r.left >= 0 && r.bottom <= innerHeight &&
    r.right <= innerWidth;
});

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
    // The boxes of the map file are ticked at first, fair starts not, as on the command line.
    assert.deepEqual([await checked(page, '#start-objects'), await checked(page, '#harbours'),
      await checked(page, '#fair-starts')], [true, true, false]);

    // The proposal is the command line's file name; the map, titled and named by the user,
    // has the bytes of the command line's --title and --out.
    const made = await run(builds.binary, ['generate', '--seed', '1', '--width', '64',
      '--height', '64', '--type', 'oedland', '--quiet'], { cwd: cli });
    const code = made.stdout.match(/^code (\S+)$/m)[1];
    // The map code is the command line's, shown to be copied.
    assert.equal(await page.$eval('#code', (e) => e.value), code);
    await page.click('#code-copy');
    assert.equal(await text(page, '#code-copied'), 'Kopiert.');
    assert.equal(await page.evaluate(() => String(getSelection()) ||
      document.activeElement.value.slice(document.activeElement.selectionStart,
        document.activeElement.selectionEnd)), code);
    const proposed = await page.$eval('#name', (e) => e.value);
    assert.deepEqual(readdirSync(cli).sort(), [proposed + '.bmp', proposed + '.swd']);
    assert.equal(await page.$eval('#title', (e) => e.value), 'Phantasia-Zufall');
    await typeInto(page, '#title', 'Östliche Fjorde');
    await typeInto(page, '#name', 'Fjorde.swd');
    assert.equal(await visible(page, '#save-message'), false);
    // Each button names the file it downloads.
    assert.deepEqual(await page.$$eval('#downloads button', (b) => b.map((e) => e.textContent)),
      ['Karte (Fjorde.swd)', 'Vorschau (Fjorde.bmp)', 'Wie im Spiel (Fjorde.png)']);
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
    // The fairness index as analyze gives it (there with four decimals, here with three,
    // always three), and its count of the harbour places.
    const analysis = JSON.parse((await run(builds.binary,
      ['analyze', '--json', join(cli, 'Fjorde.swd')])).stdout);
    const fairness = end.lines.find((l) => l.startsWith('Fairness-Index: '));
    assert.match(fairness || '', /^Fairness-Index: [01],\d{3} \(1 = gleich gute Starts\)$/);
    assert.ok(Math.abs(Number(fairness.replace(/[^\d,]/g, '').replace(',', '.')) -
      analysis.fairness.index) <= 0.00055, fairness);
    assert.ok(end.lines.includes(`Hafenplätze: ${analysis.harbours.length}`), end.lines.join(' | '));

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
    // A name Windows keeps for a device cannot be copied into the game's folder there.
    await typeInto(page, '#name', 'con');
    assert.equal(await text(page, '#save-message'), kDeviceName);
    assert.equal(await disabled(page, '#download-map'), true);
    await typeInto(page, '#name', 'Fjorde');
    assert.equal(await visible(page, '#save-message'), false);
    assert.equal(await disabled(page, '#download-map'), false);
    await page.click('#show-render');
    await page.screenshot({ path: screenshot, fullPage: true });

    // The address remakes the map.
    const address = await page.evaluate(() => location.search);
    assert.equal(address,
      `?seed=1&width=64&height=64&type=oedland&players=3&start-objects=1&harbours=1&code=${code}`);
    const again = await site.page(address);
    assert.deepEqual(await again.evaluate(() => [document.getElementById('width').value,
      document.getElementById('height').value, document.getElementById('type-1').checked,
      document.getElementById('seed').value]), ['64', '64', true, '1']);
    await again.close();

    // Fair starts ticked, the two marks unticked: the address keeps them (an unticked box
    // too), the map is --fair-starts --no-start-objects --no-harbours, the command line says
    // so, and the index is shown before and after the fair placement.
    await page.click('#fair-starts');
    await page.click('#start-objects');
    await page.click('#harbours');
    const changed = '?seed=1&width=64&height=64&type=oedland&players=3' +
      '&start-objects=0&harbours=0&fair-starts=1';
    assert.equal((await page.evaluate(() => location.search)).replace(/&code=.*/, ''), changed);
    const fair = await runToEnd(page);
    assert.ok(fair.finished, fair.status);
    const plain = await site.download(() => page.click('#download-map'));
    const options = ['--no-start-objects', '--no-harbours', '--fair-starts'];
    const fairMade = await run(builds.binary, ['generate', '--seed', '1', '--width', '64',
      '--height', '64', '--type', 'oedland', ...options, '--out', 'plain.swd', '--quiet'], { cwd: cli });
    assert.equal(await page.evaluate(() => location.search),
      `${changed}&code=${fairMade.stdout.match(/^code (\S+)$/m)[1]}`);
    assert.equal(sha(readFileSync(join(site.downloads, plain))),
      sha(readFileSync(join(cli, 'plain.swd'))));
    assert.notEqual(sha(readFileSync(join(cli, 'plain.swd'))),
      sha(readFileSync(join(cli, proposed + '.swd'))));
    assert.ok((await text(page, '#command-line')).includes(' ' + options.join(' ') + ' '));
    assert.ok(fair.lines.some((l) => /^Fairness-Index: [01],\d{3} \u2192 [01],\d{3} \(/.test(l)),
      fair.lines.join(' | '));
    const kept = await site.page(changed);
    assert.deepEqual([await checked(kept, '#fair-starts'), await checked(kept, '#start-objects'),
      await checked(kept, '#harbours')], [true, false, false]);
    await kept.close();
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
    // "Start !", disabled during the run, has the keyboard again after it.
    assert.equal(await page.evaluate(() => document.activeElement.id), 'start');

    // Best of N: the status line names the candidate that runs, and Escape stops the search.
    await typeInto(page, '#best-of', '20');
    await page.click('#start');
    await page.waitForFunction(() => /^Kandidat \d+ von 20: /.test(
      document.getElementById('status').textContent));
    await page.keyboard.press('Escape');
    assert.equal(await text(page, '#status'), 'Generierung abgebrochen');
    assert.equal(await visible(page, '#result'), false);
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
    writeFileSync(join(dir, 'zwei.bmp'), picture(64, 64, 1, true));
    const page = await site.page('?seed=3&width=64&height=64&extended=1&shape=spezial' +
      '&start-objects=1&harbours=1');
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

    // Two players on two islands: the harbour places let them reach each other by ship;
    // without them the page says that neither can reach the other.
    // Another picture is another setting: the result goes.
    await input.uploadFile(join(dir, 'zwei.bmp'));
    await page.waitForFunction(() => document.getElementById('result').hidden);
    assert.equal(await text(page, '#picture-message'), '');
    await page.click('#players-1');
    const ships = await runToEnd(page);
    assert.ok(ships.lines.includes('Hafenplätze: 2'), ships.lines.join(' | '));
    assert.ok(!ships.lines.some((l) => l.includes('Gegner')), ships.lines.join(' | '));
    await page.click('#harbours');
    const apart = await runToEnd(page);
    assert.ok(apart.lines.includes('Hafenplätze: 0'), apart.lines.join(' | '));
    assert.ok(apart.lines.includes('Die Spieler 1, 2 können keinen Gegner erreichen.'),
      apart.lines.join(' | '));
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
    rmSync(dir, { recursive: true, force: true });
  }
});

test('a result goes from the page once the form no longer holds its settings', async () => {
  const site = await openSite(builds.site);
  try {
    const page = await site.page('?seed=5&width=64&height=64&start-objects=1&harbours=1');
    assert.ok((await runToEnd(page)).finished);
    // The title and file name belong to the result, not to the settings.
    await typeInto(page, '#name', 'Gruen');
    assert.equal(await text(page, '#download-map'), 'Karte (Gruen.swd)');
    // Another landscape type: the Grünland map and its downloads are gone.
    await page.click('#type-2');
    assert.equal(await visible(page, '#result'), false);
    assert.equal(await drawn(page, '#download-map'), false);
    assert.equal(await visible(page, '#views'), false);
    assert.equal(await text(page, '#status'), kSettingsChanged);
    // Back to Grünland is not the map either: it is made again.
    await page.click('#type-0');
    assert.equal(await visible(page, '#result'), false);
    assert.ok((await runToEnd(page)).finished);
    // So does another seed, even one that is not one yet.
    await typeInto(page, '#seed', '6x');
    assert.equal(await visible(page, '#result'), false);
    await typeInto(page, '#seed', '6');
    assert.ok((await runToEnd(page)).finished);
    // A run that is refused ("Spezial" without a picture) leaves nothing to download.
    await page.click('#extended');
    await page.click('#shape-5');
    await page.click('#start');
    assert.equal(await text(page, '#status'),
      'Für die Grundform \u201ESpezial\u201C ist kein Bild gewählt.');
    assert.equal(await visible(page, '#result'), false);
    assert.equal(await drawn(page, '#download-map'), false);
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
});

test('a link with wrong values says which, and what the page uses instead', async () => {
  const site = await openSite(builds.site);
  try {
    const page = await site.page('?seed=abc&width=33&height=64&players=99&type=xyz' +
      '&resources=100,100,0,0&start-objects=ja');
    assert.equal(await visible(page, '#link-problems'), true);
    const seed = await page.$eval('#seed', (e) => e.value);
    assert.match(seed, /^\d+$/);
    // The ranges, names and defaults are the table's (those of `swdgen generate --help`).
    assert.deepEqual(await page.$$eval('#link-problem-list li', (l) => l.map((e) => e.textContent)), [
      `\u201Eseed=abc\u201C: der Startwert ist eine ganze Zahl von 0 bis 4294967295; verwendet: der neu gezogene Startwert ${seed}.`,
      '\u201Ewidth=33\u201C: Kartenbreite: 32 bis 256 in Schritten von 16; verwendet: 128.',
      '\u201Etype=xyz\u201C: Landschaftstyp: gruenland, oedland oder winterland; verwendet: gruenland.',
      '\u201Eplayers=99\u201C: Spielerzahl: 1 bis 7; verwendet: 3.',
      '\u201Eresources=100,100,0,0\u201C: Kohle 0 bis 100, Gold 0 bis 100, Eisen 0 bis 100, Granit 0 bis 100, zusammen 100; verwendet: 54,15,26,5.',
      '\u201Estart-objects=ja\u201C: Startpositionen als Objekte eintragen: 1 (an) oder 0 (aus); verwendet: 0.',
    ]);
    // The form and the address hold what is used.
    assert.deepEqual(await page.evaluate(() => [document.getElementById('width').value,
      document.getElementById('height').value, document.getElementById('type-0').checked,
      document.getElementById('players-2').checked]), ['128', '64', true, true]);
    assert.match(await page.evaluate(() => location.search), new RegExp(
      `^\\?seed=${seed}&width=128&height=64&type=gruenland&players=3&start-objects=0&harbours=0&code=SWD1-[0-9A-Z]+$`));
    await page.click('#link-problems-close');
    assert.equal(await visible(page, '#link-problems'), false);
    // A sound link says nothing.
    const sound = await site.page('?seed=1&width=64&height=64&players=2&start-objects=0&harbours=1');
    assert.equal(await visible(sound, '#link-problems'), false);
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
});

// The code of the map `swdgen generate` makes with `args`, and the files it wrote there.
async function cliCode(dir, args) {
  const { stdout } = await run(builds.binary, ['generate', ...args, '--quiet'], { cwd: dir });
  return stdout.match(/^code (\S+)$/m)[1];
}

test('a map code fills the form, a bad one is refused in the core\'s words, best of N is the command line\'s', async () => {
  const site = await openSite(builds.site);
  const cli = mkdtempSync(join(tmpdir(), 'swdgen-cli-'));
  try {
    const code = await cliCode(cli, ['--seed', '77', '--width', '96', '--height', '64',
      '--type', 'winterland', '--players', '5', '--shape', 'ring', '--coast', '2',
      '--out', 'ring.swd']);
    const page = await site.page('?seed=1&width=64&height=64&start-objects=1&harbours=1');
    await typeInto(page, '#code-input', code.toLowerCase());
    await page.keyboard.press('Enter');
    assert.deepEqual(await page.evaluate(() => ['width', 'height', 'seed'].map((id) =>
      document.getElementById(id).value).concat(['type-2', 'players-4', 'extended', 'shape-3']
      .map((id) => document.getElementById(id).checked), document.getElementById('coast-level').value)),
    ['96', '64', '77', true, true, true, true, '2']);
    assert.equal(new URLSearchParams(await page.evaluate(() => location.search)).get('code'), code);
    const end = await runToEnd(page);
    assert.ok(end.finished, end.status);
    assert.equal(await page.$eval('#code', (e) => e.value), code);
    const map = await site.download(() => page.click('#download-map'));
    assert.equal(sha(readFileSync(join(site.downloads, map))), sha(readFileSync(join(cli, 'ring.swd'))));

    // One character wrong, a newer version: the field says what the command line says, and
    // the form and the result stay as they were.
    for (const bad of [code.slice(0, -1) + (code.endsWith('A') ? 'B' : 'A'), code.replace('SWD1', 'SWD7')]) {
      const refused = await run(builds.binary, ['generate', '--lang', 'de', '--code', bad], { cwd: cli })
        .then(() => '', (error) => error.stderr);
      await typeInto(page, '#code-input', bad);
      await page.click('#code-read');
      assert.equal(`swdgen: --code: ${await text(page, '#code-message')}\n`, refused);
      assert.equal(await page.$eval('#seed', (e) => e.value), '77');
      assert.equal(await visible(page, '#result'), true);
    }

    // A code of the picture shape needs its picture, and refuses another.
    writeFileSync(join(cli, 'eins.bmp'), picture(64, 64, 1));
    writeFileSync(join(cli, 'zwei.bmp'), picture(64, 64, 2));
    const pictureCode = await cliCode(cli, ['--seed', '3', '--width', '64', '--height', '64',
      '--shape', 'spezial', '--picture', 'eins.bmp']);
    await typeInto(page, '#code-input', pictureCode);
    await page.click('#code-read');
    assert.equal(await visible(page, '#code-message'), false);
    assert.match(await text(page, '#picture-message'), /^Der Kartencode ist für die Grundform .Spezial./);
    const input = await page.$('#picture');
    await input.uploadFile(join(cli, 'zwei.bmp'));
    await page.waitForFunction(() => /zwei/.test(document.getElementById('picture-message').textContent));
    const other = await text(page, '#picture-message');
    assert.match(other, /^Das Bild .zwei\.bmp. ist nicht das Bild des Kartencodes/);
    await page.click('#start');
    assert.equal(await text(page, '#status'), other);
    await input.uploadFile(join(cli, 'eins.bmp'));
    await page.waitForFunction(() => document.getElementById('picture-message').hidden);
    assert.ok((await runToEnd(page)).finished);
    assert.equal(await page.$eval('#code', (e) => e.value), pictureCode);

    // Best of 3: the command line's choice, its bytes and its code; the form then holds the
    // seed chosen, and the command line shown is the search's.
    const best = await site.page('?seed=10&width=64&height=64&start-objects=1&harbours=1&best-of=3');
    assert.equal(await best.$eval('#best-of', (e) => e.value), '3');
    const chosen = await runToEnd(best);
    assert.ok(chosen.finished, chosen.status);
    const { stdout } = await run(builds.binary, ['generate', '--seed', '10', '--width', '64',
      '--height', '64', '--best-of', '3', '--out', 'beste.swd', '--quiet'], { cwd: cli });
    const seed = stdout.match(/^chosen seed (\d+)$/m)[1];
    // (A later seed than the first is the fairest here: the choice is seen.)
    assert.notEqual(seed, '10');
    assert.ok(chosen.lines.includes(`Startwert: ${seed} (der fairste von 3 ab 10)`), chosen.lines.join(' | '));
    assert.equal(await best.$eval('#code', (e) => e.value), stdout.match(/^code (\S+)$/m)[1]);
    assert.equal(await best.$eval('#seed', (e) => e.value), seed);
    assert.match(await text(best, '#command-line'), / --best-of 3 /);
    const bestMap = await site.download(() => best.click('#download-map'));
    assert.equal(sha(readFileSync(join(site.downloads, bestMap))), sha(readFileSync(join(cli, 'beste.swd'))));
    await best.screenshot({ path: screenshot.replace(/\.png$/, '-code.png'), fullPage: true });
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
    rmSync(cli, { recursive: true, force: true });
  }
});

// The controls of the page, as a screen reader finds them, that have no name.
async function unnamedControls(page) {
  const kControls = ['button', 'checkbox', 'combobox', 'radio', 'slider', 'spinbutton',
    'textbox', 'searchbox', 'listbox', 'link', 'progressbar'];
  const found = { unnamed: [], sliders: 0 };
  const walk = (node) => {
    if (kControls.includes(node.role)) {
      if (!(node.name || '').trim()) found.unnamed.push(`${node.role} ${node.value ?? ''}`);
      if (node.role === 'slider') found.sliders += 1;
    }
    for (const child of node.children || []) walk(child);
  };
  walk(await page.accessibility.snapshot({ interestingOnly: false }));
  return found;
}

test('every control has a name', async () => {
  const site = await openSite(builds.site);
  try {
    // All the extended settings, with the picture's chooser, before a run ...
    const form = await site.page('?extended=1&shape=spezial&width=64&height=64');
    const before = await unnamedControls(form);
    assert.deepEqual(before.unnamed, []);
    // (the 25 sliders of the proportions, the 4 shares, 4 granite, trees, 6 animals)
    assert.ok(before.sliders >= 40, String(before.sliders));
    // ... and the result's controls after one.
    const page = await site.page('?seed=2&width=64&height=64&extended=1');
    assert.ok((await runToEnd(page)).finished);
    assert.deepEqual((await unnamedControls(page)).unnamed, []);
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
});

// The preview's zoom: the canvas drawn at a whole number of screen pixels per pixel.
function zoom(page) {
  return page.$eval('#preview', (c) => {
    const r = c.getBoundingClientRect();
    // Less the 1-pixel border on each side.
    return [(r.width - 2) / c.width, (r.height - 2) / c.height];
  });
}

test('the page fits a phone and a laptop, and shows the result after a run', async () => {
  const site = await openSite(builds.site);
  try {
    // A phone: "Start !" in view at once, nothing wider than the window, the proportions
    // inside their box; after a run the result and its downloads in view.
    const phone = await site.page('?seed=4&width=128&height=128&extended=1&type=oedland',
      { width: 390, height: 844, isMobile: true, hasTouch: true });
    assert.equal(await inView(phone, '#start'), true);
    assert.equal(await phone.evaluate(() => document.documentElement.scrollWidth), 390);
    assert.deepEqual(await phone.$eval('#proportions', (table) => {
      const box = table.closest('fieldset').getBoundingClientRect();
      return [...table.querySelectorAll('input, th')].filter((e) => {
        const r = e.getBoundingClientRect();
        return r.width > 0 && (r.left < box.left || r.right > box.right);
      }).map((e) => e.id || e.textContent);
    }), []);
    const [across] = await zoom(phone);
    assert.ok(Number.isInteger(across) && across >= 2, String(across));
    assert.ok((await runToEnd(phone)).finished);
    for (const selector of ['#result-lines', '#downloads']) {
      assert.equal(await inView(phone, selector), true, selector);
    }
    await phone.screenshot({ path: screenshot.replace(/\.png$/, '-390.png') });

    // A laptop: a 256 map drawn at twice its size, and after the run the map, the result
    // and the downloads all in view.
    const laptop = await site.page('?seed=4&width=256&height=256', { width: 1366, height: 768 });
    assert.deepEqual(await zoom(laptop), [2, 2]);
    assert.ok((await runToEnd(laptop)).finished);
    assert.deepEqual(await zoom(laptop), [2, 2]);
    // The map alone, without the bitmap's border of background below and to the right.
    assert.deepEqual(await laptop.$eval('#preview', (c) => [c.width, c.height]), [256, 256]);
    for (const selector of ['#preview', '#result-lines', '#downloads']) {
      assert.equal(await inView(laptop, selector), true, selector);
    }
    assert.equal(await laptop.evaluate(() => document.documentElement.scrollWidth), 1366);
    await laptop.screenshot({ path: screenshot.replace(/\.png$/, '-1366.png') });
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
});

// Keeps what the page's workers send it: the kind of each message, the module's memory
// where it is told, and the run's time.
function recordWorkers() {
  const Original = window.Worker;
  window.workerMessages = [];
  window.Worker = class extends Original {
    constructor(...args) {
      super(...args);
      this.addEventListener('message', (event) => {
        const m = event.data;
        window.workerMessages.push({ kind: m.kind, memory: m.memory, prepared: m.prepared,
          milliseconds: m.result && m.result.milliseconds,
          mapBytes: m.result && m.result.map.length });
      });
    }
  };
}

test('the module is ready for the largest map before the first run', async (t) => {
  const site = await openSite(builds.site);
  try {
    const page = await site.page('?seed=8&width=256&height=256', undefined, recordWorkers);
    await page.waitForSelector('body[data-warm="true"]', { timeout: 60000 });
    const times = [];
    for (let i = 0; i < 3; ++i) {
      const started = Date.now();
      assert.ok((await runToEnd(page)).finished);
      times.push(Date.now() - started);
    }
    const messages = await page.evaluate(() => window.workerMessages);
    const kinds = messages.map((m) => m.kind).filter((k) => k === 'ready' || k === 'done');
    assert.deepEqual(kinds, ['ready', 'done', 'done', 'done']);
    // Before the first run the worker has made a map of the largest size (its functions
    // compiled and optimised), and that run needs no more memory than the module has then.
    const ready = messages.find((m) => m.kind === 'ready');
    const done = messages.filter((m) => m.kind === 'done');
    assert.deepEqual(ready.prepared, { width: 256, height: 256, mapBytes: done[0].mapBytes });
    assert.deepEqual(done.map((m) => m.memory), [ready.memory, ready.memory, ready.memory]);
    t.diagnostic(`256 x 256 runs after the warm-up, in the worker: ${
      done.map((m) => Math.round(m.milliseconds)).join(', ')} ms; Start to result: ${
      times.join(', ')} ms`);
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
});

test('the seed is checked once, the index has three decimals, and the README is linked', async () => {
  const site = await openSite(builds.site);
  try {
    const page = await site.page('?seed=12&width=64&height=64&start-objects=1&harbours=1');
    // A seed past the largest leaves no other seed in the address.
    await typeInto(page, '#seed', '4294967296');
    assert.equal(await page.evaluate(() => new URLSearchParams(location.search).get('seed')), null);
    assert.equal(await text(page, '#seed-message'), kBadSeed);
    // Start says it once, in the field's own message.
    await page.click('#start');
    assert.equal(await page.evaluate((m) => document.body.innerText.split(m).length - 1, kBadSeed), 1);
    assert.equal(await disabled(page, '#start'), false);
    await typeInto(page, '#seed', '53');
    assert.equal(await page.evaluate(() => new URLSearchParams(location.search).get('seed')), '53');
    assert.equal(await visible(page, '#seed-message'), false);

    // The hint during the run names the README: a link to it, a page of the site.
    await page.evaluate(() => {
      window.hintLinks = [];
      new MutationObserver(() => {
        for (const a of document.querySelectorAll('#hint a')) window.hintLinks.push(a.href);
      }).observe(document.getElementById('hint'), { childList: true, subtree: true });
    });
    const end = await runToEnd(page);
    assert.ok(end.finished);
    // The fairness index with three decimals, as the README says, a last 0 too (analyze:
    // 0.8601).
    assert.ok(end.lines.includes('Fairness-Index: 0,860 (1 = gleich gute Starts)'),
      end.lines.join(' | '));
    const links = await page.evaluate(() => window.hintLinks);
    assert.ok(links.length > 0);
    const header = await page.$eval('header a', (a) => a.href);
    for (const link of [links[0], header]) {
      assert.equal(link, site.url + 'readme.html');
      const readme = await page.evaluate(async (url) => (await fetch(url)).text(), link);
      assert.match(readme, /## Web page/);
    }
    assert.deepEqual(site.errors, []);
  } finally {
    await site.close();
  }
});

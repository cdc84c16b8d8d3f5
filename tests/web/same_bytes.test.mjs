// The web page's module makes the same files as the command line: for settings over every
// base shape, landscape type and size class, the map and bitmap that the module makes
// through the page's own settings table (settings.js) and session (session.js), titled as
// the page titles a download, have the SHA-256 of those `swdgen generate` writes with the
// command line the page shows for them, with the map file's marks (start objects, harbour
// places) and fair starts on and off; and the fairness index, the harbour places and the
// starts cut off that the page shows are those `swdgen analyze` finds on that map.
//
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { builds } from './builds.mjs';
import { S, Session, module, run, sha } from './page_module.mjs';
import { picture } from './picture.mjs';

const { binary } = builds;

// The page's settings, made from the module's table as the page makes them.

// One case: the settings that differ from the defaults, a seed and a title.
function settings(changes) {
  return Object.assign(S.defaults(), changes);
}

// The index of a choice of a row by its key.
const choice = (id, key) => S.row(id).choices.findIndex((c) => c.key === key);
// The values a row allows.
const valuesOf = (row) => {
  const values = [];
  for (let v = row.lo; v <= row.hi; v += row.step) values.push(v);
  return values;
};
// The levels of one group of the proportions page, by terrain class (the old page's arrays).
const perClass = (key, levels) => Object.fromEntries(S.rowsOf(key).map((r) => [S.idOf(r), levels[Number(r.member)]]));
// The members of a list key in the table's order.
const listOf = (key, values) => Object.fromEntries(S.rowsOf(key).map((r, i) => [S.idOf(r), values[i]]));

// The cases whose "Spezial" picture parts the land into two islands.
const straits = new WeakSet();
function strait(state) {
  straits.add(state);
  return state;
}

const kTitles = ['Phantasia-Zufall', 'Östliche Fjorde', 'A', 'Grün & Weiß', 'ABCDEFGHIJKLMNOP'];
const kShapes = S.row('shape').choices.map((c, i) => i);
const spezial = S.table.picture_shape;

// Every shape with every type; between them the fifteen map sizes, square and not.
const cases = [];
const sides = valuesOf(S.row('width'));
let n = 0;
for (const shape of kShapes) {
  for (let type = 0; type < 3; ++type, ++n) {
    cases.push(settings({
      seed: 1000 + 7919 * n, type, extended: 1, shape,
      width: sides[n % sides.length], height: sides[(n * 4 + 3) % sides.length],
      players: 1 + (n % 7), coast: n % 11,
    }));
  }
}
// The plain settings of the first pages, and what the detail dialogs can change.
cases.push(
  settings({ seed: 1, width: 64, height: 64, type: 1 }),
  settings({ seed: 0, width: 32, height: 32 }),
  settings({ seed: 4294967295, width: 256, height: 256, type: 2, players: 7 }),
  settings({ seed: 17, width: 128, height: 80, island: 0 }),
  settings({ seed: 18, width: 96, height: 160, island: 0, type: 1, extended: 1 }),
  settings({ seed: 19, width: 240, height: 48, island: 0, type: 2, players: 1 }),
  settings({
    seed: 20, width: 176, height: 176, extended: 1, area_variant: 1,
    ...perClass('amount', [10, 0, 10, 0, 10, 0, 10, 0, 5, 10]),
    ...perClass('size', [0, 10, 0, 10, 0, 10, 0, 10, 5, 0]),
  }),
  settings({
    seed: 21, width: 208, height: 144, type: 1, extended: 1, shape: choice('shape', 'ring'),
    ...perClass('decoration', [0, 10, 0, 10, 0, 10, 0, 10, 5, 10]),
  }),
  settings({
    seed: 22, width: 112, height: 224, type: 2, extended: 1, shape: choice('shape', 'insel-sym'),
    ...listOf('resources', [100, 0, 0, 0]), tree_groups: 15,
  }),
  settings({
    seed: 23, width: 192, height: 192, extended: 1, shape: choice('shape', 'spirale'),
    ...listOf('resources', [10, 40, 20, 30]), ...listOf('granite', [10, 10, 15, 10]),
  }),
  settings({
    seed: 24, width: 160, height: 96, type: 1, extended: 1, shape: choice('shape', 'spirale-ring'),
    ...listOf('granite', [0, 0, 0, 0]), tree_groups: 0, ...listOf('animals', [20, 0, 20, 0, 20, 0]),
  }),
  settings({ seed: 25, width: 256, height: 128, extended: 1, shape: choice('shape', 'insel-sym'),
    ...listOf('animals', [20, 20, 20, 20, 20, 20]) }),
  settings({ seed: 26, width: 144, height: 256, type: 2, extended: 1, shape: spezial, coast: 0 }),
  settings({ seed: 27, width: 80, height: 112, type: 1, extended: 1, shape: spezial, coast: 10 }),
  settings({ seed: 28, width: 96, height: 96, type: 2, players: 5, start_objects: 0 }),
  // The marks of the map file and fair starts, alone and together, where the sea parts the
  // players (the spiral and the ring) and where it does not.
  settings({ seed: 29, width: 128, height: 128, extended: 1, shape: choice('shape', 'spirale'), players: 4, harbours: 0 }),
  settings({ seed: 30, width: 128, height: 128, extended: 1, shape: choice('shape', 'spirale'), players: 4 }),
  settings({ seed: 31, width: 160, height: 160, players: 6, fair_starts: 1 }),
  settings({
    seed: 32, width: 144, height: 112, type: 1, extended: 1, shape: choice('shape', 'ring'), players: 5,
    fair_starts: 1, start_objects: 0,
  }),
  settings({
    seed: 33, width: 96, height: 128, type: 2, extended: 1, shape: choice('shape', 'spirale-ring'), players: 3,
    fair_starts: 1, harbours: 0, start_objects: 0,
  }),
  settings({ seed: 34, width: 64, height: 64, players: 2, island: 0, fair_starts: 1, harbours: 0 }),
  // Two islands: with harbour places the starts reach each other by ship, without they
  // are cut off.
  strait(settings({ seed: 35, width: 96, height: 64, extended: 1, shape: spezial, players: 2 })),
  strait(settings({
    seed: 36, width: 96, height: 64, extended: 1, shape: spezial, players: 2, harbours: 0,
  })),
);

// The files, the proposed file name and the players of one run of the module.
function moduleRun(state, title, pictureFile) {
  const session = new Session(module);
  try {
    S.apply(session, state);
    if (pictureFile) session.setPicture(pictureFile.name, pictureFile.bytes);
    const problem = session.check() || session.run(state.seed);
    assert.equal(problem, '');
    const r = session.result();
    const titled = session.titledMap(r.map, title);
    assert.equal(titled.problem, undefined);
    return {
      map: titled.bytes, bitmap: r.bitmap, name: r.proposedName, placed: r.playersPlaced,
      fairness: session.fairness(), fairnessBefore: session.fairnessBefore(),
      harbours: session.harbourPlaces(), cutOff: session.cutOffNote(),
    };
  } finally {
    session.destroy();
  }
}

test(`the module makes the command line's bytes (${cases.length} cases)`, async () => {
  assert.ok(cases.length >= 30);
  const covered = { shapes: new Set(), types: new Set(), sides: new Set(), harbours: 0, cutOff: 0 };
  for (const [i, state] of cases.entries()) {
    const e = S.effective(state);
    covered.shapes.add(e.shape);
    covered.types.add(e.type);
    covered.sides.add(e.width).add(e.height);
    const title = kTitles[i % kTitles.length];
    const dir = mkdtempSync(join(tmpdir(), 'swdgen-web-'));
    try {
      let pictureFile = null;
      if (S.isPicture(e)) {
        pictureFile = { name: `bild${i}.bmp`, bytes: picture(e.width, e.height, i, straits.has(state)) };
        writeFileSync(join(dir, pictureFile.name), pictureFile.bytes);
      }
      const args = S.toCommandLine(state, { title, picture: pictureFile && pictureFile.name });
      // The command line runs beside the module, which holds this thread.
      const native = run(binary, [...args, '--quiet'], { cwd: dir });
      const web = moduleRun(state, title, pictureFile);
      const { stdout } = await native;
      const files = readdirSync(dir);
      const label = `case ${i}: swdgen ${args.join(' ')}`;
      assert.deepEqual(files.filter((f) => f.endsWith('.swd')), [web.name + '.swd'], label);
      assert.equal(sha(web.map), sha(readFileSync(join(dir, web.name + '.swd'))), label);
      assert.equal(sha(web.bitmap), sha(readFileSync(join(dir, web.name + '.bmp'))), label);
      assert.match(stdout, new RegExp(`^players ${web.placed} of ${e.players}$`, 'm'), label);
      const analysis = JSON.parse((await run(binary,
        ['analyze', '--json', join(dir, web.name + '.swd')])).stdout);
      // analyze writes the index with four decimals.
      if (analysis.fairness === null) assert.equal(web.fairness, null, label);
      else assert.ok(Math.abs(web.fairness - analysis.fairness.index) <= 0.00005, label);
      assert.equal(web.harbours, `Hafenplätze: ${analysis.harbours.length}`, label);
      assert.equal(web.cutOff, cutOffNote(analysis.starts), label);
      covered.harbours += analysis.harbours.length > 0 ? 1 : 0;
      covered.cutOff += web.cutOff ? 1 : 0;
      // The placement before the fair one, only with fair starts and two starts or more.
      if (e.fair_starts && web.placed >= 2) {
        assert.ok(web.fairnessBefore >= 0 && web.fairnessBefore <= 1, label);
      } else {
        assert.equal(web.fairnessBefore, null, label);
      }
    } finally {
      rmSync(dir, { recursive: true, force: true });
    }
  }
  assert.equal(covered.shapes.size, kShapes.length);
  assert.equal(covered.types.size, S.row('type').choices.length);
  assert.equal(covered.sides.size, sides.length);
  for (const key of ['start_objects', 'harbours', 'fair_starts']) {
    assert.ok(cases.some((c) => c[key]) && cases.some((c) => !c[key]), key);
  }
  assert.ok(covered.harbours > 0 && covered.cutOff > 0, JSON.stringify(covered));
});

// The note the page shows for starts that reach no rival, from analyze's report of them.
function cutOffNote(starts) {
  const cut = starts.filter((s) => s.reach === 'none').map((s) => s.player);
  if (cut.length === 0) return '';
  return cut.length === 1 ? `Spieler ${cut[0]} kann keinen Gegner erreichen.`
    : `Die Spieler ${cut.join(', ')} können keinen Gegner erreichen.`;
}

test('the address keeps every setting a run uses, and old addresses what they meant', () => {
  for (const state of cases) {
    const problems = [];
    const back = S.fromQuery(S.toQuery(state), problems);
    assert.deepEqual(S.effective(back), S.effective(state), S.toQuery(state));
    assert.deepEqual(problems, [], S.toQuery(state));
  }
  // The page's addresses from before the harbour places named the start objects only when
  // they were ticked, and their maps had no harbour places: the map they made is made again.
  const old = '?seed=1&width=64&height=64&type=oedland&players=3';
  for (const [address, startObjects] of [[old, false], [old + '&start-objects=1', true]]) {
    const s = S.fromQuery(address);
    assert.deepEqual([s.start_objects, s.harbours, s.fair_starts], [startObjects ? 1 : 0, 0, 0], address);
    assert.ok(S.toCommandLine(s).includes('--no-harbours'), address);
  }
  // The page's first addresses wrote a class and its level "0:3", and "no-island".
  const first = S.fromQuery('?seed=2&width=64&height=64&no-island=1&extended=1&amount=0:3,2:7');
  assert.deepEqual([first.island, first['amount.0'], first['amount.2'], first['amount.1']],
    [0, 3, 7, S.row('amount.1').initial]);
  // An address without a seed (typed by hand) has the defaults: both marks.
  const bare = S.fromQuery('?width=64&height=64');
  assert.deepEqual([bare.start_objects, bare.harbours, bare.fair_starts], [1, 1, 0]);
});

test('a picture is refused with the command line\'s words', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'swdgen-web-'));
  try {
    const state = settings({ seed: 5, width: 64, height: 64, extended: 1, shape: spezial });
    const refused = [
      { name: 'klein.bmp', bytes: picture(48, 64, 1) },
      { name: 'kaputt.bmp', bytes: picture(64, 64, 2).subarray(0, 900) },
      { name: 'text.bmp', bytes: new TextEncoder().encode('kein Bild') },
    ];
    for (const file of refused) {
      writeFileSync(join(dir, file.name), file.bytes);
      const session = new Session(module);
      S.apply(session, state);
      const problem = session.setPicture(file.name, file.bytes);
      assert.equal(session.check(), problem);
      session.destroy();
      assert.notEqual(problem, '');
      const args = S.toCommandLine(state, { picture: file.name });
      await assert.rejects(run(binary, [...args, '--lang', 'de'], { cwd: dir }), (error) => {
        assert.equal(error.code, 2);
        assert.equal(error.stderr, `swdgen: --picture: ${problem}\n`);
        return true;
      });
    }
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test('the save checks speak as the save dialog', () => {
  const session = new Session(module);
  try {
    assert.equal(session.checkTitle('Phantasia-Zufall'), '');
    assert.equal(session.checkTitle(''), 'Bitte einen Landschaftsnamen eingeben.');
    assert.equal(session.checkTitle('Preis: 5 €'),
      'Der Landschaftsname enthält ein Zeichen, das das Spiel nicht darstellen kann.');
    assert.equal(session.checkName('Karte007'), '');
    assert.equal(session.checkName('Karte/07'),
      "Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' und '_' enthalten.");
    assert.equal(session.checkName('con'),
      'Der Dateiname ist unter Windows einem Gerät vorbehalten (wie CON, NUL, COM1 oder LPT1).');
    // A title the game cannot show leaves the map as it was.
    assert.equal(session.titledMap(new Uint8Array(10), 'Preis: 5 €').problem,
      'Der Landschaftsname enthält ein Zeichen, das das Spiel nicht darstellen kann.');
    assert.match(session.titledMap(new Uint8Array(10), 'Gut').problem, /zu kurz/);
  } finally {
    session.destroy();
  }
});

// Map codes and best of N in the web module, against the command line: over codes that
// vary every row of the table of settings (each row at a value other than its default, and
// random combinations of all of them), the page's command line prints the code the module
// makes for the form, and `swdgen generate --code CODE` writes the bytes the module makes
// from that code read back into the form; a code that cannot be read is refused with the
// command line's words; best of N chooses the command line's seed.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { builds } from './builds.mjs';
import { S, Session, helper, module, run, sha } from './page_module.mjs';
import { picture } from './picture.mjs';

const { binary } = builds;

const spezial = S.table.picture_shape;

// A small map, so that the many cases run quickly; the rows of the size vary it themselves.
const small = { width: 64, height: 48 };

// A pseudo-random sequence, the same on every run of the test.
function random(seed) {
  let x = seed;
  return (n) => {
    x = (Math.imul(x, 1103515245) + 12345) >>> 0;
    return (x >>> 8) % n;
  };
}

function valuesOf(row) {
  const values = [];
  for (let v = row.lo; v <= row.hi; v += row.step) values.push(v);
  return values;
}

// The shares of the resources, random but adding up to the whole.
function shares(draw) {
  const members = S.rowsOf('resources');
  const whole = members[0].hi;
  const cuts = members.slice(1).map(() => draw(whole + 1)).sort((a, b) => a - b);
  const bounds = [0, ...cuts, whole];
  return Object.fromEntries(members.map((r, i) => [S.idOf(r), bounds[i + 1] - bounds[i]]));
}

// Each row at a value other than its default (a row of the extended pages with them
// ticked, the shape with "Insel"), and random combinations of every row.
const cases = [];
for (const row of S.rows) {
  const id = S.idOf(row);
  const state = Object.assign(S.defaults(), small, { seed: 7000 + cases.length });
  if (row.extended_page) state.extended = 1;
  if (row.key === 'resources') {
    // One share up, the next down by as much.
    const members = S.rowsOf('resources');
    const next = members[(members.indexOf(row) + 1) % members.length];
    const moved = Math.min(row.hi - row.initial, next.initial);
    state[id] += moved;
    state[S.idOf(next)] -= moved;
  } else {
    const other = valuesOf(row).filter((v) => v !== row.initial);
    state[id] = other[cases.length % other.length];
  }
  cases.push(state);
}
const draw = random(20261210);
for (let i = 0; i < 12; ++i) {
  const state = Object.assign(S.defaults(), { seed: draw(4294967295) });
  for (const row of S.rows) {
    const values = valuesOf(row);
    state[S.idOf(row)] = values[draw(values.length)];
  }
  Object.assign(state, shares(draw), { extended: 1, island: 1 });
  // Big maps are slow; half the random cases keep their size.
  if (i % 2 === 0) Object.assign(state, small);
  cases.push(state);
}

test(`a map code makes the same bytes on the command line and in the module (${cases.length} codes)`, async () => {
  assert.ok(cases.length >= 30);
  const varied = new Set();
  const dir = mkdtempSync(join(tmpdir(), 'swdgen-code-'));
  try {
    for (const [i, state] of cases.entries()) {
      const e = S.effective(state);
      for (const row of S.rows) {
        if (e[S.idOf(row)] !== row.initial) varied.add(S.idOf(row));
      }
      const session = new Session(module);
      try {
        let pictureArgs = [];
        if (S.isPicture(e)) {
          const name = `bild${i}.bmp`;
          const bytes = picture(e.width, e.height, i);
          writeFileSync(join(dir, name), bytes);
          session.setPicture(name, bytes);
          helper.setPicture(name, bytes);
          pictureArgs = ['--picture', name];
        }
        // The code of the form, which the page's command line prints too.
        S.apply(session, state);
        const code = session.code(state.seed);
        assert.match(code, /^SWD1-[0-9A-Z]+$/);
        const args = S.toCommandLine(state, { picture: pictureArgs[1], name: `form${i}` });
        const printed = run(binary, [...args, '--quiet'], { cwd: dir });

        // The code read back into a fresh form, as the "Kartencode" field reads it, run.
        const read = S.fromCode(code);
        assert.equal(read.problem, undefined, code);
        assert.deepEqual(S.effective(read.state), Object.assign(e, { codePicture: read.state.codePicture }),
          code);
        S.apply(session, read.state);
        if (S.isPicture(e)) assert.equal(session.checkCodePicture(read.state.codePicture), '', code);
        assert.equal(session.check() || session.run(read.state.seed), '', code);
        const web = session.result();
        assert.equal(web.code, code);
        assert.equal(web.seed, state.seed);

        const native = await run(binary, ['generate', '--code', code, ...pictureArgs,
          '--out', `code${i}.swd`, '--quiet'], { cwd: dir });
        const label = `case ${i}: ${code} (swdgen ${args.join(' ')})`;
        assert.match(native.stdout, new RegExp(`^code ${code}$`, 'm'), label);
        assert.match((await printed).stdout, new RegExp(`^code ${code}$`, 'm'), label);
        assert.equal(sha(web.map), sha(readFileSync(join(dir, `code${i}.swd`))), label);
        assert.equal(sha(web.bitmap), sha(readFileSync(join(dir, `code${i}.bmp`))), label);
      } finally {
        session.destroy();
      }
    }
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
  // Every row of the table took a value other than its default in some code.
  assert.deepEqual(S.rows.map(S.idOf).filter((id) => !varied.has(id)), []);
});

test('a code that cannot be read is refused with the command line\'s words', async () => {
  const session = new Session(module);
  try {
    S.apply(session, Object.assign(S.defaults(), small));
    const good = session.code(123);
    // A character changed, a newer version, and shares that miss their sum (each in its
    // range, as only a made-up code holds them).
    const last = good[good.length - 1];
    const typo = good.slice(0, -1) + (last === 'A' ? 'B' : 'A');
    const newer = good.replace('SWD1-', 'SWD2-');
    S.apply(session, Object.assign(S.defaults(), small, { extended: 1 }));
    for (const r of S.rowsOf('resources')) session.set(r.key, r.member, r.hi);
    const bad = session.code(123);
    const dir = mkdtempSync(join(tmpdir(), 'swdgen-code-'));
    try {
      for (const [code, words] of [[typo, /Prüfsumme/], [newer, /Version 2/], [bad, /außerhalb ihres Bereichs/]]) {
        const before = S.copy(Object.assign(S.defaults(), { seed: 9 }));
        const read = S.fromCode(code, before);
        assert.match(read.problem || '', words, code);
        await assert.rejects(run(binary, ['generate', '--lang', 'de', '--code', code], { cwd: dir }), (error) => {
          assert.equal(error.stderr, `swdgen: --code: ${read.problem}\n`);
          return true;
        });
        // In an address: named, with what is used instead.
        const problems = [];
        const used = S.fromQuery(`?seed=9&width=64&height=64&code=${code}`, problems);
        assert.deepEqual(problems,
          [`\u201Ecode=${code}\u201C: ${read.problem} Verwendet: die übrigen Angaben des Links.`]);
        assert.deepEqual([used.seed, used.width], [9, 64]);
      }
    } finally {
      rmSync(dir, { recursive: true, force: true });
    }
    // A value beside a sound code that says otherwise is named; the code's settings are used.
    const problems = [];
    const used = S.fromQuery(`?seed=4&width=96&players=3&code=${good}`, problems);
    assert.deepEqual(problems, [
      '\u201Ewidth=96\u201C: der Kartencode sagt etwas anderes; verwendet: 64.',
      '\u201Eseed=4\u201C: der Kartencode sagt etwas anderes; verwendet: 123.',
    ]);
    assert.deepEqual([used.seed, used.width, used.height], [123, 64, 48]);
    // A code with the picture shape asks for its picture, and refuses another.
    const state = Object.assign(S.defaults(), small, { extended: 1, shape: spezial });
    S.apply(session, state);
    session.setPicture('eins.bmp', picture(small.width, small.height, 1));
    const withPicture = session.code(5);
    const read = S.fromCode(withPicture);
    assert.notEqual(read.state.codePicture, null);
    const other = new Session(module);
    S.apply(other, read.state);
    assert.match(other.checkCodePicture(read.state.codePicture), /Bild/);
    other.setPicture('zwei.bmp', picture(small.width, small.height, 2));
    assert.match(other.checkCodePicture(read.state.codePicture), /zwei\.bmp.*nicht das Bild/);
    other.setPicture('eins.bmp', picture(small.width, small.height, 1));
    assert.equal(other.checkCodePicture(read.state.codePicture), '');
    other.destroy();
  } finally {
    session.destroy();
  }
});

test('best of N chooses the command line\'s seed and makes its bytes', async () => {
  const state = Object.assign(S.defaults(), { width: 64, height: 64, seed: 10, bestOf: 3 });
  const dir = mkdtempSync(join(tmpdir(), 'swdgen-best-'));
  const session = new Session(module);
  try {
    const args = S.toCommandLine(state, { name: 'beste' });
    assert.deepEqual(args.slice(-4), ['--best-of', '3', '--out', 'beste.swd']);
    const native = await run(binary, [...args, '--quiet'], { cwd: dir });
    S.apply(session, state);
    assert.equal(session.runBestOf(state.seed, state.bestOf), '');
    const web = session.result();
    assert.match(native.stdout, new RegExp(`^chosen seed ${web.seed}$`, 'm'));
    // (A later seed than the first is the fairest here: the choice is seen.)
    assert.notEqual(web.seed, state.seed);
    assert.match(native.stdout, new RegExp(`^code ${web.code}$`, 'm'));
    assert.equal(sha(web.map), sha(readFileSync(join(dir, 'beste.swd'))));
    // The code names the chosen seed.
    assert.equal(S.fromCode(web.code).state.seed, web.seed);
  } finally {
    session.destroy();
    rmSync(dir, { recursive: true, force: true });
  }
});

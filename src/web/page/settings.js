// The page's settings, made from the core's table of settings (web_api.hpp, swdgen_table):
// every range, default, label and choice comes from there, and the address and the command
// line write each value as the command line's option takes it (the core's KeyText and
// ReadKeyText). Only what is layout lives here. The page, its worker and the tests all go
// through this one file.
//
// A state of the form is a plain object: the seed, "Beste aus N" (bestOf), the hash of the
// picture a map code asks for (codePicture, null for none) and one whole number per row of
// the table under the row's id ("width", "amount.3", "resources.coal"; a flag 0 or 1, a
// choice its index).
(function (root) {
  'use strict';

  // The keys the command line always names, and the address too, which also always says
  // whether the two marks of the map file are on (see fromQuery on older addresses).
  const kAlwaysInCommand = ['width', 'height', 'type', 'players'];
  const kAlwaysInAddress = [...kAlwaysInCommand, 'start_objects', 'harbours'];

  const PROPOSED_TITLE = 'Phantasia-Zufall';

  const dashed = (key) => key.replace(/_/g, '-');
  const idOf = (row) => (row.member ? row.key + '.' + row.member : row.key);

  // "a, b oder c".
  function listed(words) {
    return words.length < 2 ? words.join('')
      : words.slice(0, -1).join(', ') + ' oder ' + words[words.length - 1];
  }

  function whole(text, min, max) {
    if (!/^\d+$/.test(text || '')) return null;
    const value = Number(text);
    return value >= min && value <= max ? value : null;
  }

  const kSeedRule = 'der Startwert ist eine ganze Zahl von 0 bis 4294967295';
  const kSeedMost = 4294967295;

  // The settings of a module session (session.js): the table it reads, and the session it
  // asks for the texts of the address and the command line.
  function create(session) {
    const table = session.table();
    const keys = [...new Set(table.rows.map((r) => r.key))];
    const rowsOf = (key) => table.rows.filter((r) => r.key === key);
    // The rows that hold a number (not the picture, which no address or code carries).
    const rows = table.rows.filter((r) => r.type !== 'picture');
    const row = (id) => rows.find((r) => idOf(r) === id);
    const sharesKey = table.rows.find((r) => r.page === 'resources').key;

    function defaults() {
      const s = { seed: null, bestOf: 1, codePicture: null };
      for (const r of rows) s[idOf(r)] = r.initial;
      return s;
    }

    function copy(state) {
      return JSON.parse(JSON.stringify(state));
    }

    // What a run uses: without "Erweiterte Einstellungen" the settings of its pages are the
    // defaults, and without "Insel" there is no base-shape page, so the shape is the first.
    function effective(state) {
      const e = copy(state);
      for (const r of rows) {
        if (!e.extended && r.extended_page) e[idOf(r)] = r.initial;
      }
      if (!e.island) e.shape = row('shape').initial;
      return e;
    }

    function isPicture(state) {
      return effective(state).shape === table.picture_shape;
    }

    const sameKey = (a, b, key) => rowsOf(key).every((r) => a[idOf(r)] === b[idOf(r)]);

    // Hands every setting to a module session, so that one session can serve several runs.
    function apply(into, state) {
      const e = effective(state);
      for (const r of rows) into.set(r.key, r.member, e[idOf(r)]);
    }

    // The state the session holds, with the seed and the rest of `base`.
    function stateOf(from, base) {
      const s = copy(base);
      for (const r of rows) s[idOf(r)] = from.get(r.key, r.member);
      return s;
    }

    // What a key accepts, in German for the page: "Kartenbreite: 32 bis 256 in Schritten
    // von 16".
    function accepts(r) {
      if (r.type === 'flag') return '1 (an) oder 0 (aus)';
      if (r.type === 'choice') return listed(r.choices.map((c) => c.key));
      return `${r.lo} bis ${r.hi}` + (r.step !== 1 ? ` in Schritten von ${r.step}` : '');
    }
    function rule(key) {
      const members = rowsOf(key);
      const first = members[0];
      if (first.form === 'keyed') {
        return `${first.label}: Einträge Klasse=Stufe, Klasse ${listed(members.map((r) => r.member))}` +
          `, Stufe ${accepts(first)}`;
      }
      if (members.length === 1) return `${first.label}: ${accepts(first)}`;
      const each = members.map((r) => `${r.label} ${accepts(r)}`).join(', ');
      // A share is at most the whole, which the shares make together.
      return key === sharesKey ? `${each}, zusammen ${first.hi}` : each;
    }

    // The shares read into the session must make the whole.
    function sharesProblem(key) {
      if (key !== sharesKey) return '';
      const members = rowsOf(key);
      const sum = members.reduce((total, r) => total + session.get(r.key, r.member), 0);
      return sum === members[0].hi ? '' : 'sum';
    }

    // The address keeps the seed, the keys of kAlwaysInAddress and every other setting that
    // differs from its default, each as its command line option's value; "Beste aus N" where
    // it is more than one, and else the map code of settings and seed.
    function toQuery(state) {
      const e = effective(state);
      const d = defaults();
      apply(session, e);
      const q = new URLSearchParams();
      if (e.seed !== null) q.set('seed', String(e.seed));
      for (const key of keys) {
        if (rowsOf(key)[0].type === 'picture') continue;
        if (kAlwaysInAddress.includes(key) || !sameKey(e, d, key)) q.set(dashed(key), session.keyText(key));
      }
      if (e.bestOf > 1) {
        q.set('best-of', String(e.bestOf));
      } else if (e.seed !== null) {
        const code = session.code(e.seed);
        if (code) q.set('code', code);
      }
      return q.toString();
    }

    // The state of a map code: { state } with its settings and seed, or { problem }.
    function fromCode(text, base = defaults()) {
      apply(session, base);
      const read = session.readCode(text);
      if (read.problem) return { problem: read.problem };
      const state = stateOf(session, base);
      state.seed = read.seed;
      state.bestOf = 1;
      state.codePicture = read.pictureHash;
      return { state };
    }

    // The settings an address names. Whatever it does not name keeps its default; a value
    // it names wrongly too, and `problems` gets a sentence saying which value was wrong and
    // what is used instead. Any value of the extended pages ticks "Erweiterte
    // Einstellungen", as on the command line. A missing or wrong seed is drawn with
    // `drawSeed` where one is given. A map code (code=) gives settings and seed; a value
    // beside it that says otherwise is named, and a code that cannot be read too, with the
    // core's words, and then the rest of the address is used.
    function fromQuery(search, problems = [], drawSeed = null) {
      const q = new URLSearchParams(search);
      const d = defaults();
      let s = defaults();
      const wrong = (given, why, used) => {
        problems.push(/\.$/.test(why) ? `\u201E${given}\u201C: ${why} Verwendet: ${used}.`
          : `\u201E${given}\u201C: ${why}; verwendet: ${used}.`);
      };

      const seed = whole(q.get('seed'), 0, kSeedMost);
      if (seed !== null) s.seed = seed;
      else if (drawSeed) s.seed = drawSeed();
      if (q.has('seed') && seed === null) {
        wrong('seed=' + q.get('seed'), kSeedRule,
          s.seed === null ? 'ein neu gezogener Startwert' : `der neu gezogene Startwert ${s.seed}`);
      }
      // An address from before the harbour places: no harbour places, and start objects only
      // where it said start-objects, as its map had them.
      if (q.has('seed') && !q.has('harbours') && !q.has('code')) {
        s.harbours = 0;
        s.start_objects = 0;
      }
      // The page's first addresses said "no-island".
      if (q.has('no-island') && !q.has('island')) {
        const off = q.get('no-island');
        if (off === '' || off === '1' || off === '0') q.set('island', off === '0' ? '1' : '0');
        else wrong('no-island=' + off, rule('island'), '0');
      }

      let extendedUsed = false;
      const named = [];
      for (const key of keys) {
        const name = dashed(key);
        const members = rowsOf(key);
        const first = members[0];
        if (!q.has(name) || first.type === 'picture') continue;
        named.push(key);
        const text = q.get(name);
        // A keyed key item by item, so that each wrong one is named; the page's first
        // addresses wrote them "3:7".
        const items = first.form === 'keyed' ? text.split(',') : [text];
        for (const item of items) {
          let given = first.form === 'keyed' ? item.replace(':', '=') : item;
          // A mark named without a value is on.
          if (first.type === 'flag' && given === '') given = '1';
          apply(session, s);
          if (session.readKey(key, given) || sharesProblem(key)) {
            apply(session, s);
            let used = session.keyText(key);
            if (first.form === 'keyed') {
              const member = row(key + '.' + item.split(/[:=]/)[0]);
              used = member ? `${member.member}=${s[idOf(member)]}` : 'nichts';
            }
            wrong(`${name}=${item}`, rule(key), used);
            continue;
          }
          for (const r of members) s[idOf(r)] = session.get(r.key, r.member);
          extendedUsed = extendedUsed || first.extended_page;
        }
      }
      if (!q.has('extended') && extendedUsed) s.extended = 1;
      if (q.has('best-of')) {
        const count = whole(q.get('best-of'), 1, table.most_candidates);
        if (count === null) {
          wrong('best-of=' + q.get('best-of'), `Beste aus: 1 bis ${table.most_candidates}`, 1);
        } else {
          s.bestOf = count;
        }
      }

      if (q.has('code')) {
        const read = fromCode(q.get('code'));
        if (read.problem) {
          wrong('code=' + q.get('code'), read.problem, 'die übrigen Angaben des Links');
        } else {
          const c = read.state;
          c.bestOf = s.bestOf;
          apply(session, c);
          for (const key of named) {
            if (sameKey(effective(s), effective(c), key)) continue;
            wrong(`${dashed(key)}=${q.get(dashed(key))}`, 'der Kartencode sagt etwas anderes',
              session.keyText(key) || 'der Wert des Kartencodes');
          }
          if (seed !== null && seed !== c.seed) {
            wrong('seed=' + seed, 'der Kartencode sagt etwas anderes', c.seed);
          }
          s = c;
        }
      }
      return s;
    }

    // The `swdgen generate` arguments that make the same map; `save` names the title, the
    // file name (without ".swd") and the picture file of "Spezial".
    function toCommandLine(state, save = {}) {
      const e = effective(state);
      const d = defaults();
      apply(session, e);
      const args = ['generate'];
      if (e.seed !== null) args.push('--seed', String(e.seed));
      for (const key of keys) {
        const first = rowsOf(key)[0];
        if (first.type === 'picture') {
          if (isPicture(e)) args.push(first.option, save.picture || '');
        } else if (kAlwaysInCommand.includes(key) || !sameKey(e, d, key)) {
          // A flag's option is the one that changes it from its default.
          if (first.type === 'flag') args.push(first.option);
          else args.push(first.option, session.keyText(key));
        }
      }
      if (e.bestOf > 1) args.push('--best-of', String(e.bestOf));
      if (save.title !== undefined) args.push('--title', save.title);
      if (save.name) args.push('--out', save.name + '.swd');
      return args;
    }

    return {
      table, keys, rows, rowsOf, row, idOf, defaults, copy, effective, isPicture, apply,
      toQuery, fromQuery, fromCode, toCommandLine, PROPOSED_TITLE,
    };
  }

  const Settings = { create, idOf, dashed, PROPOSED_TITLE };
  if (typeof module === 'object' && module.exports) module.exports = Settings;
  else root.SwdgenSettings = Settings;
})(typeof self !== 'undefined' ? self : this);

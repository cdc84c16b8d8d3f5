// The page's settings: their defaults and ranges (those of the wizard), how they are
// written into the page's address, handed to the module, and said as a command line that
// makes the same map. The page, its worker and the tests all go through this one table.
(function (root) {
  'use strict';

  const SIZES = [];
  for (let size = 32; size <= 256; size += 16) SIZES.push(size);

  // The landscape types by number; the page shows the module's names for them.
  const TYPES = [{ key: 'gruenland' }, { key: 'oedland' }, { key: 'winterland' }];

  // The six choices of the base-shape page in its order, with the three values each sets
  // and whether the wizard then asks for the coast or for a picture.
  const SHAPES = [
    { key: 'insel', name: 'Insel', code: 0, shaped: 0, symmetric: 0, coast: true },
    { key: 'insel-sym', name: 'Insel (sym.)', code: 0, shaped: 0, symmetric: 1, coast: true },
    { key: 'spirale', name: 'Spirale', code: 1, shaped: 1, symmetric: 0 },
    { key: 'spirale-ring', name: 'Spirale mit Ring', code: 3, shaped: 1, symmetric: 0 },
    { key: 'ring', name: 'Ring', code: 2, shaped: 1, symmetric: 0, coast: true },
    { key: 'spezial', name: 'Spezial', code: 4, shaped: 1, symmetric: 0, picture: true },
  ];
  const PICTURE_SHAPE = SHAPES.findIndex((s) => s.picture);

  // The rows of the proportions page: terrain classes 0..7 and 9.
  const PROPORTION_ROWS = [0, 1, 2, 3, 4, 5, 6, 7, 9];
  const PROPORTION_GROUPS = [
    { key: 'amount', name: 'Anzahl', low: 'wenige', high: 'sehr viele' },
    { key: 'size', name: 'Größe', low: 'klein', high: 'groß' },
    { key: 'decoration', name: 'Verzie\u00ADrungen', low: 'kahl', high: 'voll' },
  ];
  const LEVEL = { min: 0, max: 10, initial: 5 };

  // Winterland has no swamps, deserts or mountain meadows; the meadows have only their
  // decorations.
  function rowShows(type, terrainClass) {
    if (type === 2 && (terrainClass === 3 || terrainClass === 6 || terrainClass === 9)) {
      return 'hidden';
    }
    return terrainClass === 9 ? 'decoration' : 'all';
  }

  // The resource dialog's order; `kind` is the module's number for the slider.
  const RESOURCES = [
    { key: 'coal', name: 'Kohle', kind: 1 },
    { key: 'gold', name: 'Gold', kind: 2 },
    { key: 'iron', name: 'Eisen', kind: 3 },
    { key: 'granite', name: 'Granit', kind: 4 },
  ];

  // The sliders of the detail dialogs: group, caption, ends, range and initial position.
  const GRANITE = [
    { key: 'granite-large-count', group: 'Ausgedehnte Granitfelder', low: 'wenige', high: 'viele', max: 10, initial: 5 },
    { key: 'granite-large-size', group: 'Ausgedehnte Granitfelder', low: 'klein', high: 'groß', max: 10, initial: 5 },
    { key: 'granite-small-count', group: 'Kleine Granitvorkommen', low: 'selten', high: 'häufig', max: 15, initial: 3 },
    { key: 'granite-small-fill', group: 'Kleine Granitvorkommen', low: 'leer', high: 'voll', max: 10, initial: 7 },
  ];
  const TREE_GROUPS = { low: 'wenige', high: 'sehr viele', max: 15, initial: 4 };
  const ANIMALS = ['Hasen', 'Füchse', 'Hirsche', 'Rehe', 'Enten', 'Schafe'];
  const ANIMAL_LEVEL = { low: 'keine', high: 'sehr viele', max: 20, initial: 2 };
  const COAST = { low: 'glatt', high: 'ausgefranst', max: 10, initial: 5 };

  const PROPOSED_TITLE = 'Phantasia-Zufall';

  function filled(count, value) {
    return new Array(count).fill(value);
  }

  function defaults() {
    return {
      seed: null,
      width: 128,
      height: 128,
      type: 0,
      players: 3,
      island: true,
      extended: false,
      shape: 0,
      coast: COAST.initial,
      areaVariant: false,
      amount: filled(10, LEVEL.initial),
      size: filled(10, LEVEL.initial),
      decoration: filled(10, LEVEL.initial),
      resources: { coal: 54, gold: 15, iron: 26, granite: 5 },
      granite: GRANITE.map((g) => g.initial),
      treeGroups: TREE_GROUPS.initial,
      animals: filled(6, ANIMAL_LEVEL.initial),
      fairStarts: false,
      startObjects: true,
      harbours: true,
    };
  }

  function copy(state) {
    return JSON.parse(JSON.stringify(state));
  }

  // What a run uses: without "Erweiterte Einstellungen" the extended values are the
  // defaults, and without "Insel" there is no base-shape page, so the shape is the island.
  function effective(state) {
    const e = copy(state);
    if (!e.extended) {
      const d = defaults();
      for (const key of ['shape', 'coast', 'areaVariant', 'amount', 'size', 'decoration',
        'resources', 'granite', 'treeGroups', 'animals']) {
        e[key] = d[key];
      }
    }
    if (!e.island) e.shape = 0;
    return e;
  }

  function same(a, b) {
    return JSON.stringify(a) === JSON.stringify(b);
  }

  // The address keeps what differs from the defaults, under the command line's option
  // names; the seed, the size and the two marks of the map file always, so that a link
  // says whether they were on (the addresses from before the harbour places had neither
  // mark unless start-objects=1, and fromQuery reads them so).
  function toQuery(state) {
    const e = effective(state);
    const d = defaults();
    const q = new URLSearchParams();
    if (e.seed !== null) q.set('seed', String(e.seed));
    q.set('width', String(e.width));
    q.set('height', String(e.height));
    q.set('type', TYPES[e.type].key);
    q.set('players', String(e.players));
    if (!e.island) q.set('no-island', '1');
    if (e.fairStarts) q.set('fair-starts', '1');
    q.set('start-objects', e.startObjects ? '1' : '0');
    q.set('harbours', e.harbours ? '1' : '0');
    if (e.extended) {
      q.set('extended', '1');
      if (e.shape !== d.shape) q.set('shape', SHAPES[e.shape].key);
      if (e.coast !== d.coast) q.set('coast', String(e.coast));
      if (e.areaVariant) q.set('area-variant', '1');
      for (const g of PROPORTION_GROUPS) {
        const changed = PROPORTION_ROWS.filter((c) => e[g.key][c] !== d[g.key][c]);
        if (changed.length) q.set(g.key, changed.map((c) => c + ':' + e[g.key][c]).join(','));
      }
      if (!same(e.resources, d.resources)) q.set('resources', resourceList(e.resources));
      if (!same(e.granite, d.granite)) q.set('granite', e.granite.join(','));
      if (e.treeGroups !== d.treeGroups) q.set('tree-groups', String(e.treeGroups));
      if (!same(e.animals, d.animals)) q.set('animals', e.animals.join(','));
    }
    return q.toString();
  }

  function resourceList(r) {
    return [r.coal, r.gold, r.iron, r.granite].join(',');
  }

  function whole(text, min, max) {
    if (!/^\d+$/.test(text || '')) return null;
    const value = Number(text);
    return value >= min && value <= max ? value : null;
  }

  function wholeList(text, count, max) {
    const parts = (text || '').split(',');
    if (parts.length !== count) return null;
    const values = parts.map((p) => whole(p, 0, max));
    return values.includes(null) ? null : values;
  }

  // A mark of the address: "1" (or nothing after the name) is on, "0" off.
  function flag(text) {
    if (text === '' || text === '1') return true;
    return text === '0' ? false : null;
  }

  const kOnOff = 'der Wert ist 1 (an) oder 0 (aus)';

  // The settings an address names. Whatever it does not name keeps its default; a value
  // it names wrongly too, and `problems` gets a sentence saying which value was wrong and
  // what is used instead. Any extended value ticks "Erweiterte Einstellungen", as on the
  // command line. A missing or wrong seed is drawn with `drawSeed` where one is given.
  function fromQuery(search, problems = [], drawSeed = null) {
    const q = new URLSearchParams(search);
    const s = defaults();
    const d = defaults();
    const wrong = (key, given, rule, used) => {
      problems.push(`\u201E${key}=${given}\u201C: ${rule}; verwendet: ${used}.`);
    };
    // A value of the extended settings that is used ticks them.
    const extendedKeys = ['shape', 'coast', 'area-variant', 'amount', 'size', 'decoration',
      'resources', 'granite', 'tree-groups', 'animals'];
    let extendedUsed = false;
    // Reads `key` where the address has it: `parse` gives the value or null, `set` keeps it.
    const read = (key, parse, set, rule, used) => {
      if (!q.has(key)) return;
      const value = parse(q.get(key));
      if (value === null) {
        wrong(key, q.get(key), rule, used);
      } else {
        set(value);
        extendedUsed = extendedUsed || extendedKeys.includes(key);
      }
    };

    const seed = whole(q.get('seed'), 0, 4294967295);
    if (seed !== null) s.seed = seed;
    else if (drawSeed) s.seed = drawSeed();
    if (q.has('seed') && seed === null) {
      wrong('seed', q.get('seed'), 'der Startwert ist eine ganze Zahl von 0 bis 4294967295',
        s.seed === null ? 'ein neu gezogener Startwert' : `der neu gezogene Startwert ${s.seed}`);
    }
    for (const [key, name] of [['width', 'die Breite'], ['height', 'die Höhe']]) {
      read(key, (t) => {
        const v = whole(t, 32, 256);
        return v !== null && v % 16 === 0 ? v : null;
      }, (v) => { s[key] = v; }, `${name} ist 32 bis 256 in Schritten von 16`, d[key]);
    }
    read('type', (t) => { const i = TYPES.findIndex((x) => x.key === t); return i < 0 ? null : i; },
      (v) => { s.type = v; },
      'der Landschaftstyp ist ' + TYPES.map((t) => t.key).join(', '), TYPES[d.type].key);
    read('players', (t) => whole(t, 1, 7), (v) => { s.players = v; },
      'die Spieler-Anzahl ist 1 bis 7', d.players);
    read('no-island', flag, (v) => { s.island = !v; }, kOnOff, 0);
    read('fair-starts', flag, (v) => { s.fairStarts = v; }, kOnOff, 0);
    // An address from before the harbour places: no harbour places, and start objects only
    // where it said start-objects, as its map had them.
    if (q.has('seed') && !q.has('harbours')) {
      s.harbours = false;
      s.startObjects = false;
    }
    read('start-objects', flag, (v) => { s.startObjects = v; }, kOnOff,
      s.startObjects ? 1 : 0);
    read('harbours', flag, (v) => { s.harbours = v; }, kOnOff, s.harbours ? 1 : 0);
    read('extended', flag, (v) => { s.extended = v; }, kOnOff, 1);
    read('shape', (t) => { const i = SHAPES.findIndex((x) => x.key === t); return i < 0 ? null : i; },
      (v) => { s.shape = v; }, 'der Umriß ist ' + SHAPES.map((x) => x.key).join(', '),
      SHAPES[d.shape].key);
    read('coast', (t) => whole(t, 0, COAST.max), (v) => { s.coast = v; },
      `die Küste ist 0 bis ${COAST.max}`, d.coast);
    read('area-variant', flag, (v) => { s.areaVariant = v; }, kOnOff, 0);
    for (const g of PROPORTION_GROUPS) {
      if (!q.has(g.key)) continue;
      for (const item of q.get(g.key).split(',')) {
        const [c, level] = item.split(':');
        const terrainClass = whole(c, 0, 9);
        const value = whole(level, LEVEL.min, LEVEL.max);
        if (terrainClass !== null && PROPORTION_ROWS.includes(terrainClass) && value !== null) {
          s[g.key][terrainClass] = value;
          extendedUsed = true;
        } else {
          wrong(g.key, item, `ein Eintrag ist Klasse:Stufe, Klasse ${PROPORTION_ROWS.join(', ')}, ` +
            `Stufe ${LEVEL.min} bis ${LEVEL.max}`,
          PROPORTION_ROWS.includes(terrainClass) ? `Stufe ${LEVEL.initial}` : 'nichts');
        }
      }
    }
    read('resources', (t) => {
      const r = wholeList(t, 4, 100);
      return r && r[0] + r[1] + r[2] + r[3] === 100 ? r : null;
    }, (r) => { s.resources = { coal: r[0], gold: r[1], iron: r[2], granite: r[3] }; },
    'die vier Anteile Kohle, Gold, Eisen, Granit ergeben zusammen 100', resourceList(d.resources));
    read('granite', (t) => {
      const g = wholeList(t, 4, 15);
      return g && g.every((v, i) => v <= GRANITE[i].max) ? g : null;
    }, (g) => { s.granite = g; },
    'vier Stufen, bis ' + GRANITE.map((g) => g.max).join(', '), d.granite.join(','));
    read('tree-groups', (t) => whole(t, 0, TREE_GROUPS.max), (v) => { s.treeGroups = v; },
      `die Baumgruppen sind 0 bis ${TREE_GROUPS.max}`, d.treeGroups);
    read('animals', (t) => wholeList(t, 6, ANIMAL_LEVEL.max), (v) => { s.animals = v; },
      `sechs Stufen von 0 bis ${ANIMAL_LEVEL.max}`, d.animals.join(','));
    if (!q.has('extended') && extendedUsed) s.extended = true;
    return s;
  }

  // The `swdgen generate` arguments that make the same map; `save` names the title, the
  // file name (without ".swd") and the picture file of "Spezial".
  function toCommandLine(state, save) {
    const e = effective(state);
    const d = defaults();
    const args = ['generate'];
    if (e.seed !== null) args.push('--seed', String(e.seed));
    args.push('--width', String(e.width), '--height', String(e.height),
      '--type', TYPES[e.type].key, '--players', String(e.players));
    if (!e.island) args.push('--no-island');
    if (e.extended) {
      args.push('--extended');
      if (e.shape !== d.shape) args.push('--shape', SHAPES[e.shape].key);
      if (SHAPES[e.shape].picture) args.push('--picture', save.picture || '');
      if (e.coast !== d.coast) args.push('--coast', String(e.coast));
      if (e.areaVariant) args.push('--area-variant');
      for (const g of PROPORTION_GROUPS) {
        for (const c of PROPORTION_ROWS) {
          if (e[g.key][c] !== d[g.key][c]) args.push('--' + g.key, c + '=' + e[g.key][c]);
        }
      }
      if (!same(e.resources, d.resources)) args.push('--resources', resourceList(e.resources));
      if (!same(e.granite, d.granite)) args.push('--granite', e.granite.join(','));
      if (e.treeGroups !== d.treeGroups) args.push('--tree-groups', String(e.treeGroups));
      if (!same(e.animals, d.animals)) args.push('--animals', e.animals.join(','));
    }
    if (e.fairStarts) args.push('--fair-starts');
    if (!e.startObjects) args.push('--no-start-objects');
    if (!e.harbours) args.push('--no-harbours');
    if (save && save.title !== undefined) args.push('--title', save.title);
    if (save && save.name) args.push('--out', save.name + '.swd');
    return args;
  }

  // Hands every setting to a module session (session.js), so that one session can serve
  // several runs.
  function apply(session, state) {
    const e = effective(state);
    const shape = SHAPES[e.shape];
    const scalars = {
      width: e.width, height: e.height, type: e.type, players: e.players,
      island: e.island ? 1 : 0, extended: e.extended ? 1 : 0,
      'area-variant': e.areaVariant ? 1 : 0, coast: e.coast,
      'shape-code': shape.code, 'shaped-base': shape.shaped, 'symmetric-base': shape.symmetric,
      coal: e.resources.coal, gold: e.resources.gold, iron: e.resources.iron,
      granite: e.resources.granite, 'tree-groups': e.treeGroups,
      'start-objects': e.startObjects ? 1 : 0, harbours: e.harbours ? 1 : 0,
      'fair-starts': e.fairStarts ? 1 : 0,
    };
    GRANITE.forEach((g, i) => { scalars[g.key] = e.granite[i]; });
    for (const [name, value] of Object.entries(scalars)) session.set(name, 0, value);
    for (const g of PROPORTION_GROUPS) {
      for (const c of PROPORTION_ROWS) session.set(g.key, c, e[g.key][c]);
    }
    e.animals.forEach((level, i) => session.set('animals', i + 1, level));
  }

  const Settings = {
    SIZES, TYPES, SHAPES, PICTURE_SHAPE, PROPORTION_ROWS, PROPORTION_GROUPS, LEVEL, RESOURCES,
    GRANITE, TREE_GROUPS, ANIMALS, ANIMAL_LEVEL, COAST, PROPOSED_TITLE,
    rowShows, defaults, copy, effective, toQuery, fromQuery, toCommandLine, apply,
  };
  if (typeof module === 'object' && module.exports) module.exports = Settings;
  else root.SwdgenSettings = Settings;
})(typeof self !== 'undefined' ? self : this);

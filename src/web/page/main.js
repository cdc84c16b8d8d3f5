// The page: the wizard's settings as one form, made from the core's table of settings, the
// run in a worker with its preview, and the save step as downloads. The settings and the
// seed, and the map code of both, live in the page's address.
'use strict';

let S = null;  // the settings of the table (settings.js), once the module is there
const $ = (id) => document.getElementById(id);

const kRunStopped = 'Generierung abgebrochen';
const kBadSeed = 'Der Startwert muss eine ganze Zahl von 0 bis 4294967295 sein.';
const kSettingsChanged = 'Die Einstellungen sind geändert: \u201EStart !\u201C macht die Karte dazu.';
const kPreviewBackground = [192, 192, 192];

// What the result panel lists, one line each; a line returns nothing to be left out. A
// figure the worker works out after the run (its resultExtras) is one more line here.
const resultLines = [
  (r) => 'Spieler platziert: ' + r.playersPlaced + ' von ' + r.playersRequested,
  (r) => r.playersNote,
  (r) => 'Fairness-Index: ' + (r.fairness === null ? 'keiner (weniger als zwei Starts)'
    : (r.fairnessBefore === null ? '' : fairness(r.fairnessBefore) + ' \u2192 ') +
      fairness(r.fairness) + ' (1 = gleich gute Starts)'),
  (r) => r.harbourPlaces,
  (r) => r.cutOff,
  (r, run) => 'Startwert: ' + r.seed + (run.searched
    ? ' (der fairste von ' + run.searched.bestOf + ' ab ' + run.searched.seed + ')' : ''),
  (r) => 'Dauer: ' + decimal(r.milliseconds / 1000, 2) + ' s',
];

// Words of the core's texts that name something the page can show: they become links. The
// page made as one file (which starts its worker from a blob) has no README beside it.
const kTextLinks = self.swdgenWorkerScript ? []
  : [{ words: 'README des Projekts', href: 'readme.html' }];

// German numbers with two and three decimals. Made when the page loads: the browser's
// first German number format takes longer than a whole run.
const kDecimals = [2, 3].map((digits) => new Intl.NumberFormat('de-DE',
  { minimumFractionDigits: digits, maximumFractionDigits: digits }));

function decimal(value, digits) {
  return kDecimals[digits - 2].format(value);
}

// The fairness index as `swdgen analyze` prints it, with three decimals.
function fairness(index) {
  return decimal(index, 3);
}

// The files a finished run offers, under the chosen file name, one button each. `bytes`
// returns (or promises) { bytes } or { problem }; another file of the run is one more entry.
const downloads = [
  {
    id: 'download-map', label: 'Karte', extension: '.swd',
    type: 'application/octet-stream', bytes: (r, title) => helper.titledMap(r.map, title),
  },
  {
    id: 'download-bitmap', label: 'Vorschau', extension: '.bmp',
    type: 'image/bmp', bytes: (r) => ({ bytes: r.bitmap }),
  },
  {
    id: 'download-render', label: 'Wie im Spiel', extension: '.png',
    type: 'image/png', bytes: renderPng,
  },
];

// The browser's own PNG encoder, from the canvas that holds the picture at full size.
function renderPng() {
  return new Promise((resolve) => $('render').toBlob((blob) => resolve(
    blob ? { bytes: blob } : { problem: 'Das Bild ließ sich nicht als PNG kodieren.' }),
  'image/png'));
}

const linkProblems = [];
let state = null;
let helper = null;   // a session on the page's own module, for the checks and the titles
let picture = null;  // { name, bytes } of the "Spezial" picture
let worker = null;
let running = null;  // { state, picture } of the run going on
let finished = null; // { state, result, picture } of the last finished run, while the form
                     // still holds its settings (with best of N, those of the map chosen)

function drawSeed() {
  return crypto.getRandomValues(new Uint32Array(1))[0];
}

function element(tag, attributes, ...children) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(attributes || {})) {
    if (k === 'text') e.textContent = v;
    else e.setAttribute(k, v);
  }
  for (const c of children) e.append(c);
  return e;
}

// The words at the ends of the sliders, by the key (and member) of their row: layout only,
// the ranges and captions are the table's.
const kEnds = {
  coast: ['glatt', 'ausgefranst'],
  amount: ['wenige', 'sehr viele'],
  size: ['klein', 'groß'],
  decoration: ['kahl', 'voll'],
  'granite.large_count': ['wenige', 'viele'],
  'granite.large_size': ['klein', 'groß'],
  'granite.small_count': ['selten', 'häufig'],
  'granite.small_size': ['leer', 'voll'],
  tree_groups: ['wenige', 'sehr viele'],
  animals: ['keine', 'sehr viele'],
};
const endsOf = (row) => kEnds[S.idOf(row)] || kEnds[row.key];

// The base shapes after which the wizard asks for the coast (the others have none to ask
// for, and the picture's shape asks for the picture).
const kCoastShapes = ['insel', 'insel-sym', 'ring'];

// The check boxes of the form and the rows they set.
const kBoxes = [['island', 'island'], ['extended', 'extended'], ['fair-starts', 'fair_starts'],
  ['start-objects', 'start_objects'], ['harbours', 'harbours'], ['area-variant', 'area_variant']];

// The values a row allows, lo to hi in its steps.
function valuesOf(row) {
  const values = [];
  for (let v = row.lo; v <= row.hi; v += row.step) values.push(v);
  return values;
}

// A slider of a row between its two end words, with the value beside it.
function slider(row, id, label) {
  const [low, high] = endsOf(row);
  const input = element('input', { type: 'range', id, min: row.lo, max: row.hi, step: row.step,
    'aria-label': label || row.label, 'data-row': S.idOf(row) });
  input.value = state[S.idOf(row)];
  const shown = element('output', { for: id, text: input.value });
  input.addEventListener('input', () => {
    shown.textContent = input.value;
    state[S.idOf(row)] = Number(input.value);
    changed();
  });
  return element('div', { class: 'slider' }, element('span', { class: 'end', text: low }),
    input, element('span', { class: 'end', text: high }), shown);
}

function radios(into, name, choices, checked, onChange) {
  choices.forEach((caption, i) => {
    const input = element('input', { type: 'radio', name, value: i, id: name + '-' + i });
    input.checked = i === checked;
    input.addEventListener('change', () => onChange(i));
    into.append(element('label', { for: input.id }, input, ' ' + caption));
  });
}

// Every control shows the state's value (after a map code has filled the form).
function showState() {
  for (const id of ['width', 'height']) $(id).value = state[id];
  for (const [id, key] of kBoxes) $(id).checked = !!state[key];
  // The radio buttons count their row's values from 0.
  for (const input of document.querySelectorAll('#settings input[type=radio]')) {
    input.checked = state[input.name] === S.row(input.name).lo + Number(input.value);
  }
  for (const input of document.querySelectorAll('#settings input[type=range][data-row]')) {
    input.value = state[input.dataset.row];
    const shown = input.parentElement.querySelector('output');
    if (shown) shown.textContent = input.value;
  }
  $('seed').value = state.seed;
  $('best-of').value = state.bestOf;
}

function buildForm() {
  for (const id of ['width', 'height']) {
    $(id + '-caption').textContent = S.row(id).label;
    for (const size of valuesOf(S.row(id))) $(id).append(element('option', { value: size, text: String(size) }));
    $(id).addEventListener('change', () => {
      state[id] = Number($(id).value);
      changed();
    });
  }
  for (const [id, key] of kBoxes) {
    $(id).parentElement.append(' ' + S.row(key).label);
    $(id).addEventListener('change', () => {
      state[key] = $(id).checked ? 1 : 0;
      changed();
    });
  }
  $('type-caption').textContent = S.row('type').label;
  radios($('types'), 'type', S.row('type').choices.map((c) => c.label), state.type, (i) => {
    state.type = i;
    changed();
  });
  const players = S.row('players');
  $('players-caption').textContent = 'Gewünschte ' + players.label;
  radios($('players'), 'players', valuesOf(players).map(String), state.players - players.lo, (i) => {
    state.players = players.lo + i;
    changed();
  });
  const shape = S.row('shape');
  $('shape-caption').textContent = shape.label;
  radios($('shapes'), 'shape', shape.choices.map((c) => c.label), state.shape, (i) => {
    state.shape = i;
    changed();
  });
  $('coast').append(slider(S.row('coast'), 'coast-level'));
  $('coast-caption').textContent = S.row('coast').label;
  $('picture').addEventListener('change', async () => {
    const file = $('picture').files[0];
    if (!file) return;
    picture = { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
    // The message is the check's (pictureProblem), which also refuses a picture that is
    // not the one of a map code.
    helper.setPicture(picture.name, picture.bytes);
    changed();
  });
  buildProportions();
  buildDetails();
  $('seed').value = state.seed;
  $('seed').addEventListener('input', () => {
    const text = $('seed').value.trim();
    const ok = /^\d+$/.test(text) && Number(text) <= 4294967295;
    show($('seed-message'), ok ? '' : kBadSeed);
    $('seed').setAttribute('aria-invalid', String(!ok));
    // A seed that is not one is no seed: the address names none while it is typed.
    state.seed = ok ? Number(text) : null;
    changed();
  });
  $('best-of').max = S.table.most_candidates;
  $('best-of').value = state.bestOf;
  $('best-of').addEventListener('input', () => {
    const count = Number($('best-of').value);
    const ok = Number.isInteger(count) && count >= 1 && count <= S.table.most_candidates;
    show($('best-of-message'), ok ? '' : 'Beste aus: eine ganze Zahl von 1 bis ' + S.table.most_candidates + '.');
    $('best-of').setAttribute('aria-invalid', String(!ok));
    state.bestOf = ok ? count : 1;
    changed();
  });
  $('code-input').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      readCode();
    }
  });
  $('code-read').addEventListener('click', readCode);
  $('code-copy').addEventListener('click', copyCode);
}

// The proportions page: a row per terrain class, a column per group (amount, size,
// decoration), all from the table's rows of those keys.
const kProportionGroups = ['amount', 'size', 'decoration'];

function buildProportions() {
  const table = $('proportions');
  const head = element('tr', {}, element('th'));
  for (const key of kProportionGroups) {
    const [low, high] = kEnds[key];
    head.append(element('th', {}, element('div', { id: 'column-' + key, text: S.rowsOf(key)[0].label }),
      element('div', { class: 'ends' }, element('span', { text: low }),
        element('span', { text: high }))));
  }
  table.append(head);
  for (const classRow of S.rowsOf(kProportionGroups[0])) {
    const c = classRow.member;
    const row = element('tr', { id: 'row-' + c },
      element('th', { class: 'row-label', id: 'row-label-' + c }));
    for (const key of kProportionGroups) {
      const r = S.row(key + '.' + c);
      // Named by its row and column: "Wasser Anzahl".
      const input = element('input', {
        type: 'range', min: r.lo, max: r.hi, step: r.step, id: key + '-' + c,
        'data-group': key, 'data-row': S.idOf(r),
        'aria-labelledby': 'row-label-' + c + ' column-' + key,
      });
      input.value = state[S.idOf(r)];
      input.addEventListener('input', () => {
        state[S.idOf(r)] = Number(input.value);
        changed();
      });
      row.append(element('td', {}, input));
    }
    table.append(row);
  }
}

// Winterland has no swamps, deserts or mountain meadows; the meadows have only their
// decorations.
function rowShows(type, terrainClass) {
  if (S.row('type').choices[type].key === 'winterland' &&
      ['3', '6', '9'].includes(terrainClass)) {
    return 'hidden';
  }
  return terrainClass === '9' ? 'decoration' : 'all';
}

function buildDetails() {
  S.rowsOf('resources').forEach((r, i) => {
    const input = element('input', { type: 'range', min: r.lo, max: r.hi, step: r.step,
      id: 'share-' + r.member, 'aria-label': r.label });
    input.addEventListener('input', () => {
      // The wizard's rebalancing: the other three give or take the difference (the
      // module's kinds count the shares in the table's order from 1).
      S.apply(helper, state);
      helper.moveShare(i + 1, Number(input.value));
      for (const o of S.rowsOf('resources')) state[S.idOf(o)] = helper.get(o.key, o.member);
      changed();
    });
    $('resources').append(element('div', { class: 'slider share' },
      element('span', { class: 'name', text: r.label }), input,
      element('output', { id: 'share-' + r.member + '-value' })));
  });
  let group = null;
  for (const r of S.rowsOf('granite')) {
    // "Ausgedehnte Granitfelder: Anzahl": the group a heading, the slider named in full.
    const heading = r.label.split(': ')[0];
    if (heading !== group) {
      group = heading;
      $('granite').append(element('h3', { text: group }));
    }
    $('granite').append(slider(r, 'granite-' + r.member.replace('_', '-')));
  }
  $('tree-groups').append(slider(S.row('tree_groups'), 'tree-groups-level'));
  for (const r of S.rowsOf('animals')) {
    const item = slider(r, 'animal-' + r.member);
    item.prepend(element('span', { class: 'name', text: r.label }));
    $('animals').append(item);
  }
}

function show(e, text) {
  e.textContent = text || '';
  e.hidden = !text;
}

// Everything that follows from the settings: the address, what is visible, the labels of
// the type, the picture check, the preview's size, and the last result, which goes once
// the form no longer holds its settings.
function changed() {
  history.replaceState(null, '', '?' + S.toQuery(state));
  // A map code's picture is asked for while the form holds the code's settings.
  if (state.codePicture !== null && settingsOf(state) !== codeSettings) state.codePicture = null;
  if (finished && !holdsSettingsOf(finished)) {
    clearResult();
    $('status').textContent = kSettingsChanged;
  }
  const e = S.effective(state);
  $('estimate').textContent = ' ' + Math.floor(e.width * e.height * 0.0137 + 2.4264) + ' kB';
  $('extended-settings').hidden = !state.extended;
  $('shape-page').hidden = !state.island;
  const pictureShape = S.isPicture(state);
  $('coast-row').hidden = !kCoastShapes.includes(S.row('shape').choices[e.shape].key);
  $('picture-row').hidden = !pictureShape;
  $('type-label').textContent = helper.typeName(state.type);
  for (const { member: c } of S.rowsOf(kProportionGroups[0])) {
    const shows = rowShows(state.type, c);
    const row = $('row-' + c);
    row.hidden = shows === 'hidden';
    row.querySelector('.row-label').textContent = helper.className(state.type, Number(c));
    for (const input of row.querySelectorAll('input')) {
      input.style.visibility =
        shows === 'decoration' && input.dataset.group !== 'decoration' ? 'hidden' : '';
    }
  }
  for (const r of S.rowsOf('resources')) {
    $('share-' + r.member).value = state[S.idOf(r)];
    $('share-' + r.member + '-value').textContent = state[S.idOf(r)] + '%';
  }
  S.apply(helper, state);
  show($('picture-message'), pictureShape ? pictureProblem() : '');
  if (!running && !finished) resetPreview(e.width, e.height);
  fitPreview();
}

// What keeps the picture from being used: the check of a run, and for a map code's picture
// the code's word that it needs its own.
function pictureProblem() {
  S.apply(helper, state);
  const problem = helper.check();
  if (state.codePicture === null) return problem;
  return helper.checkCodePicture(state.codePicture) || problem;
}

// Whether the form holds the settings, seed and picture of a run.
function holdsSettingsOf(run) {
  return S.toQuery(run.state) === S.toQuery(state) &&
    (!S.isPicture(state) || run.picture === picture);
}

// Takes the result of the last run off the page, with its downloads: they would not hold
// the map of the settings on the form.
function clearResult() {
  finished = null;
  $('result').hidden = true;
  $('views').hidden = true;
  showView('preview');
  const e = S.effective(state);
  resetPreview(e.width, e.height, true);
  fitPreview();
}

function resetPreview(width, height, always) {
  const canvas = $('preview');
  if (!always && canvas.width === width && canvas.height === height) return;
  canvas.width = width;
  canvas.height = height;
  const ctx = canvas.getContext('2d');
  ctx.fillStyle = 'rgb(' + kPreviewBackground.join(',') + ')';
  ctx.fillRect(0, 0, canvas.width, canvas.height);
}

// The preview at the largest whole-number zoom at which it fits its box and the window
// (with the head of the panel, and where the controls are below it, them too); the
// picture as in the game, which is larger, scaled down to fit them.
function fitPreview() {
  const box = $('preview-box');
  const across = box.clientWidth - 10;
  const controls = $('run-controls');
  const below = controls.getBoundingClientRect().top > box.getBoundingClientRect().bottom - 1;
  const head = $('generation').querySelector('.generation-head');
  const down = window.innerHeight - head.offsetHeight - 64 -
    (below ? controls.offsetHeight + $('hint').offsetHeight : 0);
  const canvas = $('preview');
  const zoom = Math.max(1, Math.floor(Math.min(across / canvas.width, down / canvas.height)));
  canvas.style.width = canvas.width * zoom + 'px';
  canvas.style.height = canvas.height * zoom + 'px';
  const render = $('render');
  const scale = Math.min(1, across / render.width, down / render.height);
  render.style.width = Math.floor(render.width * scale) + 'px';
  render.style.height = Math.floor(render.height * scale) + 'px';
}

// Shows the preview or, after a run, the picture as in the game.
function showView(view) {
  $('preview').hidden = view !== 'preview';
  $('render').hidden = view !== 'render';
  $('show-preview').setAttribute('aria-pressed', String(view === 'preview'));
  $('show-render').setAttribute('aria-pressed', String(view === 'render'));
}

function drawPreview(width, height, rgba) {
  const canvas = $('preview');
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
    fitPreview();
  }
  canvas.getContext('2d').putImageData(new ImageData(rgba, width, height), 0, 0);
}

// `run` is the run that starts, or null when it ended. The button that started it, or
// the field the user was in, has the keyboard again afterwards: while they are disabled
// the focus falls to the page.
let focusBeforeRun = null;
function setRunning(run) {
  running = run;
  const on = !!run;
  if (on) focusBeforeRun = document.activeElement;
  $('start').disabled = on;
  $('new-landscape').disabled = on;
  $('seed').disabled = on;
  $('stop').disabled = !on;
  $('best-of').disabled = on;
  $('settings').inert = on;
  document.body.classList.toggle('running', on);
  if (!on && focusBeforeRun && document.activeElement === document.body) {
    focusBeforeRun.focus({ preventScroll: true });
  }
}

function makeWorker() {
  // The page made as one file (single_file.mjs) starts its worker from a blob it names.
  const w = new Worker(self.swdgenWorkerScript || 'worker.js');
  w.onmessage = (event) => {
    // A stopped worker's last words do not belong to the run that follows.
    if (w !== worker) return;
    const m = event.data;
    if (m.kind === 'status') $('status').textContent = m.text;
    else if (m.kind === 'hint') showText($('hint'), m.text);
    else if (m.kind === 'progress') {
      $('progress').hidden = m.value < 0;
      if (m.value >= 0) $('progress').value = m.value;
    } else if (m.kind === 'preview') drawPreview(m.width, m.height, m.rgba);
    else if (m.kind === 'refused') {
      setRunning(null);
      $('status').textContent = m.problem;
    } else if (m.kind === 'done') finish(m.result);
    else if (m.kind === 'ready') document.body.dataset.warm = 'true';
  };
  w.onerror = (event) => {
    event.preventDefault();
    if (w !== worker) return;
    stop('Interner Fehler: ' + (event.message || 'die Generierung ist abgestürzt'));
  };
  return w;
}

// Starts a run of the settings on the form. Whether it runs or is refused, the result of
// an earlier run is gone.
function start() {
  if (running) return;
  clearResult();
  if (state.seed === null) {
    // The red line under the field says why.
    $('status').textContent = '';
    $('seed').focus();
    return;
  }
  S.apply(helper, state);
  const problem = S.isPicture(state) ? pictureProblem() : helper.check();
  if (problem) {
    $('status').textContent = problem;
    return;
  }
  setRunning({ state: S.copy(state), picture: S.isPicture(state) ? picture : null });
  if (!worker) worker = makeWorker();
  worker.postMessage({ state: running.state, picture: running.picture });
}

// Ends the run at once: the worker, stuck in its one long call, is ended and a new one
// waits for the next run.
function stop(message) {
  if (!running) return;
  worker.terminate();
  // The next run's worker, prepared at once.
  worker = makeWorker();
  setRunning(null);
  $('progress').hidden = true;
  $('status').textContent = message || kRunStopped;
}

function finish(result) {
  finished = { state: running.state, picture: running.picture, result };
  setRunning(null);
  // Best of N: the form holds the map chosen, its seed and its code, so that the address
  // makes that map again; the command line shown is the search's.
  if (finished.state.bestOf > 1) {
    finished.searched = finished.state;
    finished.state = Object.assign(S.copy(finished.state), { seed: result.seed, bestOf: 1 });
    state.seed = result.seed;
    state.bestOf = 1;
    $('seed').value = state.seed;
    $('best-of').value = 1;
    history.replaceState(null, '', '?' + S.toQuery(state));
  }
  const lines = $('result-lines');
  lines.replaceChildren();
  for (const line of resultLines) {
    const text = line(result, finished);
    if (text) lines.append(element('li', { text }));
  }
  if (result.playersNote) $('status').textContent += '  ' + result.playersNote;
  if (result.render) {
    const { width, height, rgba } = result.render;
    const render = $('render');
    render.width = width;
    render.height = height;
    render.getContext('2d').putImageData(new ImageData(rgba, width, height), 0, 0);
    fitPreview();
    $('views').hidden = false;
  }
  $('code').value = result.code;
  $('code-copied').textContent = '';
  $('title').value = S.PROPOSED_TITLE;
  $('name').value = result.proposedName;
  $('result').hidden = false;
  checkSave();
  $('result').scrollIntoView({ block: 'nearest' });
}

// The file name as typed, without a ".swd" typed out of habit.
function chosenName() {
  return $('name').value.replace(/\.swd$/i, '');
}

// The save checks, and what the downloads hold: each button names its file, the command
// line the settings of the map.
function checkSave() {
  const problem = helper.checkName(chosenName()) || helper.checkTitle($('title').value);
  show($('save-message'), problem);
  for (const d of downloads) {
    $(d.id).disabled = !!problem;
    $(d.id).textContent = d.label + ' (' + (problem ? '' : chosenName()) + d.extension + ')';
  }
  $('command-line').textContent = 'swdgen ' + S.toCommandLine(finished.searched || finished.state, {
    title: $('title').value, name: chosenName(), picture: finished.picture && finished.picture.name,
  }).map(shellWord).join(' ');
}

function shellWord(word) {
  return /^[\w.,:=@%+\/-]+$/.test(word) ? word : "'" + word.replace(/'/g, "'\\''") + "'";
}

async function download(d) {
  const made = await d.bytes(finished.result, $('title').value);
  if (made.problem) {
    show($('save-message'), made.problem);
    return;
  }
  const url = URL.createObjectURL(new Blob([made.bytes], { type: d.type }));
  const link = element('a', { href: url, download: chosenName() + d.extension });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// The core's text with the words it names as links (kTextLinks).
function showText(e, text) {
  e.replaceChildren();
  let rest = text || '';
  for (const link of kTextLinks) {
    const at = rest.indexOf(link.words);
    if (at < 0) continue;
    e.append(rest.slice(0, at), element('a', { href: link.href, target: '_blank',
      rel: 'noopener', text: link.words }));
    rest = rest.slice(at + link.words.length);
  }
  e.append(rest);
}

// What an address named wrongly, and what the page uses instead.
function showLinkProblems() {
  if (!linkProblems.length) return;
  $('link-problem-list').replaceChildren(...linkProblems.map((p) => element('li', { text: p })));
  $('link-problems').hidden = false;
  $('link-problems-close').addEventListener('click', () => { $('link-problems').hidden = true; });
}

// The settings of a state without the seed, and those of the map code read last.
const settingsOf = (s) => JSON.stringify(Object.assign(S.effective(s), { seed: null, codePicture: null }));
let codeSettings = null;

// The "Kartencode" field: a code that can be read fills the form and the seed; one that
// cannot is named with the core's words, and the form stays as it was.
function readCode() {
  const read = S.fromCode($('code-input').value, state);
  $('code-input').setAttribute('aria-invalid', String(!!read.problem));
  show($('code-message'), read.problem);
  if (read.problem) return;
  state = read.state;
  codeSettings = settingsOf(state);
  showState();
  show($('seed-message'), '');
  changed();
}

async function copyCode() {
  const code = $('code');
  code.select();
  try {
    await navigator.clipboard.writeText(code.value);
  } catch {
    // Where the page may not write to the clipboard (a file opened from the disk, an old
    // browser), the selected code is copied the old way.
    document.execCommand('copy');
  }
  $('code-copied').textContent = 'Kopiert.';
}

async function init() {
  // The worker first: it loads, compiles and warms its module while the page does the same.
  worker = makeWorker();
  helper = new SwdgenSession(await createSwdgen());
  S = SwdgenSettings.create(helper);
  state = S.fromQuery(location.search, linkProblems, drawSeed);
  codeSettings = settingsOf(state);
  if (state.seed === null) state.seed = drawSeed();
  buildForm();
  showState();
  showLinkProblems();
  for (const d of downloads) {
    const button = element('button', { type: 'button', id: d.id });
    button.addEventListener('click', () => download(d));
    $('downloads').append(button);
  }
  $('title').addEventListener('input', checkSave);
  $('name').addEventListener('input', checkSave);
  $('show-preview').addEventListener('click', () => showView('preview'));
  $('show-render').addEventListener('click', () => showView('render'));
  $('start').addEventListener('click', start);
  $('stop').addEventListener('click', () => stop());
  $('new-landscape').addEventListener('click', () => {
    state.seed = drawSeed();
    $('seed').value = state.seed;
    state.codePicture = null;
    show($('seed-message'), '');
    changed();
    start();
  });
  document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && running) stop();
  });
  window.addEventListener('resize', fitPreview);
  showText($('hint'), helper.hint(1));
  changed();
  document.body.dataset.ready = 'true';
}

init();

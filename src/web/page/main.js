// The page: the wizard's settings as one form, the run in a worker with its preview, and
// the save step as downloads. The settings and the seed live in the page's address.
'use strict';

const S = SwdgenSettings;
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
  (r, run) => 'Startwert: ' + run.state.seed,
  (r) => 'Dauer: ' + decimal(r.milliseconds / 1000, 2) + ' s',
];

// Words of the core's texts that name something the page can show: they become links.
const kTextLinks = [{ words: 'README des Projekts', href: 'readme.html' }];

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
let state = S.fromQuery(location.search, linkProblems, drawSeed);
let helper = null;   // a session on the page's own module, for the checks and the titles
let picture = null;  // { name, bytes } of the "Spezial" picture
let worker = null;
let running = null;  // { state, picture } of the run going on
let finished = null; // { state, result, picture } of the last finished run, while the form
                     // still holds its settings

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

// A slider between its two end words, with the value beside it.
function slider(id, min, max, value, low, high, onInput, label) {
  const input = element('input', { type: 'range', id, min, max, step: 1, 'aria-label': label });
  input.value = value;
  const shown = element('output', { for: id, text: String(value) });
  input.addEventListener('input', () => {
    shown.textContent = input.value;
    onInput(Number(input.value));
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

function buildForm() {
  for (const id of ['width', 'height']) {
    for (const size of S.SIZES) $(id).append(element('option', { value: size, text: String(size) }));
    $(id).value = state[id];
    $(id).addEventListener('change', () => {
      state[id] = Number($(id).value);
      changed();
    });
  }
  for (const [id, key] of [['island', 'island'], ['extended', 'extended'],
    ['fair-starts', 'fairStarts'], ['start-objects', 'startObjects'], ['harbours', 'harbours']]) {
    $(id).checked = state[key];
    $(id).addEventListener('change', () => {
      state[key] = $(id).checked;
      changed();
    });
  }
  radios($('types'), 'type', S.TYPES.map((t, i) => helper.typeName(i)), state.type, (i) => {
    state.type = i;
    changed();
  });
  radios($('players'), 'players', [1, 2, 3, 4, 5, 6, 7].map(String), state.players - 1, (i) => {
    state.players = i + 1;
    changed();
  });
  radios($('shapes'), 'shape', S.SHAPES.map((s) => s.name), state.shape, (i) => {
    state.shape = i;
    changed();
  });
  $('coast').append(slider('coast-level', 0, S.COAST.max, state.coast, S.COAST.low, S.COAST.high,
    (v) => { state.coast = v; changed(); }, 'Küste zum Meer'));
  $('picture').addEventListener('change', async () => {
    const file = $('picture').files[0];
    if (!file) return;
    picture = { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
    helper.setPicture(picture.name, picture.bytes);
    changed();
  });
  $('area-variant').checked = state.areaVariant;
  $('area-variant').addEventListener('change', () => {
    state.areaVariant = $('area-variant').checked;
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
}

function buildProportions() {
  const table = $('proportions');
  const head = element('tr', {}, element('th'));
  for (const g of S.PROPORTION_GROUPS) {
    head.append(element('th', {}, element('div', { id: 'column-' + g.key, text: g.name }),
      element('div', { class: 'ends' }, element('span', { text: g.low }),
        element('span', { text: g.high }))));
  }
  table.append(head);
  for (const c of S.PROPORTION_ROWS) {
    const row = element('tr', { id: 'row-' + c },
      element('th', { class: 'row-label', id: 'row-label-' + c }));
    S.PROPORTION_GROUPS.forEach((g) => {
      // Named by its row and column: "Wasser Anzahl".
      const input = element('input', {
        type: 'range', min: S.LEVEL.min, max: S.LEVEL.max, step: 1, id: g.key + '-' + c,
        'data-group': g.key, 'aria-labelledby': 'row-label-' + c + ' column-' + g.key,
      });
      input.value = state[g.key][c];
      input.addEventListener('input', () => {
        state[g.key][c] = Number(input.value);
        changed();
      });
      row.append(element('td', {}, input));
    });
    table.append(row);
  }
}

function buildDetails() {
  for (const r of S.RESOURCES) {
    const input = element('input', { type: 'range', min: 0, max: 100, step: 1, id: 'share-' + r.key,
      'aria-label': r.name });
    input.addEventListener('input', () => {
      // The wizard's rebalancing: the other three give or take the difference.
      S.apply(helper, state);
      helper.moveShare(r.kind, Number(input.value));
      for (const o of S.RESOURCES) state.resources[o.key] = helper.get(o.key, 0);
      changed();
    });
    $('resources').append(element('div', { class: 'slider share' },
      element('span', { class: 'name', text: r.name }), input,
      element('output', { id: 'share-' + r.key + '-value' })));
  }
  let group = null;
  S.GRANITE.forEach((g, i) => {
    if (g.group !== group) {
      group = g.group;
      $('granite').append(element('h3', { text: group }));
    }
    $('granite').append(slider(g.key, 0, g.max, state.granite[i], g.low, g.high,
      (v) => { state.granite[i] = v; changed(); }, g.group + ': ' + g.low + ' bis ' + g.high));
  });
  $('tree-groups').append(slider('tree-groups-level', 0, S.TREE_GROUPS.max, state.treeGroups,
    S.TREE_GROUPS.low, S.TREE_GROUPS.high, (v) => { state.treeGroups = v; changed(); },
    'Kleine Baumgruppen'));
  S.ANIMALS.forEach((name, i) => {
    const row = slider('animal-' + (i + 1), 0, S.ANIMAL_LEVEL.max, state.animals[i],
      S.ANIMAL_LEVEL.low, S.ANIMAL_LEVEL.high, (v) => { state.animals[i] = v; changed(); }, name);
    row.prepend(element('span', { class: 'name', text: name }));
    $('animals').append(row);
  });
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
  if (finished && !holdsSettingsOf(finished)) {
    clearResult();
    $('status').textContent = kSettingsChanged;
  }
  const e = S.effective(state);
  $('estimate').textContent = ' ' + Math.floor(e.width * e.height * 0.0137 + 2.4264) + ' kB';
  $('extended-settings').hidden = !state.extended;
  $('shape-page').hidden = !state.island;
  const shape = S.SHAPES[e.shape];
  $('coast-row').hidden = !shape.coast;
  $('picture-row').hidden = !shape.picture;
  $('type-label').textContent = helper.typeName(state.type);
  for (const c of S.PROPORTION_ROWS) {
    const shows = S.rowShows(state.type, c);
    const row = $('row-' + c);
    row.hidden = shows === 'hidden';
    row.querySelector('.row-label').textContent = helper.className(state.type, c);
    for (const input of row.querySelectorAll('input')) {
      input.style.visibility =
        shows === 'decoration' && input.dataset.group !== 'decoration' ? 'hidden' : '';
    }
  }
  for (const r of S.RESOURCES) {
    $('share-' + r.key).value = state.resources[r.key];
    $('share-' + r.key + '-value').textContent = state.resources[r.key] + '%';
  }
  S.apply(helper, state);
  show($('picture-message'), shape.picture ? helper.check() : '');
  if (!running && !finished) resetPreview(e.width, e.height);
  fitPreview();
}

// Whether the form holds the settings, seed and picture of a run.
function holdsSettingsOf(run) {
  return S.toQuery(run.state) === S.toQuery(state) &&
    (!S.SHAPES[S.effective(state).shape].picture || run.picture === picture);
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
  if (!always && canvas.width === width + 4 && canvas.height === height + 4) return;
  canvas.width = width + 4;
  canvas.height = height + 4;
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
  const problem = helper.check();
  if (problem) {
    $('status').textContent = problem;
    return;
  }
  const shape = S.SHAPES[S.effective(state).shape];
  setRunning({ state: S.copy(state), picture: shape.picture ? picture : null });
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
  $('command-line').textContent = 'swdgen ' + S.toCommandLine(finished.state, {
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

async function init() {
  // The worker first: it loads, compiles and warms its module while the page does the same.
  worker = makeWorker();
  helper = new SwdgenSession(await createSwdgen());
  if (state.seed === null) state.seed = drawSeed();
  buildForm();
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

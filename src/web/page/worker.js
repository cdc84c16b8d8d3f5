// Runs the generator away from the page, so that the page stays responsive. The run is one
// long call into the module; it reports through the host functions, whose messages the
// page receives while the run goes on. To stop a run the page ends this worker.
// The page made as one file starts the worker from a blob that holds these already.
if (typeof SwdgenSession === 'undefined') importScripts('swdgen.js', 'settings.js', 'session.js');

// RGB pixels as the RGBA a canvas takes.
// The map's part of the preview, `shown` pixels of each row of `width`, as RGBA.
function rgba(rgb, width, shownWidth, shownHeight) {
  const out = new Uint8ClampedArray(shownWidth * shownHeight * 4);
  for (let y = 0, j = 0; y < shownHeight; ++y) {
    for (let i = y * width * 3, end = i + shownWidth * 3; i < end; i += 3, j += 4) {
      out[j] = rgb[i];
      out[j + 1] = rgb[i + 1];
      out[j + 2] = rgb[i + 2];
      out[j + 3] = 255;
    }
  }
  return out;
}

// What a finished run adds to its result beyond the files, each computed in the module
// from the finished map's bytes (the analysis as `swdgen analyze` makes it): the fairness
// index of the starts (and, with fair starts, that of the random placement), the harbour
// places the game keeps, the starts that cannot reach any rival, and the map as the game
// shows it.
const resultExtras = [
  { name: 'fairness', compute: (session) => session.fairness() },
  { name: 'fairnessBefore', compute: (session) => session.fairnessBefore() },
  { name: 'harbourPlaces', compute: (session) => session.harbourPlaces() },
  { name: 'cutOff', compute: (session) => session.cutOffNote() },
  {
    name: 'render',
    compute: (session) => {
      const r = session.render();
      return r && { width: r.width, height: r.height, rgba: rgba(r.rgb, r.width, r.width, r.height) };
    },
  },
];

// The page hears of the runs it asked for, not of the warm-up.
let reporting = false;
const host = {
  status: (text) => reporting && postMessage({ kind: 'status', text }),
  hint: (text) => reporting && postMessage({ kind: 'hint', text }),
  progress: (value) => reporting && postMessage({ kind: 'progress', value }),
  // The page shows the map alone, without the bitmap's border of background.
  preview: (rgb, width, height, border) => {
    if (!reporting) return;
    const shown = { width: width - border, height: height - border };
    const pixels = rgba(rgb, width, shown.width, shown.height);
    postMessage({ kind: 'preview', ...shown, rgba: pixels }, [pixels.buffer]);
  },
};

// The first run in a fresh module is several times slower than the next: the browser
// compiles the module's functions as they are first called and optimises them once they
// run often, and the memory grows as far as a run needs it. Runs of the largest map, one
// with every step and one with the defaults, and all that follows them, done when the
// worker starts, do all that before the user asks for a map (one run leaves the first of
// the user's still half as slow again as the next); their results are thrown away. The
// page hears the size of the map made and of the memory the module has then.
const kWarmUpRuns = [{ fair_starts: 1, players: 'most' }, {}];

function warmUp(module) {
  const first = new SwdgenSession(module);
  const S = SwdgenSettings.create(first);
  first.destroy();
  const largest = { width: S.row('width').hi, height: S.row('height').hi };
  let mapBytes = 0;
  kWarmUpRuns.forEach((changes, seed) => {
    const state = Object.assign(S.defaults(), changes, { seed }, largest);
    if (state.players === 'most') state.players = S.row('players').hi;
    const session = new SwdgenSession(module);
    try {
      S.apply(session, state);
      if (!session.run(state.seed)) {
        for (const extra of resultExtras) extra.compute(session);
        mapBytes = session.result().map.length;
      }
    } finally {
      session.destroy();
    }
  });
  reporting = true;
  postMessage({ kind: 'ready', prepared: { ...largest, mapBytes }, memory: module.HEAPU8.length });
  return { module, S };
}

const moduleReady = createSwdgen({ swdgenHost: host }).then(warmUp);

onmessage = async (event) => {
  const { state, picture } = event.data;
  const { module, S } = await moduleReady;
  const session = new SwdgenSession(module);
  try {
    S.apply(session, state);
    if (picture) session.setPicture(picture.name, picture.bytes);
    const started = performance.now();
    // "Beste aus N": the fairest of N seeds from the seed on, as `--best-of N` chooses it.
    const problem = session.check() ||
      (state.bestOf > 1 ? session.runBestOf(state.seed, state.bestOf) : session.run(state.seed));
    if (problem) {
      postMessage({ kind: 'refused', problem });
      return;
    }
    const result = session.result();
    result.milliseconds = performance.now() - started;
    for (const extra of resultExtras) result[extra.name] = extra.compute(session);
    const moved = [result.map.buffer, result.bitmap.buffer];
    if (result.render) moved.push(result.render.rgba.buffer);
    postMessage({ kind: 'done', result, memory: module.HEAPU8.length }, moved);
  } finally {
    session.destroy();
  }
};

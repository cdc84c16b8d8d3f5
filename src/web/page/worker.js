// Runs the generator away from the page, so that the page stays responsive. The run is one
// long call into the module; it reports through the host functions, whose messages the
// page receives while the run goes on. To stop a run the page ends this worker.
// The page made as one file starts the worker from a blob that holds these already.
if (typeof SwdgenSession === 'undefined') importScripts('swdgen.js', 'settings.js', 'session.js');

// RGB pixels as the RGBA a canvas takes.
function rgba(rgb, width, height) {
  const out = new Uint8ClampedArray(width * height * 4);
  for (let i = 0, j = 0; i < rgb.length; i += 3, j += 4) {
    out[j] = rgb[i];
    out[j + 1] = rgb[i + 1];
    out[j + 2] = rgb[i + 2];
    out[j + 3] = 255;
  }
  return out;
}

const moduleReady = createSwdgen({
  swdgenHost: {
    status: (text) => postMessage({ kind: 'status', text }),
    hint: (text) => postMessage({ kind: 'hint', text }),
    progress: (value) => postMessage({ kind: 'progress', value }),
    preview: (rgb, width, height) => {
      const pixels = rgba(rgb, width, height);
      postMessage({ kind: 'preview', width, height, rgba: pixels }, [pixels.buffer]);
    },
  },
});

// What a finished run adds to its result beyond the files, each computed in the module
// from the finished map's bytes: the fairness index of the starts and the map as the game
// shows it.
const resultExtras = [
  { name: 'fairness', compute: (session) => session.fairness() },
  {
    name: 'render',
    compute: (session) => {
      const r = session.render();
      return r && { width: r.width, height: r.height, rgba: rgba(r.rgb, r.width, r.height) };
    },
  },
];

onmessage = async (event) => {
  const { state, picture } = event.data;
  const module = await moduleReady;
  const session = new SwdgenSession(module);
  try {
    SwdgenSettings.apply(session, state);
    if (picture) session.setPicture(picture.name, picture.bytes);
    const started = performance.now();
    const problem = session.check() || session.run(state.seed);
    if (problem) {
      postMessage({ kind: 'refused', problem });
      return;
    }
    const result = session.result();
    result.milliseconds = performance.now() - started;
    for (const extra of resultExtras) result[extra.name] = extra.compute(session);
    const moved = [result.map.buffer, result.bitmap.buffer];
    if (result.render) moved.push(result.render.rgba.buffer);
    postMessage({ kind: 'done', result }, moved);
  } finally {
    session.destroy();
  }
};

// Runs the generator away from the page, so that the page stays responsive. The run is one
// long call into the module; it reports through the host functions, whose messages the
// page receives while the run goes on. To stop a run the page ends this worker.
importScripts('swdgen.js', 'settings.js', 'session.js');

const moduleReady = createSwdgen({
  swdgenHost: {
    status: (text) => postMessage({ kind: 'status', text }),
    hint: (text) => postMessage({ kind: 'hint', text }),
    progress: (value) => postMessage({ kind: 'progress', value }),
    preview: (rgb, width, height) => {
      const rgba = new Uint8ClampedArray(width * height * 4);
      for (let i = 0, j = 0; i < rgb.length; i += 3, j += 4) {
        rgba[j] = rgb[i];
        rgba[j + 1] = rgb[i + 1];
        rgba[j + 2] = rgb[i + 2];
        rgba[j + 3] = 255;
      }
      postMessage({ kind: 'preview', width, height, rgba }, [rgba.buffer]);
    },
  },
});

// What a finished run adds to its result beyond the files: each entry computes one value
// from the finished session (for example a fairness figure) for the page's result panel.
const resultExtras = [];

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
    for (const extra of resultExtras) result[extra.name] = extra.compute(session, module);
    postMessage({ kind: 'done', result }, [result.map.buffer, result.bitmap.buffer]);
  } finally {
    session.destroy();
  }
};

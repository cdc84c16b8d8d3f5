// The two builds the web tests compare: the native one (with swdgen) and the Emscripten
// one (with the page in site/ and made as one file, swdgen.html), as scripts/test makes them.
import { execFile } from 'node:child_process';
import { resolve } from 'node:path';
import { promisify } from 'node:util';

if (!process.env.SWDGEN_BUILD || !process.env.SWDGEN_WEB_BUILD) {
  throw new Error('set SWDGEN_BUILD (native build folder) and SWDGEN_WEB_BUILD (Emscripten build folder)');
}
const native = resolve(process.env.SWDGEN_BUILD);
const web = resolve(process.env.SWDGEN_WEB_BUILD);
export const builds = {
  native, web, binary: `${native}/swdgen`, site: `${web}/site`, singleFile: `${web}/swdgen.html`,
};

// A program run as the tests run the command line: in English whatever the machine's
// locale, so that the lines the tests read ("map ...", "code ...") are always the same;
// where a test compares the page's German words with the command line's, it asks for them
// with --lang de.
const execFileAsync = promisify(execFile);
export function run(file, args, options = {}) {
  return execFileAsync(file, args,
    { ...options, env: { ...process.env, ...options.env, LC_ALL: 'C.UTF-8' } });
}

// The two builds the web tests compare: the native one (with swdgen) and the Emscripten
// one (with the page in site/ and made as one file, swdgen.html), as scripts/test makes them.
import { resolve } from 'node:path';

if (!process.env.SWDGEN_BUILD || !process.env.SWDGEN_WEB_BUILD) {
  throw new Error('set SWDGEN_BUILD (native build folder) and SWDGEN_WEB_BUILD (Emscripten build folder)');
}
const native = resolve(process.env.SWDGEN_BUILD);
const web = resolve(process.env.SWDGEN_WEB_BUILD);
export const builds = {
  native, web, binary: `${native}/swdgen`, site: `${web}/site`, singleFile: `${web}/swdgen.html`,
};

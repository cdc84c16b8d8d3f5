// The page's own code under Node, as the module tests use it: the module compiled from the
// web build, a session on it (session.js) and the page's settings made from the module's
// table (settings.js); with the command line beside it and a file's SHA-256.
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { builds, run } from './builds.mjs';

const require = createRequire(import.meta.url);
export const Settings = require(join(builds.site, 'settings.js'));
export const Session = require(join(builds.site, 'session.js'));
const createSwdgen = require(join(builds.site, 'swdgen.js'));

export { run };
export const sha = (bytes) => createHash('sha256').update(bytes).digest('hex');

export const module =
  await createSwdgen({ wasmBinary: readFileSync(join(builds.site, 'swdgen.wasm')) });
export const helper = new Session(module);
export const S = Settings.create(helper);

// The core's sine, cosine and slider factors give the same bits in WebAssembly as on this
// machine, for every argument a run can pass them (math_domain.cpp).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { builds } from './builds.mjs';

const run = promisify(execFile);

test('the transcendental results are the same in WebAssembly', async () => {
  const options = { maxBuffer: 64 * 1024 * 1024 };
  const [native, web] = await Promise.all([
    run(join(builds.native, 'tests/web/swdgen_math_domain'), [], options),
    run(process.execPath, [join(builds.web, 'tests/web/swdgen_math_domain.js')], options),
  ]);
  const a = native.stdout.split('\n');
  const b = web.stdout.split('\n');
  assert.match(a[0], /^\d+ angles$/);
  assert.ok(Number(a[0].split(' ')[0]) > 50000);
  assert.equal(a.length, b.length);
  const first = a.findIndex((line, i) => line !== b[i]);
  assert.equal(first, -1, `first difference: native ${a[first]}, WebAssembly ${b[first]}`);
});

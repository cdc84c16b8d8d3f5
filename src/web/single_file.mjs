// Makes the page of a site folder into one HTML file that works opened from the disk (a
// file:// address), offline: what a player is handed instead of a web host. Browsers
// load neither workers, nor modules, nor WebAssembly from files there, so everything the
// folder holds goes inside the file:
// - the style sheet and the scripts the page names, as they are; the scripts at the end
//   of the body in their order, where inline scripts find the document as `defer` ones do;
// - the module's .wasm as base64, handed to the module's factory as its wasmBinary;
// - the worker's script and the scripts it imports as text; the worker starts from a blob
//   made of them, whose address the page finds in self[kWorker.global]. The blob is made
//   from the page's own copies, so the wasm is in the file once.
//
//   node single_file.mjs SITE_FOLDER OUT.html
import { readFileSync, renameSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const kPage = 'index.html';
const kModule = { script: 'swdgen.js', wasm: 'swdgen.wasm', factory: 'createSwdgen' };
const kWorker = { script: 'worker.js', global: 'swdgenWorkerScript' };

// Text that goes inside a <script> or <style> element as it is: the one sequence that
// would end the element early is written the way JavaScript reads the same.
function inline(text, file) {
  if (/<!--/.test(text) || /<\/style/i.test(text)) {
    throw new Error(`${file} holds "<!--" or "</style", which cannot be inlined`);
  }
  return text.replace(/<\/script/gi, '<\\/script');
}

function scriptElement(file, text, type = '') {
  const typed = type ? ` type="${type}"` : '';
  return `<script${typed} data-file="${file}">\n${inline(text, file)}\n</script>`;
}

// The module's factory, called as the page and the worker call it, with the .wasm given.
function wasmBinding(wasm) {
  return `${kModule.factory} = ((make, wasm) => (options = {}) =>\n` +
    `  make(Object.assign({}, options, { wasmBinary: wasm })))(${kModule.factory},\n` +
    `  Uint8Array.from(atob('${wasm.toString('base64')}'), (c) => c.charCodeAt(0)));`;
}

// The worker from a blob of the scripts it imports and its own, read from the page.
function workerStart(files) {
  return `self.${kWorker.global} = URL.createObjectURL(new Blob(\n` +
    `  ${JSON.stringify(files)}.map((file) =>\n` +
    '    document.querySelector(`script[data-file="${file}"]`).textContent + \'\\n;\\n\'),\n' +
    "  { type: 'text/javascript' }));";
}

export function singleFile(site) {
  const read = (file) => readFileSync(join(site, file), 'utf8');
  let html = read(kPage);

  html = html.replace(/<link rel="stylesheet" href="([^"]+)">/g,
    (_, file) => `<style>\n${inline(read(file), file)}\n</style>`);

  const scripts = [];
  html = html.replace(/[ \t]*<script src="([^"]+)"( defer)?><\/script>\n?/g, (_, file) => {
    scripts.push(file);
    return '';
  });
  const worker = read(kWorker.script);
  const imports = worker.match(/importScripts\(([^)]*)\)/);
  if (!imports) throw new Error(`${kWorker.script} imports no scripts`);
  const imported = [...imports[1].matchAll(/'([^']+)'/g)].map((m) => m[1]);
  const missing = imported.filter((file) => !scripts.includes(file));
  if (missing.length) throw new Error(`the worker imports ${missing}, which the page does not`);

  // The worker's scripts, the module's with its .wasm, in the page's order.
  const workerFiles = [];
  const body = [];
  for (const file of scripts) {
    body.push(scriptElement(file, read(file)));
    if (imported.includes(file)) workerFiles.push(file);
    if (file === kModule.script && imported.includes(file)) {
      body.push(scriptElement(kModule.wasm, wasmBinding(readFileSync(join(site, kModule.wasm)))));
      workerFiles.push(kModule.wasm);
    }
    if (imported.every((f) => scripts.indexOf(f) <= scripts.indexOf(file)) &&
        !workerFiles.includes(kWorker.script)) {
      body.push(scriptElement(kWorker.script, worker, 'text/plain'));
      workerFiles.push(kWorker.script);
      body.push(scriptElement('worker-start', workerStart(workerFiles)));
    }
  }
  // The README lies beside the page on a web host, not beside the one file: its link goes
  // (main.js links the hint's words to it only where the page is not one file).
  html = html.replace(/[ \t]*<a href="readme\.html"[^>]*>[^<]*<\/a>\n?/g, '');
  // Whatever in the page or its style still names a file would not be there beside the
  // one file.
  const left = html.match(/\s(?:src|href)="(?!data:|#)[^"]*"|url\((?!["']?data:)[^)]*\)/);
  if (left) throw new Error(`${kPage} still refers to a file: ${left[0].trim()}`);
  if (!html.includes('</body>')) throw new Error(`${kPage} has no </body>`);
  return html.replace('</body>', () => body.join('\n') + '\n</body>');
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  if (process.argv.length !== 4) {
    console.error('usage: node single_file.mjs SITE_FOLDER OUT.html');
    process.exit(2);
  }
  const out = process.argv[3];
  writeFileSync(out + '.part', singleFile(process.argv[2]));
  renameSync(out + '.part', out);
}

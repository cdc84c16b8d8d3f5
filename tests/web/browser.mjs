// Headless Chromium from Debian, driven by puppeteer-core, opening the page from a local
// static server or, made as one file, from the disk: what the browser tests and the timing
// bench share.
import { copyFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serve } from '../../scripts/serve-static.mjs';

// Nothing is fetched from anywhere: no updates, no sync, no field trials.
const kChromiumFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

export async function openSite(site) {
  const { server, url } = await serve(site);
  return open(url, () => server.close());
}

// The page made as one file, opened from the disk: a copy alone in a folder of its own,
// so that nothing beside it can be loaded.
export async function openFile(file) {
  const folder = mkdtempSync(join(tmpdir(), 'swdgen-page-'));
  const copy = join(folder, basename(file));
  copyFileSync(file, copy);
  return open(pathToFileURL(copy).href, () => rmSync(folder, { recursive: true, force: true }));
}

// The browser on the page at `url`; `release` frees what serves it when the browser closes.
// `requests` are the addresses the pages asked for, the page's own among them.
async function open(url, release) {
  const profile = mkdtempSync(join(tmpdir(), 'swdgen-chromium-'));
  const downloads = mkdtempSync(join(tmpdir(), 'swdgen-downloads-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [...kChromiumFlags, `--user-data-dir=${profile}`],
  });
  const cdp = await browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior',
    { behavior: 'allow', downloadPath: downloads, eventsEnabled: true });
  const errors = [];
  const requests = [];

  return {
    url, downloads, errors, requests,

    // The page at the address `query`, in a window of `viewport`; `before` runs in the
    // page before its own scripts.
    async page(query = '', viewport = { width: 1400, height: 1000 }, before = null) {
      const page = await browser.newPage();
      page.on('pageerror', (error) => errors.push(String(error)));
      page.on('request', (request) => requests.push(request.url()));
      page.on('console', (message) => {
        if (message.type() === 'error') errors.push(message.text());
      });
      await page.setViewport(viewport);
      if (before) await page.evaluateOnNewDocument(before);
      await page.goto(url + query);
      await page.waitForSelector('body[data-ready="true"]');
      return page;
    },

    // Resolves with the file's name once the download that `start` begins is complete.
    download(start) {
      return new Promise((resolve, reject) => {
        let name = null;
        const begins = (e) => { name = e.suggestedFilename; };
        const progress = (e) => {
          if (e.state === 'completed') done(() => resolve(name));
          else if (e.state === 'canceled') done(() => reject(new Error('download canceled')));
        };
        const done = (then) => {
          cdp.off('Browser.downloadWillBegin', begins);
          cdp.off('Browser.downloadProgress', progress);
          then();
        };
        cdp.on('Browser.downloadWillBegin', begins);
        cdp.on('Browser.downloadProgress', progress);
        start().catch((error) => done(() => reject(error)));
      });
    },

    async close() {
      await browser.close();
      release();
      rmSync(profile, { recursive: true, force: true });
      rmSync(downloads, { recursive: true, force: true });
    },
  };
}

// Starts a run and resolves when it has ended, with the status line and the result lines.
export async function runToEnd(page) {
  await page.click('#start');
  await page.waitForFunction(
    () => !document.getElementById('start').disabled && document.getElementById('stop').disabled,
    { timeout: 120000 });
  return page.evaluate(() => ({
    status: document.getElementById('status').textContent,
    lines: [...document.querySelectorAll('#result-lines li')].map((li) => li.textContent),
    finished: !document.getElementById('result').hidden,
  }));
}

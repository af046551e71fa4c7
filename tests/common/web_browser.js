// What the web tests, bench/web-keystroke-time and tools/screenshot-web
// share: Debian's chromium, headless, started fresh with nothing fetched or
// synced, and quirel.html opened in it from file:// or from a static server
// on the loopback address, with every request but the page's own refused
// and counted.
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
// playwright-core as tests/web's package-lock.json pins it (npm ci there).
const { chromium } = require(require.resolve('playwright-core', { paths: [path.join(__dirname, '../web')] }));

const root = path.resolve(__dirname, '../..');
const pagePath = process.env.QUIREL_PAGE || path.join(root, 'build/wasm/src/app/web/quirel.html');

async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quirel-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    // The lists' scroll bars are part of what the page shows.
    ignoreDefaultArgs: ['--hide-scrollbars'],
    viewport: { width: 1280, height: 900 },
  });
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}

// Every request but the page itself (and the addresses in `allowed`) is
// aborted and kept in `refused`; the page's errors and console errors are
// kept in `errors`.
async function openPage(context, url, allowed = []) {
  const page = await context.newPage();
  const refused = [];
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  await page.route('**/*', (route) => {
    if (route.request().url() === url || allowed.includes(route.request().url())) return route.continue();
    refused.push(route.request().url());
    return route.abort();
  });
  await page.goto(url);
  await page.waitForFunction(() => document.querySelector('[data-id="1002"]') !== null);
  return { page, refused, errors };
}

const fileUrl = () => 'file://' + pagePath;

// A static server of the page's folder on 127.0.0.1, on a port of its own;
// `standIns` names files it serves as a line of text, wherever they are.
function serveFolder(standIns = []) {
  const folder = path.dirname(pagePath);
  const server = http.createServer((request, response) => {
    const name = path.basename(new URL(request.url, 'http://x').pathname);
    if (standIns.includes(name)) {
      response.writeHead(200, { 'Content-Type': 'text/plain' });
      return response.end('stand-in for ' + name);
    }
    fs.readFile(path.join(folder, name), (error, bytes) => {
      response.writeHead(error ? 404 : 200, { 'Content-Type': 'text/html; charset=utf-8' });
      response.end(error ? '' : bytes);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    resolve({ url: `http://127.0.0.1:${server.address().port}/quirel.html`, close: () => server.close() });
  }));
}

module.exports = { launch, openPage, fileUrl, serveFolder, pagePath, root };

// The kit's web page as a web server serves it (QUIREL_PAGE names the
// kit's web/quirel.html): from a static server of its folder, a term typed
// and the first result row double-clicked open the PDF beside it in a new
// tab at the row's PDF page with its word to find (QUIREL_KIT_TERM,
// QUIREL_KIT_PDF_FILE, QUIREL_KIT_PDF_PAGE, QUIREL_KIT_PDF_WORD); the page
// asks for nothing else.
'use strict';
const assert = require('node:assert');
const { test } = require('node:test');
const { launch, openPage, serveFolder } = require('../common/web_browser.js');

const {
  QUIREL_KIT_TERM: term, QUIREL_KIT_PDF_FILE: pdfFile, QUIREL_KIT_PDF_PAGE: pdfPage, QUIREL_KIT_PDF_WORD: pdfWord,
} = process.env;

test('a double-click on a result row opens the PDF beside the page at the row\'s page', async () => {
  assert.ok(term && pdfFile && pdfPage && pdfWord,
    'QUIREL_KIT_TERM, QUIREL_KIT_PDF_FILE, QUIREL_KIT_PDF_PAGE and QUIREL_KIT_PDF_WORD are set');
  const browser = await launch();
  const server = await serveFolder();
  try {
    const pdfAddress = new URL(pdfFile, server.url).href;
    const { page, refused, errors } = await openPage(browser.context, server.url, [pdfAddress]);
    await page.click('[data-id="1002"]');
    await page.keyboard.type(term);
    const [tab] = await Promise.all([
      page.waitForEvent('popup'),
      page.locator('[data-id="1008"] [role=option]').first().dblclick(),
    ]);
    await tab.waitForLoadState();
    assert.strictEqual(tab.url(), `${pdfAddress}#page=${pdfPage}&search=${encodeURIComponent(pdfWord)}`);
    assert.deepStrictEqual(refused, []);
    assert.deepStrictEqual(errors, []);
  } finally {
    server.close();
    await browser.close();
  }
});

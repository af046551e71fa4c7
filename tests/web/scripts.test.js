// Every dialog script of tests/scripts through window.quirelScript, with the
// data sets its .args name: the page must print and return byte for byte
// what quirel-script does (NAME.expected, NAME.stderr, NAME.status).
'use strict';
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const { after, before, test } = require('node:test');
const { launch, openPage, fileUrl, root } = require('../common/web_browser.js');

const scripts = path.join(root, 'tests/scripts');
// The system's words for the reasons a file cannot be read.
const reasons = { ENOENT: 'No such file or directory', EISDIR: 'Is a directory', EACCES: 'Permission denied' };

function readOptional(name, fallback) {
  const file = path.join(scripts, name);
  return fs.existsSync(file) ? fs.readFileSync(file) : fallback;
}

// --index FILE --headings FILE as the page takes them: the file's bytes
// under its name, or why it cannot be read.
function dataSets(name) {
  const args = readOptional(name + '.args', Buffer.from('')).toString().trim().split(/\s+/).filter(Boolean);
  const sets = {};
  for (let i = 0; i + 1 < args.length; i += 2) {
    const file = args[i + 1];
    let set;
    try {
      set = { name: file, bytes: Array.from(fs.readFileSync(path.join(scripts, file))) };
    } catch (error) {
      set = { name: file, unreadable: reasons[error.code] || error.message };
    }
    sets[args[i].replace(/^--/, '')] = set;
  }
  return sets;
}

// Compared as text for a readable difference, then byte for byte.
function sameBytes(text, bytes) {
  assert.strictEqual(text, bytes.toString('utf8'));
  assert.ok(Buffer.from(text, 'utf8').equals(bytes));
}

let browser, page;
before(async () => {
  browser = await launch();
  ({ page } = await openPage(browser.context, fileUrl()));
});
after(() => browser.close());

const names = fs.readdirSync(scripts).filter((f) => f.endsWith('.script')).map((f) => f.slice(0, -7)).sort();

test('there are dialog scripts to run', () => assert.ok(names.length >= 10));

for (const name of names) {
  test(`script ${name} gives what quirel-script gives`, async () => {
    const script = Array.from(fs.readFileSync(path.join(scripts, name + '.script')));
    const result = await page.evaluate(([text, sets]) => window.quirelScript(text, sets), [script, dataSets(name)]);
    sameBytes(result.stdout, fs.readFileSync(path.join(scripts, name + '.expected')));
    sameBytes(result.stderr, readOptional(name + '.stderr', Buffer.from('')));
    assert.strictEqual(result.status, Number(readOptional(name + '.status', '0').toString().trim()));
  });
}

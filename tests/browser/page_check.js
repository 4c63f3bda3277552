// Checks a converted page as a reader sees it: the page is rendered by
// headless Chromium and every check reads the rendered page (computed
// styles, layout, visible text), never the HTML source.
//
//   node page_check.js CASE PROGRAM
//
// CASE is one of the names in `checks` below; PROGRAM is the built
// VardmoorHtml. Prints one line per failed expectation and exits 1 if there
// was any, 0 otherwise.
'use strict';

const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { pathToFileURL } = require('url');
const { withPage, openAsWindows1251 } = require('./chromium');
const fixtures = path.join(__dirname, 'fixtures');

let failures = 0;
function fail(message) {
  console.log('FAIL: ' + message);
  failures++;
}

// Converts fixtures/NAME.log into WORK/NAME.html with the program under test.
function convert(program, work, name) {
  const page = path.join(work, name + '.html');
  execFileSync(program, [path.join(fixtures, name + '.log'), page],
               { stdio: 'inherit' });
  return page;
}

// Words of fixture text that name their own colour, e.g. "red=800000".
// Each stands after a space or at the start of a line.
const colourToken = /(?<=^|\s)[a-z-]+=[0-9A-F]{6}/gm;

// In the page: the colour of every such token as rendered, as
// [token, "RRGGBB"] pairs.
function renderedTokenColours() {
  const hex = (css) => {
    const m = css.match(/^rgba?\((\d+), (\d+), (\d+)/);
    if (!m) return css;
    return m.slice(1, 4)
        .map((n) => Number(n).toString(16).toUpperCase().padStart(2, '0'))
        .join('');
  };
  const found = [];
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const tokens = node.data.match(/(?<=^|\s)[a-z-]+=[0-9A-F]{6}/gm) || [];
    const colour = hex(getComputedStyle(node.parentElement).color);
    for (const token of tokens) found.push([token, colour]);
  }
  return found;
}

// Every colour token of the log must be on the page, in its own colour.
async function expectTokenColours(page, logName) {
  const log = fs.readFileSync(path.join(fixtures, logName + '.log'), 'latin1');
  const expected = log.match(colourToken) || [];
  if (expected.length === 0) fail(logName + '.log names no colour');
  const found = await page.evaluate(renderedTokenColours);
  const seen = found.map(([token]) => token);
  if (seen.join(' ') !== expected.join(' '))
    fail(`tokens on the page: ${seen.join(' ')}\n  expected: ${expected.join(' ')}`);
  for (const [token, colour] of found) {
    const want = token.slice(-6);
    if (colour !== want) fail(`"${token}" is rendered in ${colour}`);
  }
  return found;
}

// In the page: each visible character of the log's text with its place,
// size and colour, as [c, x, y, width, height, "rgb(...)"].
function renderedCharacters() {
  const result = [];
  const pre = document.querySelector('pre');
  const walker = document.createTreeWalker(pre, NodeFilter.SHOW_TEXT);
  const range = document.createRange();
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const colour = getComputedStyle(node.parentElement).color;
    for (let i = 0; i < node.data.length; i++) {
      if (/\s/.test(node.data[i])) continue;
      range.setStart(node, i);
      range.setEnd(node, i + 1);
      const r = range.getBoundingClientRect();
      result.push([node.data[i], r.x, r.y, r.width, r.height, colour]);
    }
  }
  return result;
}

const checks = {
  // Each of the 16 palette entries and the default colour, set by the
  // sequences of the log, carried over lines and reset.
  async colours({ page, program, work }) {
    await page.goto(pathToFileURL(convert(program, work, 'colours')).href);
    const found = await expectTokenColours(page, 'colours');
    const palette = [
      '000000', '800000', '008000', '808000', '000080', '800080', '008080',
      'C0C0C0', '808080', 'FF0000', '00FF00', 'FFFF00', '0000FF', 'FF00FF',
      '00FFFF', 'FFFFFF'];
    const colours = new Set(found.map(([, colour]) => colour));
    for (const colour of palette)
      if (!colours.has(colour)) fail(`no text is rendered in ${colour}`);
  },

  // Columns line up: 20 narrow and 20 wide letters take the same width.
  async fixed_width({ page, program, work }) {
    await page.goto(pathToFileURL(convert(program, work, 'fixed_width')).href);
    const widths = await page.evaluate(() => {
      const result = [];
      const walker =
          document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
      for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        const m = node.data.match(/(i{20}|M{20})/);
        if (!m) continue;
        const range = document.createRange();
        range.setStart(node, m.index);
        range.setEnd(node, m.index + 20);
        result.push([m[1][0], range.getBoundingClientRect().width]);
      }
      return result;
    });
    const letters = widths.map(([letter]) => letter).join('');
    if (letters !== 'iMiM') fail(`lines measured: ${letters}, expected iMiM`);
    const first = widths.length ? widths[0][1] : 0;
    if (!(first > 20)) fail(`20 letters are ${first}px wide`);
    for (const [letter, width] of widths)
      if (Math.abs(width - first) > 0.01)
        fail(`20 "${letter}" are ${width}px wide, 20 "i" are ${first}px`);
  },

  // Game text that looks like markup is shown as those very characters,
  // and nothing in it runs or becomes an element.
  async markup({ page, program, work }) {
    const dialogs = [];
    page.on('dialog', (dialog) => {
      dialogs.push(dialog.message());
      dialog.dismiss();
    });
    await page.goto(pathToFileURL(convert(program, work, 'markup')).href);
    await page.waitForLoadState('load');
    const shown = await page.evaluate(() => ({
      text: document.body.innerText,
      title: document.title,
      ran: window.logScriptRan === true,
      tags: [...document.querySelectorAll('*')].map((e) => e.localName),
      links: document.querySelectorAll('a').length,
    }));
    const log = fs.readFileSync(path.join(fixtures, 'markup.log'), 'latin1');
    const lines = log.replace(/\x1b\[[0-9;]*m/g, '').split('\n').filter(Boolean);
    const shownLines = shown.text.split('\n');
    for (const line of lines)
      if (!shownLines.includes(line)) fail(`line not shown as is: ${line}`);
    if (shown.ran || shown.title !== '' || dialogs.length)
      fail('a script of the log ran');
    const allowed = new Set(['html', 'head', 'body', 'pre', 'font', 'a', 'br']);
    const foreign = shown.tags.filter((tag) => !allowed.has(tag));
    if (foreign.length) fail(`the log made elements: ${foreign.join(' ')}`);
    if (shown.links !== 2) fail(`${shown.links} links, expected the header's 2`);
  },

  // The page declares no character set; read as Windows-1251 (here: handed
  // to Chromium with that charset, as a web server would), the header's
  // Cyrillic words are Cyrillic.
  async cyrillic_header({ page, program, work }) {
    await openAsWindows1251(page, convert(program, work, 'colours'));
    const shown = await page.evaluate(() => ({
      charset: document.characterSet,
      first: document.body.innerText.split('\n')[0],
    }));
    if (shown.charset !== 'windows-1251')
      fail(`page read as ${shown.charset}, expected windows-1251`);
    const words = 'Конвертор ANSI-логов в HTML для';
    if (shown.first !== `**** ${words} Vardmoor MUD ****`)
      fail(`first line reads "${shown.first}", expected the words "${words}"`);
  },

  // Background codes change nothing a reader sees: a log with them shows
  // every character at the same place and in the same colour as the same
  // log without them, and no background is painted. (Screenshots are not
  // compared: Chromium anti-aliases a glyph slightly differently when the
  // text is cut into other elements, which no reader can see.)
  async background({ page, program, work }) {
    const seen = {};
    for (const name of ['background', 'background_plain']) {
      await page.goto(pathToFileURL(convert(program, work, name)).href);
      await expectTokenColours(page, name);
      const painted = await page.evaluate(() =>
        [...document.querySelectorAll('pre, pre *')]
            .map((e) => getComputedStyle(e).backgroundColor)
            .filter((c) => c !== 'rgba(0, 0, 0, 0)'));
      if (painted.length)
        fail(`${name}: backgrounds painted: ${painted.join(' ')}`);
      seen[name] = await page.evaluate(renderedCharacters);
    }
    const [a, b] = [seen.background, seen.background_plain];
    if (a.length < 100) fail(`only ${a.length} characters measured`);
    // Inline boxes are placed in 1/64 px steps, so where the text is cut
    // into other elements a character may move by such a step.
    const same = (c, d) => c && d && c[0] === d[0] && c[5] === d[5] &&
        [1, 2, 3, 4].every((k) => Math.abs(c[k] - d[k]) < 0.1);
    const at = a.findIndex((c, i) => !same(c, b[i]));
    if (at >= 0 || a.length !== b.length)
      fail(`with background codes: ${a[at]}\n  without: ${b[at]}`);
  },
};

async function main() {
  const [caseName, program] = process.argv.slice(2);
  const check = checks[caseName];
  if (!check || !program) {
    console.log('usage: node page_check.js CASE PROGRAM\ncases: ' +
                Object.keys(checks).join(' '));
    return 2;
  }
  // A fresh browser and profile for each check, so nothing of an earlier
  // run counts.
  await withPage({ width: 1000, height: 600 }, (page, work) =>
    check({ page, program: path.resolve(program), work }));
  console.log(failures ? `${caseName}: ${failures} failed` : `${caseName}: ok`);
  return failures ? 1 : 0;
}

main().then((status) => { process.exitCode = status; }, (error) => {
  console.log('FAIL: ' + (error && error.stack || error));
  process.exitCode = 1;
});

// Takes a picture of a converted page as headless Chromium shows it:
//   node screenshot.js PAGE PNG
// The page is read as Windows-1251, so the header's Cyrillic words show.
'use strict';

const path = require('path');
const { withPage, openAsWindows1251 } = require('./chromium');

async function main() {
  const [page, png] = process.argv.slice(2);
  if (!page || !png) {
    console.log('usage: node screenshot.js PAGE PNG');
    return 2;
  }
  await withPage({ width: 820, height: 200 }, async (browserPage) => {
    await openAsWindows1251(browserPage, path.resolve(page));
    await browserPage.screenshot({ path: png, fullPage: true });
  });
  return 0;
}

main().then((status) => { process.exitCode = status; }, (error) => {
  console.log(error && error.stack || error);
  process.exitCode = 1;
});

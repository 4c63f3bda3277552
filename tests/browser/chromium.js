// Headless Debian Chromium with a fresh profile, as every browser script
// here uses it. Playwright's own browser builds are not used.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');

const chromiumPath = '/usr/bin/chromium';
const chromiumFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
  '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync',
];

// Calls use(page, work) with a page of a new browser and a scratch folder,
// then closes the browser and removes the folder, whatever happened.
async function withPage(viewport, use) {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vardmoor-browser-'));
  let context;
  try {
    context = await chromium.launchPersistentContext(
        path.join(work, 'profile'), {
          executablePath: chromiumPath,
          headless: true,
          args: chromiumFlags,
          viewport,
        });
    const page = context.pages()[0] || await context.newPage();
    return await use(page, work);
  } finally {
    if (context) await context.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

// Opens the page file as a web server would hand it out with
// "charset=windows-1251": Chromium decodes the bytes itself. The address is
// answered inside the browser; nothing goes over the network.
async function openAsWindows1251(page, file) {
  const url = 'http://vardmoor-page.test/' + path.basename(file);
  await page.route(url, (route) => route.fulfill({
    status: 200,
    contentType: 'text/html; charset=windows-1251',
    body: fs.readFileSync(file),
  }));
  await page.goto(url);
}

module.exports = { withPage, openAsWindows1251 };

// The browser build's frame time in headless Chromium: the page at the size given, from the F1
// debug title's frame rate (averaged over a second), read twice a second. The title's own
// milliseconds are one frame's, and the browser's frames come unevenly (several quick ones, then
// one that waits for the renderer), so the rate tells the cost of a frame better.
// Usage: node benchmarks/web_frame.mjs SITE WIDTHxHEIGHT [READINGS]; prints one reading (ms) a line.
import { createRequire } from 'node:module';
import { serve } from '../scripts/serve-web.mjs';

// puppeteer-core is installed for the browser tests (scripts/packages.sh: ensure_web_test_tools).
const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');

const [site, size, readings = '20'] = process.argv.slice(2);
const [width, height] = size.split('x').map(Number);
const server = await serve(site);
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  // Software WebGL; without the vsync cap a frame takes what it costs, not the next 1/60 s.
  args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
    '--disable-gpu-vsync', '--disable-frame-rate-limit', `--window-size=${width + 100},${height + 200}`],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: width + 100, height: height + 200 });
  await page.goto(`http://127.0.0.1:${server.address().port}/?width=${width}&height=${height}`);
  await page.waitForFunction(() => document.title.startsWith('Kalvanor |'), { timeout: 60000 });
  await new Promise((done) => setTimeout(done, 2000));
  await page.keyboard.down('F1');
  await new Promise((done) => setTimeout(done, 300));
  await page.keyboard.up('F1');
  await new Promise((done) => setTimeout(done, 1000));
  for (let i = 0; i < Number(readings); ++i) {
    const title = await page.evaluate(() => document.title);
    const fps = /FPS: ([0-9.]+)/.exec(title);
    if (fps && Number(fps[1]) > 0) console.log((1000 / Number(fps[1])).toFixed(1));
    await new Promise((done) => setTimeout(done, 500));
  }
} finally {
  await browser.close();
  server.close();
}

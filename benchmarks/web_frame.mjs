// The browser build's frame time in headless Chromium: the page at the size given, its frames
// counted over two-second windows (the game draws once per animation frame). The browser's
// frames come unevenly — several quick ones, then one that waits for the renderer — so a single
// frame's time, as the F1 title shows it, says little; a window's mean says what a frame costs.
// Usage: node benchmarks/web_frame.mjs SITE WIDTHxHEIGHT [WINDOWS]; prints one mean (ms) a line.
import { createRequire } from 'node:module';
import { serve } from '../scripts/serve-web.mjs';

// puppeteer-core is installed for the browser tests (scripts/packages.sh: ensure_web_test_tools).
const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');

const [site, size, readings = '10'] = process.argv.slice(2);
const [width, height] = size.split('x').map(Number);
const server = await serve(site);
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  // Software WebGL, with the browser's usual frame pacing: lifting the 60 Hz cap
  // (--disable-frame-rate-limit) made the frames slower here (90-190 ms against 67-89 ms), as the
  // browser then produces frames that compete with the game's for the two cores.
  args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
    `--window-size=${width + 100},${height + 200}`],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: width + 100, height: height + 200 });
  await page.goto(`http://127.0.0.1:${server.address().port}/?width=${width}&height=${height}`);
  await page.waitForFunction(() => document.title.startsWith('Kalvanor |'), { timeout: 60000 });
  await new Promise((done) => setTimeout(done, 2000));
  for (let i = 0; i < Number(readings); ++i) {
    const ms = await page.evaluate(() => new Promise((done) => {
      let frames = 0;
      const start = performance.now();
      const count = (now) => {
        if (now - start >= 2000) {
          done((now - start) / Math.max(frames, 1));
          return;
        }
        ++frames;
        requestAnimationFrame(count);
      };
      requestAnimationFrame(count);
    }));
    console.log(ms.toFixed(1));
  }
} finally {
  await browser.close();
  server.close();
}

// Plays the browser build in headless Chromium: node web_test.mjs SITE_DIR (KALVANOR_WEB_SITE wins).
// KALVANOR_UPDATE_WEB_REFERENCE=1 rewrites reference_800x600.png from this run instead of comparing.
import fs from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from '../../scripts/serve-web.mjs';

const site = process.env.KALVANOR_WEB_SITE || process.argv[2] || '';
const reference = new URL('reference_800x600.png', import.meta.url);
const updateReference = process.env.KALVANOR_UPDATE_WEB_REFERENCE === '1';
if (!fs.existsSync(path.join(site, 'index.html'))) {
  console.error(`FAIL site: no index.html in '${site}'; build the page with scripts/build-web.sh`);
  process.exit(1);
}

let failed = 0;
function check(name, ok, measured) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}: ${measured}`);
  if (!ok) failed++;
}

const server = await serve(site);
// The same site without index.data: the start-up failure a broken upload would give.
const noDataServer = await serve(site, 0, ['index.data']);
const base = `http://127.0.0.1:${server.address().port}`;

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, protocolTimeout: 60000,
  args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--window-size=1000,900'],
});
// A hang fails with a message and takes Chromium with it instead of waiting for CTest's kill.
setTimeout(() => { check('run', false, 'no end after 200 s'); browser.process()?.kill('SIGKILL'); process.exit(1); }, 200000).unref();
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// Frames take 30-60 ms in software and longer on a loaded machine: wait for states, not times.
async function until(what, seconds, condition) {
  for (const end = Date.now() + seconds * 1000; Date.now() < end; await sleep(100)) {
    if (await condition()) return true;
  }
  console.log(`     (gave up waiting for ${what} after ${seconds} s)`);
  return false;
}

try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 900 });
  const errors = [];
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto(`${base}/index.html?width=800&height=600`);
  const canvas = await page.$('#canvas');
  const title = () => page.evaluate(() => document.title);
  const status = () => page.$eval('#status', (s) => s.textContent);
  const shot = async () => (await canvas.screenshot()).toString('base64');
  // Chromium decodes the PNGs, which needs no npm package; returns the stats of a and, given b,
  // the mean absolute difference per channel (0..255) and the share of pixels that changed.
  const measure = (a, b) => page.evaluate(async (a, b) => {
    const pixels = async (png) => {
      const bitmap = await createImageBitmap(await (await fetch('data:image/png;base64,' + png)).blob());
      const g = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      g.drawImage(bitmap, 0, 0);
      return g.getImageData(0, 0, bitmap.width, bitmap.height).data;
    };
    const p = await pixels(a), q = b && await pixels(b), n = p.length / 4;
    const colours = new Set();
    let sky = 0, snow = 0, beam = 0, diff = 0, changed = 0;
    for (let i = 0; i < p.length; i += 4) {
      const [r, g, bl] = [p[i], p[i + 1], p[i + 2]];
      colours.add((r << 16) | (g << 8) | bl);
      // The fog colour (0.8, 0.9, 0.95), which is also the sky; snow is a bluish white.
      if (Math.abs(r - 204) <= 8 && Math.abs(g - 230) <= 8 && Math.abs(bl - 242) <= 8) sky++;
      else if (r >= 190 && g >= 200 && bl >= 230) snow++;
      if (r >= 199 && g <= 99 && bl >= 59 && bl <= 199) beam++;
      if (!q) continue;
      const d = [Math.abs(r - q[i]), Math.abs(g - q[i + 1]), Math.abs(bl - q[i + 2])];
      diff += d[0] + d[1] + d[2];
      if (Math.max(...d) > 12) changed++;
    }
    return { colours: colours.size, sky: sky / n, snow: snow / n, beam, diff: diff / (3 * n), changed: changed / n };
  }, a, b);
  const hold = async (key, ms = 600) => { await page.keyboard.down(key); await sleep(ms); await page.keyboard.up(key); };

  // The enemies reach the player some 4 s after the first frame and kill it some 6 s later, and a
  // screenshot takes up to a second in software: the scene, driving and the beam come first and
  // are measured afterwards, so that decoding does not hold the game up.
  const size = await canvas.evaluate((c) => [c.width, c.height]);
  check('canvas size', size[0] === 800 && size[1] === 600, size.join('x'));
  const started = await until('the first title', 60, async () => (await title()).startsWith('Kalvanor |'));
  check('game started', started, `title '${await title()}', status '${await status()}'`);
  if (!started) throw new Error('the game never drew a frame; the rest would measure a blank canvas');
  await sleep(1000);
  const idleStart = await shot(); // also the scene compared with the reference, before the enemies near
  await sleep(1000);
  const idleEnd = await shot();
  const box = await canvas.boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 4);
  // The beam, aimed away from the camera, against the picture before it (enemies show some pink).
  // Polled: on a loaded machine a frame can take a quarter of a second, and the aim turns first.
  const beamBefore = (await measure(idleEnd)).beam;
  let firing, beamOn = 0;
  await page.mouse.down();
  await until('the beam', 8, async () => {
    firing = await shot();
    beamOn = (await measure(firing)).beam;
    return beamOn > beamBefore + 150;
  });
  await page.mouse.up();
  await page.keyboard.down('w');
  await sleep(1000);
  const driven = await shot();
  await page.keyboard.up('w');

  // 1. The scene at the size the address asks for, against the committed picture.
  if (updateReference) fs.writeFileSync(reference, Buffer.from(idleStart, 'base64'));
  const scene = await measure(idleStart, fs.readFileSync(reference).toString('base64'));
  check('distinct colours', scene.colours >= 3000, scene.colours);
  check('sky/fog fraction', scene.sky >= 0.05 && scene.sky <= 0.5, scene.sky.toFixed(3));
  check('snow fraction', scene.snow >= 0.3 && scene.snow <= 0.95, scene.snow.toFixed(3));
  check('difference to reference', scene.diff < 6, `${scene.diff.toFixed(2)} per channel`);

  // 3. The scene moves by itself: an enemy coming close changes the mean as much as driving, but
  // only where it is, while driving moves the whole ground. Hence the share of pixels changed.
  const idle = await measure(idleStart, idleEnd), drive = await measure(firing, driven);
  check('W drives', drive.changed > 2 * idle.changed + 0.1, `pixels changed driving: ${drive.changed.toFixed(3)}, ` +
    `idle: ${idle.changed.toFixed(3)} (mean difference ${drive.diff.toFixed(2)}, idle ${idle.diff.toFixed(2)})`);

  // 4. The beam, measured above.
  check('beam', beamOn > beamBefore + 150, `beam pixels: ${beamOn}, before: ${beamBefore}`);

  // 2. The debug line reaches the title and the status line under the canvas.
  await hold('F1');
  // The page copies the title into #status every 100 ms, so both are waited for.
  const debugOn = await until('the debug line', 10,
    async () => (await title()).includes('stop debugging') && (await status()).includes('stop debugging'));
  check('F1 debug line', debugOn, `title '${await title()}', status '${await status()}'`);

  // 5. Wireframe in debug mode.
  const solid = await shot();
  await hold('F3');
  const wire = await until('the wireframe title', 10, async () => (await title()).includes('[F3] wireframe'));
  const wireDiff = (await measure(solid, await shot())).diff;
  check('F3 wireframe', wire && wireDiff > 10, `title says wireframe: ${wire}, difference: ${wireDiff.toFixed(2)}`);

  // 6. Escape ends the loop: the page says so and the canvas stands still.
  await hold('Escape');
  const ended = await until('the end of the game', 10, () => page.$('body[data-ended=yes]').then(Boolean));
  const endStatus = await status();
  const still = await shot();
  await sleep(1000);
  const afterEnd = (await measure(still, await shot())).diff;
  check('Escape ends', ended && endStatus.includes('game ended') && afterEnd === 0,
    `ended: ${ended}, status '${endStatus}', change after: ${afterEnd.toFixed(2)}`);

  // 7. A game that runs well logs no errors.
  check('no errors', errors.length === 0, errors.length ? errors.join(' / ') : 'none');

  // 8. Without index.data the page must say why it does not start, not stay blank.
  const broken = await browser.newPage();
  await broken.goto(`http://127.0.0.1:${noDataServer.address().port}/index.html`);
  const said = await until('a failure line', 15, () => broken.$eval('#failure', (f) => /^kalvanor: .*index\.data/m.test(f.textContent)));
  const failure = await broken.$eval('#failure', (f) => f.textContent);
  check('missing index.data', said, `#failure '${failure}', status '${await broken.$eval('#status', (s) => s.textContent)}'`);
} catch (e) {
  check('run', false, e.stack);
} finally {
  await browser.close();
  server.close();
  noDataServer.close();
}
if (updateReference) console.log(`wrote ${reference.pathname}`);
console.log(failed ? `${failed} check(s) failed` : 'all checks passed');
process.exit(failed ? 1 : 0);

// A recorded simulation (left, right and left presses on a small application, recorded under a
// virtual display by the record_under_xvfb test) followed in headless Chromium with the button
// each page asks for.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, serve, watchedPage } from './published.mjs';

const folder = process.env.HTMLSIM_RECORDED;
const canvasScale = 0.7;

let server;
let origin;
let browser;

before(async () => {
  assert.ok(folder, 'HTMLSIM_RECORDED names the folder of the recorded pages');
  server = await serve({ '/': folder });
  origin = server.origin;
  browser = await launch();
});

after(async () => {
  await browser?.close();
  server?.close();
});

// The middle of the page's one area, where the browser takes it: an image map's AREA at the
// picture's place, a canvas's area scaled as its script draws it.
async function areaMiddle(page) {
  return page.evaluate((scale) => {
    const area = document.querySelector('area');
    const [x1, y1, x2, y2] = area
      ? area.coords.split(',').map(Number)
      : window.Areas[0].split(',').slice(0, 4).map((n) => Number(n) * scale);
    return { x: (x1 + x2) / 2, y: (y1 + y2) / 2 };
  }, canvasScale);
}

test('pages 1 to 4 are followed with left, right and left clicks', async () => {
  const page = await watchedPage(browser, { width: 800, height: 600 });
  await page.goto(`${origin}/demo001.html`);
  let middle = await areaMiddle(page);
  await page.mouse.click(middle.x, middle.y);
  await page.waitForURL(/demo002\.html$/);

  // The canvas page refuses the wrong button and takes the right one.
  await page.waitForLoadState('load');
  middle = await areaMiddle(page);
  await page.mouse.click(middle.x, middle.y);
  await page.waitForFunction(() => true);
  assert.deepEqual(page.alerts, ['This area needs a right click.']);
  await page.mouse.click(middle.x, middle.y, { button: 'right' });
  await page.waitForURL(/demo003\.html$/);

  await page.waitForLoadState('load');
  assert.equal(await page.locator('#Balloon_1').innerText(), 'Type: hello');
  middle = await areaMiddle(page);
  await page.mouse.click(middle.x, middle.y);
  await page.waitForURL(/demo004\.html$/);
  assert.equal(await page.locator('area').count(), 0);
  assert.deepEqual(page.errors, []);
  await page.close();
});

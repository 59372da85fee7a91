// A recorded simulation (left, right, left and left presses on a small application, recorded
// under a virtual display by the record_under_xvfb test) followed in headless Chromium with the
// button each page asks for.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { canvasScale, ServedSite } from './published.mjs';

const site = new ServedSite();

before(() => {
  assert.ok(process.env.HTMLSIM_RECORDED, 'HTMLSIM_RECORDED names the folder of the recorded pages');
  return site.start(process.env.HTMLSIM_RECORDED, { keep: true });
});

after(() => site.stop());

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

test('pages 1 to 5 are followed with left, right, left and left clicks', async () => {
  const page = await site.open('demo001.html');
  // A click in the middle of the page's area, and the page it leads to once loaded.
  const clickArea = async (button, next) => {
    const middle = await areaMiddle(page);
    await page.mouse.click(middle.x, middle.y, { button });
    if (next) await page.waitForURL(`${site.origin}/${next}`);
  };
  await clickArea('left', 'demo002.html');
  // The canvas page refuses the wrong button and takes the right one.
  await clickArea('left');
  await page.waitForFunction(() => true);
  assert.deepEqual(page.alerts, ['This area needs a right click.']);
  await clickArea('right', 'demo003.html');
  assert.equal(await page.locator('#Balloon_1').innerText(), 'Type: hello');
  await clickArea('left', 'demo004.html');
  await clickArea('left', 'demo005.html');
  assert.equal(await page.locator('area').count(), 0);
  assert.deepEqual(page.errors, []);
});

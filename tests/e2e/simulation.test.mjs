// The example simulation as htmlsim-cli writes it, clicked through in headless Chromium.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { canvasScale, cli, onCanvas, ServedSite, writeExample } from './published.mjs';

const site = new ServedSite();

before(async () => {
  const folder = mkdtempSync(join(tmpdir(), 'htmlsim-e2e-'));
  writeExample(folder);
  // A second copy whose dashboard canvas the editor drags by (20, 10), from a point on no area.
  execFileSync(cli, ['example', join(folder, 'moved')]);
  execFileSync(cli, ['drag', join(folder, 'moved', 'dashboard.html'), '600', '420', '620', '430']);
  await site.start(folder);
});

after(() => site.stop());

// The design htmlsim-cli reads from the served page.
const designOf = (page) =>
  JSON.parse(execFileSync(cli, ['design', join(site.folder, page)], { encoding: 'utf8' }));

// The boxes (left, top, width, height) of the elements the selector matches.
const boxes = (page, selector) =>
  page.$$eval(selector, (all) => all.map((element) => {
    const box = element.getBoundingClientRect();
    return [box.left, box.top, box.width, box.height];
  }));

// Opens `start`, clicks there with the button and waits for `target`, meeting no alert or error.
async function clickGoesTo(start, at, button, target) {
  const page = await site.open(start);
  await page.mouse.click(at.x, at.y, { button });
  await page.waitForURL(`${site.origin}/${target}`);
  assert.deepEqual({ alerts: page.alerts, errors: page.errors }, { alerts: [], errors: [] });
}

// The dashboard's canvas areas, in picture coordinates.
const settingsArea = [640, 20, 770, 56];
const logOutArea = [40, 110, 380, 270];
const settings = onCanvas(...settingsArea);
const logOut = onCanvas(...logOutArea);

describe('the click each area needs goes to its page', () => {
  for (const [start, at, button, target] of [
    ['login.html', { x: 400, y: 352 }, 'left', 'dashboard.html'],  // on the image map
    // The settings page's round Home button (centre 680,200, radius 45) and its arrow-shaped
    // Log out button (560,420 to the tip at 740,442), both drawn on the editor's surface.
    ['settings.html', { x: 680, y: 200 }, 'left', 'dashboard.html'],
    ['settings.html', { x: 600, y: 442 }, 'left', 'login.html'],
    ['dashboard.html', settings, 'left', 'settings.html'],  // on the canvas
    ['dashboard.html', logOut, 'right', 'login.html'],
    // The canvas the editor dragged to 20,10 took its areas along.
    ['moved/dashboard.html', onCanvas(...settingsArea, 20, 10), 'left', 'moved/settings.html'],
    ['moved/dashboard.html', onCanvas(...logOutArea, 20, 10), 'right', 'moved/login.html'],
  ]) {
    const where = `${Math.round(at.x)},${Math.round(at.y)}`;
    test(`${start}: a ${button} click at ${where} goes to ${target}`, () =>
      clickGoesTo(start, at, button, target));
  }

  test('the canvas dragged in the editor stands at 20,10', async () => {
    const page = await site.open('moved/dashboard.html');
    assert.deepEqual(await page.$eval('canvas', (c) => [c.offsetLeft, c.offsetTop]), [20, 10]);
  });
});

test('the browser hits circle and polygon areas within their shapes only', async () => {
  const page = await site.open('settings.html');
  for (const [x, y, hit] of [
    [680, 200, 'dashboard.html'],
    [710, 230, 'dashboard.html'],  // 42 from the centre
    [642, 162, 'IMG'],  // the corner of the circle's box
    [730, 442, 'login.html'],  // near the tip
    [735, 425, 'IMG'],  // beside the tip, inside the box
  ]) {
    assert.equal(await page.evaluate(([px, py]) => {
      const element = document.elementFromPoint(px, py);
      return element.tagName === 'AREA' ? element.getAttribute('href') : element.tagName;
    }, [x, y]), hit, `at ${x},${y}`);
  }
});

// The colours of a PNG at these points, read by the browser's own decoder.
function pixelsAt(page, png, points) {
  return page.evaluate(async ([data, at]) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    return at.map(({ x, y }) =>
      Array.from(context.getImageData(Math.round(x), Math.round(y), 1, 1).data.slice(0, 3)));
  }, [png.toString('base64'), points]);
}

describe('canvas', () => {
  test("is drawn where the editor's browser-scale view draws it", async () => {
    const page = await site.open('dashboard.html');
    await page.waitForFunction(() =>
      document.querySelector('canvas').getContext('2d').getImageData(5, 5, 1, 1).data[3] > 0);
    const shown = await page.screenshot({ clip: { x: 0, y: 0, width: 800, height: 500 } });
    const rendered = join(site.folder, 'dashboard-scaled.png');
    execFileSync(cli, ['render', join(site.folder, 'dashboard.html'), '-o', rendered, '--browser-scale']);
    // Inside the 800 x 500 picture drawn at 560 x 350 (away from the areas' outlines, which
    // the two draw differently), and beyond its scaled edges, where the page shows through.
    const points = [settings, logOut, { x: 15, y: 15 }, { x: 545, y: 335 }, { x: 300, y: 340 },
      { x: 575, y: 100 }, { x: 700, y: 30 }, { x: 300, y: 365 }, { x: 780, y: 480 }];
    const browser = await pixelsAt(page, shown, points);
    const surface = await pixelsAt(page, readFileSync(rendered), points);
    points.forEach((point, k) => {
      const apart = Math.max(...browser[k].map((value, c) => Math.abs(value - surface[k][c])));
      assert.ok(apart <= 24,
        `at ${point.x},${point.y}: ${browser[k]} in the browser, ${surface[k]} on the surface`);
    });
  });

  test('the pointer becomes a hand over an area only', async () => {
    const page = await site.open('dashboard.html');
    // Beyond the scaled area, though still inside it unscaled (700,30), is no area.
    for (const [x, y, cursor] of [[settings.x, settings.y, 'pointer'],
      [600 * canvasScale, 420 * canvasScale, 'auto'], [700, 30, 'auto']]) {
      await page.mouse.move(x, y);
      assert.equal(await page.$eval('canvas', (canvas) => canvas.style.cursor), cursor, `${x},${y}`);
    }
  });

  test('a right click on a left-click area is refused with an alert and stays', async () => {
    const page = await site.open('dashboard.html');
    const refused = page.waitForEvent('dialog');
    await page.mouse.click(settings.x, settings.y, { button: 'right' });
    await refused;
    assert.deepEqual(page.alerts, ['This area needs a left click.']);
    assert.match(page.url(), /dashboard\.html$/);
  });
});

describe('balloon', () => {
  test('stands where the surface shows it on a page whose picture is not at 0,0', async () => {
    const balloon = designOf('balloon-offset.html').areas.find((area) => area.AreaType === 1);
    const page = await site.open('balloon-offset.html');
    assert.deepEqual([[balloon.Left, balloon.Top, balloon.Width, balloon.Height]],
      await boxes(page, '#Balloon_1'));
  });

  test('is shown, hides while pressed and comes back when the mouse leaves', async () => {
    const page = await site.open('login.html');
    const balloon = page.locator('#Balloon_1');
    const visibility = () => balloon.evaluate((element) => getComputedStyle(element).visibility);
    assert.equal(await visibility(), 'visible');
    assert.match(await balloon.innerText(), /Type any name/);
    const box = await balloon.boundingBox();
    assert.deepEqual([box.x, box.y], [560, 250]);
    await page.mouse.move(box.x + 20, box.y + 20);
    await page.mouse.down();
    assert.equal(await visibility(), 'hidden');
    await page.mouse.up();
    await page.mouse.move(box.x - 100, box.y - 100);
    assert.equal(await visibility(), 'visible');
  });
});

test('the label, the anchor and the inputs stand where their styles place them', async () => {
  const page = await site.open('login.html');
  // The corner of the element's margin box, where "left" and "top" place it.
  const corner = (selector) =>
    page.$eval(selector, (element) => {
      const box = element.getBoundingClientRect();
      const style = getComputedStyle(element);
      return [box.left - parseFloat(style.marginLeft), box.top - parseFloat(style.marginTop)];
    });
  assert.deepEqual(await corner('label'), [20, 520]);
  assert.deepEqual(await corner('a'), [20, 560]);
  assert.deepEqual(await corner('input[type=Text]'), [20, 600]);
  assert.deepEqual(await corner('input[type=checkbox]'), [20, 640]);
  assert.equal(await page.$eval('input[type=checkbox]', (box) => box.checked), true);
  await page.click('a');
  await page.waitForURL(/dashboard\.html$/);
});

test("labels of three styles stand on the design surface within 2 pixels of the browser's boxes",
  async () => {
    const surface = designOf('labels.html').labels.map((label) => {
      const [left, top] = [/left:(\d+)/, /top:(\d+)/].map((at) => Number(label.Style.match(at)[1]));
      return [left, top, label.ShownWidth, label.ShownHeight];
    });
    const browser = await boxes(await site.open('labels.html'), 'label');
    console.log('label boxes (left, top, width, height), surface vs browser:', surface, browser);
    assert.equal(surface.length, 3);
    surface.forEach((box, i) => box.forEach((value, j) =>
      assert.ok(Math.abs(value - browser[i][j]) <= 2, `label ${i} ${j}: ${value} vs ${browser[i][j]}`)));
  });

test('the walk-through script Sim.js loads without a script error and defines buildSimulation',
  async () => {
    const page = await site.open('login.html');
    await page.addScriptTag({ url: `${site.origin}/Sim.js` });
    assert.equal(await page.evaluate(() => typeof buildSimulation), 'function');
    assert.deepEqual(page.errors, []);
  });

describe('pages the editor wrote', () => {
  // The GUI tests that build them keep them under the served folder (HTMLSIM_KEEP_PAGES).
  const builders = [
    'EmptyPage.AnInsertedPictureIsWrittenAsACanvasAtOnce',
    'InsertedPictures.APictureInsertedIntoACanvasPageBecomesAnImageMapAndNothingIsLost',
    'ToolbarSimulation.TwoPagesAreMadeWithTheToolbarAlone',
  ];

  before(() => {
    const guiTests = process.env.HTMLSIM_GUI_TESTS;
    assert.ok(guiTests, 'HTMLSIM_GUI_TESTS names the gui_tests that write the pages');
    execFileSync(guiTests, [`--gtest_filter=${builders.join(':')}`], {
      env: { ...process.env, HTMLSIM_KEEP_PAGES: join(site.folder, 'editor'), QT_QPA_PLATFORM: 'offscreen' },
      stdio: 'pipe',
    });
  });

  // Where their elements stand and how large they are, upright (pages/editor-pages.json): a
  // picture saved right after its insertion at its natural size, and a second picture on a
  // canvas page as an image map.
  const placements = readFileSync(new URL('pages/editor-pages.json', import.meta.url), 'utf8');
  for (const [path, placed] of Object.entries(JSON.parse(placements))) {
    test(`${path}: every picture upright in its place`, async () => {
      const page = await site.open(path);
      for (const [selector, box] of Object.entries(placed)) {
        assert.deepEqual((await boxes(page, selector))[0], box, selector);
        assert.equal(await page.$eval(selector, (e) => getComputedStyle(e).transform), 'none');
      }
      assert.deepEqual(page.errors, []);
    });
  }

  test('the second picture on a canvas page loses no area', async () => {
    const page = await site.open('editor/canvas-page/index.html');
    assert.equal(await page.evaluate(() => Areas.length), 2);
    assert.equal(await page.locator("map[name='Map1'] area").count(), 1);
    assert.equal(await page.locator('#Balloon_4').count(), 1);
  });

  test('the first of two pages made with the toolbar leads to the second', () =>
    clickGoesTo('editor/toolbar/login.html', onCanvas(20, 20, 120, 80), 'left',
      'editor/toolbar/welcome.html'));
});

// The example simulation as htmlsim-cli writes it, clicked through in headless Chromium.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { cli, launch, newPage, serve, watchedPage } from './published.mjs';

// The canvas script draws the picture, and hit-tests its areas, at this scale.
const canvasScale = 0.7;

let folder;
let server;
let origin;
let browser;

before(async () => {
  assert.ok(cli, 'HTMLSIM_CLI names the htmlsim-cli to write the pages with');
  folder = mkdtempSync(join(tmpdir(), 'htmlsim-e2e-'));
  execFileSync(cli, ['example', folder]);
  // A second copy whose dashboard canvas the editor drags by (20, 10), from a point on no area.
  execFileSync(cli, ['example', join(folder, 'moved')]);
  execFileSync(cli, ['drag', join(folder, 'moved', 'dashboard.html'), '600', '420', '620', '430']);
  server = await serve({ '/': folder });
  origin = server.origin;
  browser = await launch();
});

after(async () => {
  await browser?.close();
  server?.close();
  rmSync(folder, { recursive: true, force: true });
});

// A page of the simulation with its script errors and alerts recorded.
async function open(name) {
  const page = await watchedPage(browser, { width: 1000, height: 800 });
  await page.goto(`${origin}/${name}`);
  await page.waitForLoadState('load');
  return page;
}

// The middle of an area given by its picture coordinates on a canvas at the page's origin.
function onCanvas(x1, y1, x2, y2) {
  return { x: ((x1 + x2) / 2) * canvasScale, y: ((y1 + y2) / 2) * canvasScale };
}

describe('image map', () => {
  test('a left click on an area goes to its page', async () => {
    const page = await open('login.html');
    await page.mouse.click(400, 352);
    await page.waitForURL(/dashboard\.html$/);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

describe('circle and polygon areas', () => {
  // The settings page's round Home button (centre 680,200, radius 45) and its arrow-shaped
  // Log out button (560,420 to the tip at 740,442), both drawn on the editor's surface.
  const hitAt = (page, x, y) =>
    page.evaluate(([px, py]) => {
      const element = document.elementFromPoint(px, py);
      return element.tagName === 'AREA' ? element.getAttribute('href') : element.tagName;
    }, [x, y]);

  test('the browser hits them within their shapes only', async () => {
    const page = await open('settings.html');
    assert.equal(await hitAt(page, 680, 200), 'dashboard.html');
    assert.equal(await hitAt(page, 710, 230), 'dashboard.html');  // 42 from the centre
    assert.equal(await hitAt(page, 642, 162), 'IMG');  // the corner of the circle's box
    assert.equal(await hitAt(page, 730, 442), 'login.html');  // near the tip
    assert.equal(await hitAt(page, 735, 425), 'IMG');  // beside the tip, inside the box
    await page.close();
  });

  test('a click on each goes to its page', async () => {
    const page = await open('settings.html');
    await page.mouse.click(680, 200);
    await page.waitForURL(/dashboard\.html$/);
    await page.goto(`${origin}/settings.html`);
    await page.mouse.click(600, 442);
    await page.waitForURL(/login\.html$/);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
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
  const settings = onCanvas(640, 20, 770, 56);
  const logOut = onCanvas(40, 110, 380, 270);

  test("is drawn where the editor's browser-scale view draws it", async () => {
    const page = await open('dashboard.html');
    await page.waitForFunction(() =>
      document.querySelector('canvas').getContext('2d').getImageData(5, 5, 1, 1).data[3] > 0);
    const shown = await page.screenshot({ clip: { x: 0, y: 0, width: 800, height: 500 } });
    const rendered = join(folder, 'dashboard-scaled.png');
    execFileSync(cli, ['render', join(folder, 'dashboard.html'), '-o', rendered, '--browser-scale']);
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
    await page.close();
  });

  test('the pointer becomes a hand over an area only', async () => {
    const page = await open('dashboard.html');
    const cursor = () => page.$eval('canvas', (canvas) => canvas.style.cursor);
    await page.mouse.move(settings.x, settings.y);
    assert.equal(await cursor(), 'pointer');
    await page.mouse.move(600 * canvasScale, 420 * canvasScale);
    assert.equal(await cursor(), 'auto');
    // Beyond the scaled area, though still inside it unscaled, is no area.
    await page.mouse.move(700, 30);
    assert.equal(await cursor(), 'auto');
    await page.close();
  });

  test('a right click on a left-click area is refused with an alert and stays', async () => {
    const page = await open('dashboard.html');
    const refused = page.waitForEvent('dialog');
    await page.mouse.click(settings.x, settings.y, { button: 'right' });
    await refused;
    assert.deepEqual(page.alerts, ['This area needs a left click.']);
    assert.match(page.url(), /dashboard\.html$/);
    await page.close();
  });

  test('the click each area needs goes to its page', async () => {
    const page = await open('dashboard.html');
    await page.mouse.click(settings.x, settings.y);
    await page.waitForURL(/settings\.html$/);
    await page.goto(`${origin}/dashboard.html`);
    await page.mouse.click(logOut.x, logOut.y, { button: 'right' });
    await page.waitForURL(/login\.html$/);
    assert.deepEqual(page.alerts, []);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

describe('a canvas dragged in the editor', () => {
  // The middle of an area on the canvas now standing at 20,10.
  const moved = (x1, y1, x2, y2) => {
    const middle = onCanvas(x1, y1, x2, y2);
    return { x: 20 + middle.x, y: 10 + middle.y };
  };

  test('took its areas along: a click at each area\'s middle follows it', async () => {
    const page = await open('moved/dashboard.html');
    assert.deepEqual(await page.$eval('canvas', (c) => [c.offsetLeft, c.offsetTop]), [20, 10]);
    const settings = moved(640, 20, 770, 56);
    await page.mouse.click(settings.x, settings.y);
    await page.waitForURL(/moved\/settings\.html$/);
    await page.goto(`${origin}/moved/dashboard.html`);
    const logOut = moved(40, 110, 380, 270);
    await page.mouse.click(logOut.x, logOut.y, { button: 'right' });
    await page.waitForURL(/moved\/login\.html$/);
    assert.deepEqual(page.alerts, []);
    await page.close();
  });
});

describe('balloon', () => {
  test('stands where the surface shows it on a page whose picture is not at 0,0', async () => {
    const path = join(folder, 'balloon-offset.html');
    newPage(path, {
      Images: "<IMG SRC='login.png' Name='Map1' BORDER='0' Width='300' Height='200' " +
        "STYLE='position:absolute; left:100px; top:50px' UseMap='#Map1'/>\r\n<map name='Map1'>\r\n</map>\r\n",
      Balloons: "<div id='Balloon_1' style='position:absolute; z-index:1; left:150px; top:80px; " +
        "width:100; height:40px;background-color:salmon; border-radius:5px;' " +
        "OnMouseDown=this.style.visibility='hidden'; " +
        "OnMouseOut=this.style.visibility='visible';>Hi</div>\r\n",
    });
    const design = JSON.parse(execFileSync(cli, ['design', path], { encoding: 'utf8' }));
    const balloon = design.areas.find((area) => area.AreaType === 1);
    const browserPage = await open('balloon-offset.html');
    const box = await browserPage.$eval('#Balloon_1', (div) => {
      const r = div.getBoundingClientRect();
      return [r.left, r.top, r.width, r.height];
    });
    await browserPage.close();
    assert.deepEqual([balloon.Left, balloon.Top, balloon.Width, balloon.Height], box);
  });

  test('is shown, hides while pressed and comes back when the mouse leaves', async () => {
    const page = await open('login.html');
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
    await page.close();
  });
});

describe('page controls', () => {
  test('the label, the anchor and the inputs stand where their styles place them', async () => {
    const page = await open('login.html');
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
    await page.close();
  });
});

describe('labels on the design surface', () => {
  // Three styles; the surface draws each at the size the browser gives it.
  const labels = [
    "<Label style='position:absolute; left:20px; top:30px'>Default label</Label>",
    "<Label style='position:absolute; left:20px; top:80px; font-size:24'>Large label</Label>",
    "<Label style='position:absolute; left:20px; top:150px; font-weight:Bold'>Bold label</Label>",
  ];

  test("stand within 2 pixels of the browser's boxes", async () => {
    const path = join(folder, 'labels.html');
    newPage(path, { Labels: `${labels.join('\r\n')}\r\n` });
    const design = JSON.parse(execFileSync(cli, ['design', path], { encoding: 'utf8' }));
    const surface = design.labels.map((label) => {
      const [left, top] = [/left:(\d+)/, /top:(\d+)/].map((at) => Number(label.Style.match(at)[1]));
      return [left, top, label.ShownWidth, label.ShownHeight];
    });
    const browserPage = await open('labels.html');
    const browser = await browserPage.$$eval('label', (all) =>
      all.map((label) => {
        const box = label.getBoundingClientRect();
        return [box.left, box.top, box.width, box.height];
      }),
    );
    await browserPage.close();
    console.log('label boxes (left, top, width, height), surface vs browser:', surface, browser);
    assert.equal(surface.length, 3);
    surface.forEach((box, i) =>
      box.forEach((value, j) =>
        assert.ok(Math.abs(value - browser[i][j]) <= 2, `label ${i} ${j}: ${value} vs ${browser[i][j]}`),
      ),
    );
  });
});

describe('walk-through script', () => {
  test('Sim.js loads without a script error and defines buildSimulation', async () => {
    const page = await open('login.html');
    await page.addScriptTag({ url: `${origin}/Sim.js` });
    assert.equal(await page.evaluate(() => typeof buildSimulation), 'function');
    assert.deepEqual(page.errors, []);
    await page.close();
  });
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
      env: { ...process.env, HTMLSIM_KEEP_PAGES: join(folder, 'editor'), QT_QPA_PLATFORM: 'offscreen' },
      stdio: 'pipe',
    });
  });

  // Where the element stands, how large it is and whether anything turns it.
  const placement = (page, selector) =>
    page.$eval(selector, (element) => {
      const box = element.getBoundingClientRect();
      const { transform } = getComputedStyle(element);
      return { x: box.x, y: box.y, width: box.width, height: box.height, transform };
    });

  test('a picture saved right after its insertion is upright at its natural size', async () => {
    const page = await open('editor/inserted/index.html');
    assert.deepEqual(await placement(page, 'canvas'),
      { x: 0, y: 0, width: 60, height: 40, transform: 'none' });
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('a second picture on a canvas page is an upright image map and no area is lost', async () => {
    const page = await open('editor/canvas-page/index.html');
    assert.deepEqual(await placement(page, "img[name='other']"),
      { x: 0, y: 0, width: 60, height: 40, transform: 'none' });
    assert.deepEqual(await placement(page, "img[name='Map1']"),
      { x: 100, y: 50, width: 200, height: 150, transform: 'none' });
    assert.deepEqual(await placement(page, 'canvas'),
      { x: 100, y: 300, width: 200, height: 100, transform: 'none' });
    assert.equal(await page.evaluate(() => Areas.length), 2);
    assert.equal(await page.locator("map[name='Map1'] area").count(), 1);
    assert.equal(await page.locator('#Balloon_4').count(), 1);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('the first of two pages made with the toolbar leads to the second', async () => {
    const page = await open('editor/toolbar/login.html');
    const area = onCanvas(20, 20, 120, 80);
    await page.mouse.click(area.x, area.y);
    await page.waitForURL(/welcome\.html$/);
    assert.deepEqual(await placement(page, 'canvas'),
      { x: 0, y: 0, width: 60, height: 40, transform: 'none' });
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

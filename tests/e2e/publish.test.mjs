// The published player in headless Chromium: the bundled example (and the test pages beside it)
// published with htmlsim-cli, played in each mode, fast.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { exampleFolder, onPicture, publish, ServedSite, shown } from './published.mjs';

const require = createRequire(import.meta.url);
const axePath = require.resolve('axe-core/axe.min.js');
// Where the example's pages place their pictures, and its steps in page pixels.
const fullPage = { left: 0, top: 0, width: 800, height: 500 };
const logIn = { x: 400, y: 352 };
const settings = { x: 705, y: 38 };
// The test page's picture: at (120, 80), half of its natural 800 x 500.
const halfPage = { left: 120, top: 80, width: 400, height: 250 };

const site = new ServedSite();

before(() => {
  const { root, example } = exampleFolder();
  publish(join(example, 'login.html'), join(root, 'published'));
  publish(join(example, 'offset.html'), join(root, 'offset'), '--title', 'Offset');
  return site.start(root);
});

after(() => site.stop());

// The offset page's test on its second page, after the right click on the first.
async function secondPageOfOffsetTest() {
  const page = await site.open('offset/index.html?mode=test');
  await shown(page, 'lesson', 1);
  await clickOn(page, { x: 320, y: 256 }, halfPage);
  await shown(page, 'lesson', 2);
  return page;
}

async function clickOn(page, point, place, button = 'left') {
  const at = await onPicture(page, point.x, point.y, place);
  await page.mouse.click(at.x, at.y, { button });
}

// No serious or critical violation of WCAG 2.0, 2.1 and 2.2 A and AA on what the page shows.
async function assertAccessible(page, what) {
  if (await page.evaluate(() => typeof window.axe === 'undefined')) {
    await page.addScriptTag({ path: axePath });
  }
  const results = await page.evaluate(() => window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
  }));
  const grave = results.violations.filter((v) => ['serious', 'critical'].includes(v.impact));
  assert.deepEqual(grave.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [], what);
}

describe('Demo', () => {
  test('plays every page of the lesson by itself and stops at its end', async () => {
    const page = await site.open('published/index.html?mode=demo&speed=40');
    await shown(page, 'lesson', 3);
    assert.deepEqual(await page.evaluate(() => window.pagesShown), [1, 2, 3]);
    assert.equal(await page.locator('#caption').textContent(), 'End of the demonstration.');
    assert.equal(await page.locator('#play').textContent(), 'Replay');
    await assertAccessible(page, 'a page of the demo');
    await page.locator('#previous').click();
    await shown(page, 'lesson', 2);
    assert.equal(await page.locator('#finish').isHidden(), true);
    // The keys: Right arrow is Next, Left arrow Previous, Alt+P plays again from the start.
    for (const [key, number] of [['ArrowRight', 3], ['ArrowLeft', 2]]) {
      await page.keyboard.press(key);
      await shown(page, 'lesson', number);
    }
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('Alt+P');
    await page.waitForFunction(() => window.pagesShown.length === 10);
    assert.deepEqual(await page.evaluate(() => window.pagesShown), [1, 2, 3, 2, 3, 2, 3, 1, 2, 3]);
    assert.deepEqual(page.errors, []);
  });

  test('with reduced motion the pointer jumps', async () => {
    const page = await site.open('published/index.html?mode=demo&speed=40');
    await shown(page, 'lesson', 3);
    const duration = () => page.$eval('#pointer', (pointer) => getComputedStyle(pointer).transitionDuration);
    assert.notEqual(await duration(), '0s');
    await page.emulateMedia({ reducedMotion: 'reduce' });
    assert.equal(await duration(), '0s');
    await page.emulateMedia({ reducedMotion: 'no-preference' });
  });
});

describe('Practice', () => {
  test('a wrong button hints and stays, two misses highlight the step, the right click goes on',
    async () => {
      const page = await site.open('offset/index.html?mode=practice');
      await shown(page, 'lesson', 1);
      await assertAccessible(page, 'a page of the practice');
      // On the half-size picture at (120, 80) the centres of both areas hit them.
      for (const [x, y, name] of [[320, 256, 'Log in'], [155, 100, 'Help']]) {
        const at = await onPicture(page, x, y, halfPage);
        assert.equal(await page.evaluate(([px, py]) => document.elementFromPoint(px, py)
          .getAttribute('aria-label'), [at.x, at.y]), name);
      }
      await page.locator('#show-me').click();
      assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Log in');
      assert.equal(await page.locator('.area.highlight').getAttribute('aria-label'), 'Log in');
      await clickOn(page, { x: 320, y: 256 }, halfPage);
      await shown(page, 'lesson', 2);

      const step = { x: 210, y: 190 };
      await clickOn(page, step, fullPage);
      assert.equal(await page.locator('#caption').textContent(), 'This step needs a right click.');
      await page.waitForFunction(() => document.getElementById('status').textContent !== '');
      assert.equal(await page.locator('#status').textContent(), 'This step needs a right click.');
      assert.equal(await page.locator('.area.highlight').count(), 0);
      await clickOn(page, { x: 600, y: 420 }, fullPage);
      assert.equal(await page.locator('#caption').textContent(), 'Hint: Step 1 target.');
      assert.equal(await page.locator('.area.highlight').getAttribute('data-index'), '0');
      await clickOn(page, step, fullPage, 'right');
      await shown(page, 'result');
      assert.match(await page.locator('#result-text').textContent(), /completed the practice/);
      assert.match(await page.locator('#result-figures').textContent(), /Missed clicks2/);
      assert.deepEqual(page.errors, []);
      });
});

describe('Test', () => {
  test('one miss scores 1 of 2 and fails at the default pass mark', async () => {
    const page = await site.open('published/index.html');
    await shown(page, 'start');
    await assertAccessible(page, 'the mode screen');
    await page.getByRole('button', { name: 'Test' }).click();
    await shown(page, 'lesson', 1);
    await assertAccessible(page, 'a page of the test');
    await clickOn(page, { x: 100, y: 100 }, fullPage);
    assert.equal(await page.locator('#caption').textContent(), 'That is not the step. Try again.');
    await clickOn(page, logIn, fullPage);
    await shown(page, 'lesson', 2);
    await clickOn(page, settings, fullPage);
    await shown(page, 'result');
    assert.equal(await page.locator('#result-text').textContent(), 'Not passed.');
    assert.match(await page.locator('#result-figures').textContent(), /1 of 2 \(50 %\)Pass mark80 %/);
    await assertAccessible(page, 'the result screen');
    assert.deepEqual(page.errors, []);
  });

  test('the whole example is done with the keyboard alone', async () => {
    const page = await site.open('published/index.html');
    await shown(page, 'start');
    for (let k = 0; k < 3; k += 1) await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Test');
    await page.keyboard.press('Enter');
    // Enter and Space are left clicks; the step is the first area on both pages.
    for (const [number, name, key] of [[1, 'Log in', 'Enter'], [2, 'Step 1 target', ' ']]) {
      await shown(page, 'lesson', number);
      await page.keyboard.press('Tab');
      assert.deepEqual(await page.evaluate(() => ({
        name: document.activeElement.getAttribute('aria-label'),
        outline: getComputedStyle(document.activeElement).outlineStyle,
      })), { name, outline: 'solid' });
      await page.keyboard.press(key);
    }
    await shown(page, 'result');
    assert.equal(await page.locator('#result-text').textContent(), 'Passed.');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'result-title');
  });

  test('a long press on a touch screen is a right click', async () => {
    const page = await secondPageOfOffsetTest();
    const session = await page.context().newCDPSession(page);
    await session.send('Emulation.setTouchEmulationEnabled', { enabled: true });
    const at = await onPicture(page, 210, 190, fullPage);
    const touch = (type, points) => session.send('Input.dispatchTouchEvent', { type, touchPoints: points });
    await touch('touchStart', [{ x: at.x, y: at.y }]);
    await shown(page, 'result');
    await touch('touchEnd', []);
    assert.match(await page.locator('#result-figures').textContent(), /2 of 2/);
    await session.send('Emulation.setTouchEmulationEnabled', { enabled: false });
    await session.detach();
  });

  test('Shift+F10 on a focused area is a right click', async () => {
    const page = await secondPageOfOffsetTest();
    await page.keyboard.press('Tab');
    await page.keyboard.press('Shift+F10');
    await shown(page, 'result');
    assert.match(await page.locator('#result-figures').textContent(), /2 of 2/);
  });
});

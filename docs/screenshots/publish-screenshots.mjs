// Regenerates docs/images/publish-<mode>.png: the bundled example published with htmlsim-cli and
// shown by its player in each mode. Usage: node docs/screenshots/publish-screenshots.mjs [htmlsim-cli]
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launch } from '../../tests/e2e/published.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const cli = process.argv[2] || join(root, 'build', 'src', 'cli', 'htmlsim-cli');
const images = join(root, 'docs', 'images');
const scratch = mkdtempSync(join(tmpdir(), 'htmlsim-shots-'));
execFileSync(cli, ['example', join(scratch, 'site')]);
execFileSync(cli, ['publish', join(scratch, 'site', 'login.html'), '--out', join(scratch, 'out'),
  '--title', 'Acme Portal']);
const player = pathToFileURL(join(scratch, 'out', 'index.html')).href;

const browser = await launch();
const page = await browser.newPage({ viewport: { width: 900, height: 640 } });
const onScreen = (screen, number) => page.waitForFunction(([s, n]) => {
  const { dataset } = document.getElementById('player');
  return dataset.screen === s && (n === undefined || dataset.page === String(n));
}, [screen, number]);

// Demo: the pointer has reached the step and shows its click; paused there.
await page.goto(`${player}?mode=demo`);
await page.waitForSelector('#click-mark.left');
await page.locator('#play').click();
await page.screenshot({ path: join(images, 'publish-demo.png') });

// Practice: two misses on the dashboard; the hint shows and the step is highlighted.
await page.goto(`${player}?mode=practice`);
await page.locator('.area[aria-label="Log in"]').click();
await onScreen('lesson', 2);
for (let k = 0; k < 2; k += 1) await page.locator('#picture').click({ position: { x: 400, y: 300 } });
await page.waitForSelector('.area.highlight');
await page.mouse.move(0, 0);
await page.screenshot({ path: join(images, 'publish-practice.png') });

// Test: one miss, then the result screen.
await page.goto(`${player}?mode=test`);
await page.locator('#picture').click({ position: { x: 20, y: 20 } });
await page.locator('.area[aria-label="Log in"]').click();
await onScreen('lesson', 2);
await page.locator('.area[aria-label="Step 1 target"]').click();
await onScreen('result');
await page.screenshot({ path: join(images, 'publish-test.png') });

await browser.close();
rmSync(scratch, { recursive: true, force: true });

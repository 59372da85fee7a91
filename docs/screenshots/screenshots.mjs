// Regenerates docs/images/browser-<page>.png and docs/images/editor-<page>.png for every page of
// the bundled example: how a browser shows it, and how the editor's design surface shows it
// (`htmlsim-cli render`); docs/images/editor-dashboard-scaled.png, the canvas page as View >
// Browser Scale shows it (`htmlsim-cli render --browser-scale`); and
// docs/images/editor-window.png, the editor's whole window with its menus and toolbar on the
// log-in page (`htmlsim-cli window`).
// Usage: node docs/screenshots/screenshots.mjs [path of htmlsim-cli]
import { execFileSync } from 'node:child_process';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launch } from '../../tests/e2e/published.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const cli = process.argv[2] || join(root, 'build', 'src', 'cli', 'htmlsim-cli');
const example = join(root, 'examples', 'acme-portal');
const images = join(root, 'docs', 'images');

const browser = await launch();
for (const name of ['login', 'dashboard', 'settings']) {
  const page = await browser.newPage({ viewport: { width: 820, height: 680 } });
  await page.goto(pathToFileURL(join(example, `${name}.html`)).href);
  await page.waitForLoadState('load');
  await page.waitForTimeout(300); // the canvas draws its picture once it has loaded
  await page.screenshot({ path: join(images, `browser-${name}.png`) });
  await page.close();
  execFileSync(cli, ['render', join(example, `${name}.html`), '-o', join(images, `editor-${name}.png`)]);
}
await browser.close();
execFileSync(cli, ['render', join(example, 'dashboard.html'), '-o',
  join(images, 'editor-dashboard-scaled.png'), '--browser-scale']);
execFileSync(cli, ['window', join(example, 'login.html'), '-o', join(images, 'editor-window.png')]);

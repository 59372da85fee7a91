// Shared by the browser tests: the bundled example built afresh and published with htmlsim-cli,
// a static server on loopback and headless Chromium.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import {
  copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync,
} from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const cli = process.env.HTMLSIM_CLI;
const here = dirname(fileURLToPath(import.meta.url));
const types = {
  '.html': 'text/html',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.json': 'application/json',
  '.png': 'image/png',
  '.xml': 'text/xml',
};

// The example written by htmlsim-cli into the folder, with the test pages beside it.
export function writeExample(folder) {
  assert.ok(cli, 'HTMLSIM_CLI names the htmlsim-cli to write the example with');
  execFileSync(cli, ['example', folder]);
  for (const name of readdirSync(join(here, 'pages')).filter((file) => file.endsWith('.html'))) {
    copyFileSync(join(here, 'pages', name), join(folder, name));
  }
}

// A scratch folder holding the example with the test pages, and nothing published yet.
export function exampleFolder() {
  const root = mkdtempSync(join(tmpdir(), 'htmlsim-publish-'));
  const example = join(root, 'example');
  writeExample(example);
  return { root, example };
}

// A new page written by htmlsim-cli (`cli`, this one by default) with these section bodies
// (name -> HTML): each goes into the template's section of that name, or into a new section
// before the body's end.
export function newPage(path, sections, program = cli) {
  execFileSync(program, ['new', path]);
  let page = readFileSync(path, 'latin1');
  for (const [name, body] of Object.entries(sections)) {
    const marker = `<!-- Section: ${name} -->\r\n`;
    page = page.includes(marker)
      ? page.replace(marker, marker + body)
      : page.replace('</BODY>', `${marker}${body}<!-- Section End -->\r\n</BODY>`);
  }
  writeFileSync(path, page, 'latin1');
}

export function publish(start, out, ...options) {
  execFileSync(cli, ['publish', start, '--out', out, ...options]);
  return out;
}

export function launch() {
  return chromium.launch({
    executablePath: process.env.HTMLSIM_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox'],
  });
}

// A folder served on 127.0.0.1 to headless Chromium for the tests of one file: `start` in their
// `before`, `stop` in their `after`, which removes the folder too unless it is to be kept.
export class ServedSite {
  async start(folder, { keep = false } = {}) {
    Object.assign(this, { folder, keep });
    this.server = createServer((request, response) => {
      const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
      try {
        const body = readFileSync(join(folder, path));
        response.writeHead(200, { 'Content-Type': types[extname(path)] || 'application/octet-stream' });
        response.end(body);
      } catch {
        response.writeHead(404);
        response.end();
      }
    });
    await new Promise((resolve) => this.server.listen(0, '127.0.0.1', resolve));
    this.origin = `http://127.0.0.1:${this.server.address().port}`;
    this.browser = await launch();
  }

  async stop() {
    await this.browser?.close();
    this.server?.close();
    if (this.folder && !this.keep) rmSync(this.folder, { recursive: true, force: true });
  }

  // The site's page at this path. One browser page serves every test (a new one takes long on a
  // busy machine); it records the script errors (page.errors), the alerts it dismissed
  // (page.alerts) and the player's page changes (window.pagesShown) since this opened.
  async open(path) {
    if (!this.page) {
      const page = await this.browser.newPage({ viewport: { width: 1000, height: 800 } });
      page.on('pageerror', (error) => page.errors.push(error.message));
      page.on('dialog', async (dialog) => {
        page.alerts.push(dialog.message());
        await dialog.dismiss();
      });
      await page.addInitScript(() => {
        window.pagesShown = [];
        document.addEventListener('htmlsim:page', (event) => window.pagesShown.push(event.detail.page));
      });
      this.page = page;
    }
    Object.assign(this.page, { errors: [], alerts: [] });
    await this.page.goto(`${this.origin}/${path}`);
    return this.page;
  }
}

// Resolves once the player shows this screen ("start", "lesson", "result") and page.
export async function shown(target, screen, pageNumber) {
  await target.waitForFunction(
    ([wantedScreen, wantedPage]) => {
      const player = document.getElementById('player');
      return player && player.dataset.screen === wantedScreen &&
        (wantedPage === undefined || player.dataset.page === String(wantedPage));
    },
    [screen, pageNumber],
  );
}

// The canvas script draws the picture, and hit-tests its areas, at this scale.
export const canvasScale = 0.7;

// The middle of an area given by its picture coordinates, on a canvas standing at (left, top).
export const onCanvas = (x1, y1, x2, y2, left = 0, top = 0) =>
  ({ x: left + ((x1 + x2) / 2) * canvasScale, y: top + ((y1 + y2) / 2) * canvasScale });

// The point on screen of a position on the shown picture, given in the page's own pixels, for
// a picture the page places at `place` (left, top, width, height).
export async function onPicture(target, x, y, place) {
  const box = await target.locator('#picture').boundingBox();
  return {
    x: box.x + ((x - place.left) * box.width) / place.width,
    y: box.y + ((y - place.top) * box.height) / place.height,
  };
}

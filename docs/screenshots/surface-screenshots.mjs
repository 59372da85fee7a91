// Regenerates docs/images/surface-browser.png and docs/images/surface-editor.png: one page with a
// background colour, a balloon and labels in three styles, as a browser shows it and as the
// editor's design surface shows it (`htmlsim-cli render`).
// Usage: node docs/screenshots/surface-screenshots.mjs [path of htmlsim-cli]
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launch, newPage } from '../../tests/e2e/published.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const cli = process.argv[2] || join(root, 'build', 'src', 'cli', 'htmlsim-cli');
const images = join(root, 'docs', 'images');
const scratch = mkdtempSync(join(tmpdir(), 'htmlsim-surface-'));
const path = join(scratch, 'page.html');

copyFileSync(join(root, 'examples', 'acme-portal', 'login.png'), join(scratch, 'login.png'));
newPage(path, {
  Images:
    "<IMG SRC='login.png' Name='Map1' BORDER='0' Width='400' Height='280' " +
    "STYLE='position:absolute; left:0px; top:0px' UseMap='#Map1'/>\r\n<map name='Map1'>\r\n</map>\r\n",
  Balloons:
    "<div id='Balloon_1' style='position:absolute; z-index:1; left:250px; top:40px; width:150; " +
    "height:80px;background-color:salmon; border-radius:8px;' " +
    "OnMouseDown=this.style.visibility='hidden'; OnMouseOut=this.style.visibility='visible';>" +
    '</br><center>Type <b>any</b> name,</br>then <i>Log in</i></center></div>\r\n',
  Labels:
    "<Label style='position:absolute; left:20px; top:320px'>A label as the page has it</Label>\r\n" +
    "<Label style='position:absolute; left:20px; top:350px; font-size:24'>font-size:24</Label>\r\n" +
    "<Label style='position:absolute; left:20px; top:390px; font-weight:Bold'>Bold</Label>\r\n",
}, cli);

const browser = await launch();
const shown = await browser.newPage({ viewport: { width: 440, height: 430 } });
await shown.goto(pathToFileURL(path).href);
await shown.waitForLoadState('load');
await shown.screenshot({ path: join(images, 'surface-browser.png') });
await browser.close();
execFileSync(cli, ['render', path, '-o', join(images, 'surface-editor.png')]);
rmSync(scratch, { recursive: true, force: true });

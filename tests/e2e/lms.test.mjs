// The published example as SCORM packages: the manifests, the zip, and a fake LMS page on
// loopback that hosts the package in an iframe and records every call of its API object.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { exampleFolder, publish, ServedSite, shown } from './published.mjs';

// An LMS runtime: the API object and its calls named in the address; it records each call and
// answers from a store given there too.
const lmsPage = `<!DOCTYPE html><html lang="en"><head><title>LMS</title></head><body><script>
const query = new URLSearchParams(location.search);
window.store = JSON.parse(query.get('store') || '{}');
window.calls = [];
const names = query.get('calls').split(',');
const api = {};
for (const name of names) {
  api[name] = (...args) => {
    window.calls.push([name, ...args]);
    if (name === names[1]) return window.store[args[0]] ?? '';
    if (name === names[2]) window.store[args[0]] = args[1];
    return 'true';
  };
}
window[query.get('api')] = api;
const frame = document.createElement('iframe');
frame.title = 'Course';
frame.style.cssText = 'width: 1000px; height: 700px; border: 0';
frame.src = '/' + query.get('package') + '/index.html?speed=60' +
  (query.get('mode') ? '&mode=' + query.get('mode') : '');
document.body.append(frame);
</script></body></html>`;

// Each version's API object, its calls (initialize, get, set, commit, finish), where it keeps
// the learner's place and how it writes a session's time.
const versions = {
  '1.2': {
    api: 'API', calls: ['LMSInitialize', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSFinish'],
    location: 'cmi.core.lesson_location', time: /^\d{4}:\d\d:\d\d\.\d\d$/,
  },
  '2004': {
    api: 'API_1484_11', calls: ['Initialize', 'GetValue', 'SetValue', 'Commit', 'Terminate'],
    location: 'cmi.location', time: /^PT(\d+H)?(\d+M)?\d+(\.\d\d?)?S$/,
  },
};

// The calls of a session, one file a version and the way it went: session times read "TIME",
// suspend data is an object without its elapsed time.
const expectedCalls = (version, session) =>
  JSON.parse(readFileSync(new URL(`lms-calls/${version}-${session}.json`, import.meta.url), 'utf8'));

const site = new ServedSite();

before(async () => {
  const { root, example } = exampleFolder();
  for (const version of Object.keys(versions)) {
    const out = join(root, `out-${version}`);
    publish(join(example, 'login.html'), out, '--scorm', version, '--title', 'Acme & Co');
    // The LMS gets the zip, unpacked.
    execFileSync('unzip', ['-q', join(out, 'simulation.zip'), '-d', join(root, `lms-${version}`)]);
  }
  await site.start(root, { pages: { '/lms.html': lmsPage } });
});

after(() => site.stop());

describe('package', () => {
  // What a manifest names is pinned by the cli corpus (e2e-publish-scorm-*).
  test('each manifest in a zip is well-formed and the one published beside the zip', () => {
    for (const version of Object.keys(versions)) {
      const manifest = join(site.folder, `lms-${version}`, 'imsmanifest.xml');
      execFileSync('xmllint', ['--noout', manifest]);
      const published = join(site.folder, `out-${version}`, 'imsmanifest.xml');
      assert.ok(readFileSync(manifest).equals(readFileSync(published)), version);
    }
  });

  test('the zip holds the files at its root, nothing from outside, and is the same every time', () => {
    const zip = join(site.folder, 'out-1.2', 'simulation.zip');
    const names = execFileSync('unzip', ['-Z1', zip], { encoding: 'utf8' }).trim().split('\n');
    assert.deepEqual(names, ['Sim.js', 'dashboard.png', 'imsmanifest.xml', 'index.html', 'login.png',
      'player.css', 'player.js', 'settings.png', 'simulation.json']);
    const again = publish(join(site.folder, 'example', 'login.html'), join(site.folder, 'again'),
      '--scorm', '1.2', '--title', 'Acme & Co');
    assert.ok(readFileSync(zip).equals(readFileSync(join(again, 'simulation.zip'))));
  });
});

// Opens the fake LMS on the package of `version`; resolves with the page and the course's frame.
async function openLms(version, mode, store = {}) {
  const { api, calls } = versions[version];
  const query = new URLSearchParams({ api, calls, package: `lms-${version}`, store: JSON.stringify(store) });
  if (mode) query.set('mode', mode);
  const page = await site.open(`lms.html?${query}`);
  const frame = await (await page.waitForSelector('iframe')).contentFrame();
  return { page, frame };
}

// The calls made so far, with the suspend data read as data (its time left out) and the session
// time checked against the version's format.
async function callsOf(page, version) {
  const { calls: [, , set], time } = versions[version];
  return (await page.evaluate(() => window.calls)).map(([name, key, value]) => {
    if (name !== set) return key === undefined ? [name] : [name, key];
    if (key === 'cmi.suspend_data') {
      const { elapsed, ...data } = JSON.parse(value);
      assert.equal(typeof elapsed, 'number');
      return [name, key, data];
    }
    if (key.endsWith('session_time')) {
      assert.match(value, time);
      return [name, key, 'TIME'];
    }
    return [name, key, value];
  });
}

// Clicks the example's lesson on to its second page in `mode`, one miss on the first in the test.
async function toSecondPage(frame, mode) {
  await shown(frame, 'lesson', 1);
  if (mode === 'test') await frame.locator('#picture').click({ position: { x: 20, y: 20 } });
  await frame.locator('.area[aria-label="Log in"]').click();
  await shown(frame, 'lesson', 2);
}

// Takes the second page's step, or in the demo waits for the last page and finishes.
async function toResult(frame, mode) {
  if (mode === 'demo') {
    await shown(frame, 'lesson', 3);
    await frame.locator('#finish').click();
  } else {
    await frame.locator('.area[aria-label="Step 1 target"]').click();
  }
  await shown(frame, 'result');
}

describe('LMS', () => {
  for (const version of Object.keys(versions)) {
    for (const mode of ['demo', 'practice', 'test']) {
      test(`SCORM ${version}, ${mode}: the calls from start to exit`, async () => {
        const { page, frame } = await openLms(version, mode);
        if (mode !== 'demo') await toSecondPage(frame, mode);
        await toResult(frame, mode);
        await frame.locator('#exit').click();
        assert.deepEqual(await callsOf(page, version), expectedCalls(version, mode));
      });
    }

    test(`SCORM ${version}: leaving the page ends the session, and the next one resumes`, async () => {
      const { calls: [init, get, set], location } = versions[version];
      const first = await openLms(version, 'test');
      await toSecondPage(first.frame, 'test');
      await first.frame.goto('about:blank');
      const calls = await callsOf(first.page, version);
      assert.deepEqual(calls, expectedCalls(version, 'left'));
      const stored = await first.page.evaluate(() => window.store);

      // Back on page 2 of the test with its first page's miss: the right click ends it at 1 of 2.
      const second = await openLms(version, undefined, stored);
      await shown(second.frame, 'lesson', 2);
      await toResult(second.frame, 'test');
      assert.match(await second.frame.locator('#result-figures').textContent(), /1 of 2 \(50 %\)/);
      const resumed = await callsOf(second.page, version);
      assert.deepEqual(resumed.slice(0, 5), [
        [init, ''],
        [get, location],
        [get, 'cmi.suspend_data'],
        [set, location, '2'],
        [set, 'cmi.suspend_data', { mode: 'test', page: 2, answered: 1, correct: 0, misses: 1 }],
      ]);
      assert.ok(resumed.some(([, key, value]) => /lesson_status|success_status/.test(key) && value === 'failed'));
    });
  }
});

// The published example as SCORM packages: the manifests, the zip, and a fake LMS page on
// loopback that hosts the package in an iframe and records every call of its API object.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { exampleFolder, publish, ServedSite, shown } from './published.mjs';

// Each version's API object, its calls (initialize, get, set, commit, finish) and how it writes a
// session's time.
const versions = {
  '1.2': {
    api: 'API', calls: ['LMSInitialize', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSFinish'],
    time: /^\d{4}:\d\d:\d\d\.\d\d$/,
  },
  '2004': {
    api: 'API_1484_11', calls: ['Initialize', 'GetValue', 'SetValue', 'Commit', 'Terminate'],
    time: /^PT(\d+H)?(\d+M)?\d+(\.\d\d?)?S$/,
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
  copyFileSync(new URL('lms-calls/lms.html', import.meta.url), join(root, 'lms.html'));
  await site.start(root);
});

after(() => site.stop());

// What a manifest names and what a zip holds, byte for byte, are pinned by the cli corpus
// (e2e-publish-scorm-*).
test('the manifest in each zip is well-formed', () => {
  for (const version of Object.keys(versions)) {
    execFileSync('xmllint', ['--noout', join(site.folder, `lms-${version}`, 'imsmanifest.xml')]);
  }
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
      const first = await openLms(version, 'test');
      await toSecondPage(first.frame, 'test');
      await first.frame.goto('about:blank');
      assert.deepEqual(await callsOf(first.page, version), expectedCalls(version, 'left'));
      const stored = await first.page.evaluate(() => window.store);

      // Back on page 2 of the test with its first page's miss: the right click ends it at 1 of 2.
      const second = await openLms(version, undefined, stored);
      await shown(second.frame, 'lesson', 2);
      await toResult(second.frame, 'test');
      assert.match(await second.frame.locator('#result-figures').textContent(), /1 of 2 \(50 %\)/);
      assert.deepEqual(await callsOf(second.page, version), expectedCalls(version, 'resumed'));
    });
  }
});

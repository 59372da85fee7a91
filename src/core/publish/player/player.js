// The player of a published simulation: Demo plays the lesson by itself, Practice guides the
// learner with hints, Test scores the first click on each page. Reports to an LMS through the
// SCORM 1.2 or 2004 API when one is found, and runs as a plain page without one.
'use strict';

(() => {
  const data = JSON.parse(document.getElementById('simulation-data').textContent);
  const query = new URLSearchParams(location.search);
  const speed = Number(query.get('speed')) > 0 ? Number(query.get('speed')) : data.speed || 1;
  // The demo's pace at speed 1, in milliseconds.
  const timing = { move: 1200, click: 600, dwell: 1400 };
  const longPress = 550;
  const modeNames = { demo: 'Demo', practice: 'Practice', test: 'Test' };

  const $ = (id) => document.getElementById(id);
  const player = $('player');
  const frame = $('frame');
  const picture = $('picture');
  const areaLayer = $('areas');
  const balloonLayer = $('balloons');
  const pointer = $('pointer');
  const clickMark = $('click-mark');

  // The lesson: pages 1..N in walk order, ending at the first page without a step. The step of
  // page n is its first area leading to page n + 1.
  const stepOf = (page) => page.areas.findIndex((area) => area.target === page.number + 1);
  const lessonLength = (() => {
    const end = data.pages.findIndex((page) => stepOf(page) < 0);
    return end < 0 ? data.pages.length : end + 1;
  })();
  const stepCount = lessonLength - 1;

  const state = {
    mode: null,
    page: 1,
    misses: 0, // on this page
    totalMisses: 0,
    answered: 0, // pages whose first click has been counted (Test)
    correct: 0,
    firstClickDone: false,
    elapsedBefore: 0, // seconds of earlier sessions, from the LMS
    startedAt: 0,
    playing: false,
    timers: [],
    finished: false,
  };

  // ---- LMS -------------------------------------------------------------------------------

  function findApi(name) {
    const search = (start) => {
      for (let win = start, hops = 0; win && hops < 12; hops += 1) {
        try {
          if (win[name]) return win[name];
        } catch {
          return null; // another origin
        }
        if (win.parent === win) break;
        win = win.parent;
      }
      return null;
    };
    return search(window) || (window.opener ? search(window.opener) : null);
  }

  function pad(number, width) {
    return String(number).padStart(width, '0');
  }

  function scorm12Time(seconds) {
    const hundredths = Math.round(seconds * 100);
    const h = Math.floor(hundredths / 360000);
    const m = Math.floor((hundredths % 360000) / 6000);
    const s = (hundredths % 6000) / 100;
    return `${pad(h, 4)}:${pad(m, 2)}:${s.toFixed(2).padStart(5, '0')}`;
  }

  function iso8601Time(seconds) {
    const hundredths = Math.round(seconds * 100);
    const h = Math.floor(hundredths / 360000);
    const m = Math.floor((hundredths % 360000) / 6000);
    const s = String((hundredths % 6000) / 100);
    return `PT${h ? `${h}H` : ''}${m ? `${m}M` : ''}${s}S`;
  }

  // One interface over both versions: what differs is the names.
  function connectLms() {
    const versions = {
      '2004': { api: 'API_1484_11', init: 'Initialize', get: 'GetValue', set: 'SetValue',
        commit: 'Commit', finish: 'Terminate', location: 'cmi.location', time: iso8601Time },
      '1.2': { api: 'API', init: 'LMSInitialize', get: 'LMSGetValue', set: 'LMSSetValue',
        commit: 'LMSCommit', finish: 'LMSFinish', location: 'cmi.core.lesson_location',
        time: scorm12Time },
    };
    const order = data.scorm === '1.2' ? ['1.2', '2004'] : ['2004', '1.2'];
    for (const version of order) {
      const names = versions[version];
      const api = findApi(names.api);
      if (api) return { version, api, names, open: false, closed: false };
    }
    return null;
  }

  const lms = connectLms();

  // Nothing is sent to an LMS that refused to start the session, or after it ended.
  function lmsCall(method, ...args) {
    if (!lms || lms.closed || (method !== 'init' && !lms.open)) return '';
    try {
      return lms.api[lms.names[method]](...args);
    } catch {
      return '';
    }
  }

  function lmsSet(name, value) {
    lmsCall('set', name, String(value));
  }

  function lmsStart() {
    if (!lms) return null;
    lms.open = String(lmsCall('init', '')) === 'true';
    const stored = {
      location: Number(lmsCall('get', lms.names.location)) || 0,
      suspend: String(lmsCall('get', 'cmi.suspend_data') || ''),
    };
    try {
      stored.saved = stored.suspend ? JSON.parse(stored.suspend) : null;
    } catch {
      stored.saved = null;
    }
    return stored;
  }

  function lmsPage() {
    if (!lms) return;
    lmsSet(lms.names.location, state.page);
    lmsSet('cmi.suspend_data', JSON.stringify({
      mode: state.mode,
      page: state.page,
      answered: state.answered,
      correct: state.correct,
      misses: state.totalMisses,
      elapsed: Math.round(elapsedSeconds()),
    }));
  }

  function lmsComplete(score) {
    if (!lms) return;
    const test = state.mode === 'test';
    const passed = test && score.percent >= data.passPercent;
    if (lms.version === '1.2') {
      if (test) {
        lmsSet('cmi.core.score.raw', score.percent);
        lmsSet('cmi.core.score.min', 0);
        lmsSet('cmi.core.score.max', 100);
      }
      lmsSet('cmi.core.lesson_status', test ? (passed ? 'passed' : 'failed') : 'completed');
      lmsSet('cmi.core.session_time', lms.names.time(sessionSeconds()));
    } else {
      lmsSet('cmi.completion_status', 'completed');
      if (test) {
        lmsSet('cmi.success_status', passed ? 'passed' : 'failed');
        lmsSet('cmi.score.scaled', score.percent / 100);
        lmsSet('cmi.score.raw', score.percent);
        lmsSet('cmi.score.min', 0);
        lmsSet('cmi.score.max', 100);
      }
      lmsSet('cmi.session_time', lms.names.time(sessionSeconds()));
    }
    lmsCall('commit', '');
  }

  // Leaving before the end suspends the attempt, so that the LMS offers the stored location and
  // suspend data next time.
  function lmsFinish() {
    if (!lms || lms.closed) return;
    if (!state.finished) {
      const v12 = lms.version === '1.2';
      lmsSet(v12 ? 'cmi.core.exit' : 'cmi.exit', 'suspend');
      lmsSet(v12 ? 'cmi.core.session_time' : 'cmi.session_time', lms.names.time(sessionSeconds()));
      lmsCall('commit', '');
    }
    lmsCall('finish', '');
    lms.closed = true;
  }

  // ---- time and announcements ------------------------------------------------------------

  function sessionSeconds() {
    return state.startedAt ? (performance.now() - state.startedAt) / 1000 : 0;
  }

  function elapsedSeconds() {
    return state.elapsedBefore + sessionSeconds();
  }

  function announce(text) {
    // Emptied first so that the same hint twice is read twice.
    $('status').textContent = '';
    requestAnimationFrame(() => { $('status').textContent = text; });
  }

  function emit(name, detail) {
    document.dispatchEvent(new CustomEvent(`htmlsim:${name}`, { detail }));
  }

  // ---- screens ---------------------------------------------------------------------------

  function showScreen(name) {
    player.dataset.screen = name;
    for (const id of ['start', 'lesson', 'result']) $(id).hidden = id !== name;
  }

  // Untitled areas are numbered in page order, so that the name gives no step away in a test.
  function areaName(page, area) {
    return area.title || `Step ${page.areas.indexOf(area) + 1} target`;
  }

  function percentBox(box, place) {
    return {
      left: `${(box.left / place.width) * 100}%`,
      top: `${(box.top / place.height) * 100}%`,
      width: `${(box.width / place.width) * 100}%`,
      height: `${(box.height / place.height) * 100}%`,
    };
  }

  function renderPage() {
    const page = data.pages[state.page - 1];
    const { place } = page;
    frame.style.setProperty('--ratio', `${place.width} / ${place.height}`);
    picture.src = page.picture.split('/').map(encodeURIComponent).join('/');
    picture.alt = page.name;
    frame.setAttribute('aria-label', `Page ${state.page} of ${lessonLength}: ${page.name}`);
    areaLayer.replaceChildren(...page.areas.map((area, index) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'area';
      button.dataset.index = String(index);
      button.setAttribute('aria-label', areaName(page, area));
      Object.assign(button.style, percentBox(area.box, place));
      return button;
    }));
    balloonLayer.replaceChildren(...page.balloons.map((balloon) => {
      const element = document.createElement('div');
      element.className = 'balloon';
      element.innerHTML = balloon.html;
      Object.assign(element.style, percentBox(balloon.box, place));
      element.style.backgroundColor = balloon.background;
      if (balloon.radius) element.style.borderRadius = `calc(${parseFloat(balloon.radius) || 0}px * var(--scale, 1))`;
      return element;
    }));
    $('mode-name').textContent = modeNames[state.mode];
    $('page-label').textContent = `page ${state.page} of ${lessonLength}`;
    $('progress').max = Math.max(stepCount, 1);
    $('progress').value = state.page - 1;
    $('caption').textContent = '';
    clickMark.className = '';
    updateScale();
    state.misses = 0;
    state.firstClickDone = false;
    player.dataset.page = String(state.page);
    updateControls();
    lmsPage();
    emit('page', { page: state.page, mode: state.mode });
  }

  function updateScale() {
    const page = data.pages[state.page - 1];
    if (page && frame.clientWidth) frame.style.setProperty('--scale', frame.clientWidth / page.place.width);
  }

  function updateControls() {
    const demo = state.mode === 'demo';
    const atEnd = state.page >= lessonLength;
    $('previous').hidden = !demo;
    $('next').hidden = !demo;
    $('play').hidden = !demo;
    $('previous').disabled = state.page <= 1;
    $('next').disabled = atEnd;
    $('play').textContent = state.playing ? 'Pause' : atEnd ? 'Replay' : 'Play';
    $('show-me').hidden = state.mode !== 'practice';
    $('finish').hidden = !(demo && atEnd);
  }

  function start(mode, resume) {
    state.mode = mode;
    state.page = 1;
    state.answered = 0;
    state.correct = 0;
    state.totalMisses = 0;
    state.elapsedBefore = 0;
    state.finished = false;
    if (resume && resume.mode === mode) {
      state.page = Math.min(Math.max(Number(resume.page) || 1, 1), lessonLength);
      state.answered = Number(resume.answered) || 0;
      state.correct = Number(resume.correct) || 0;
      state.totalMisses = Number(resume.misses) || 0;
      state.elapsedBefore = Number(resume.elapsed) || 0;
    } else if (resume && resume.location) {
      state.page = Math.min(Math.max(resume.location, 1), lessonLength);
    }
    state.startedAt = state.startedAt || performance.now();
    player.dataset.mode = mode;
    showScreen('lesson');
    state.playing = mode === 'demo';
    goTo(state.page);
    frame.focus();
  }

  function goTo(number) {
    stopTimers();
    state.page = number;
    renderPage();
    if (state.page >= lessonLength) {
      reachEnd();
    } else if (state.playing) {
      playStep();
    }
  }

  function reachEnd() {
    if (state.mode === 'demo') {
      state.playing = false;
      $('caption').textContent = 'End of the demonstration.';
      announce('End of the demonstration. Choose Finish to leave it.');
      updateControls();
      complete();
      return;
    }
    complete();
    showResult();
  }

  function score() {
    const percent = stepCount ? Math.round((state.correct / stepCount) * 100) : 100;
    return { correct: state.correct, steps: stepCount, percent };
  }

  function complete() {
    if (state.finished) return;
    lmsComplete(score());
    state.finished = true;
    emit('complete', { mode: state.mode, score: score() });
  }

  function formatDuration(seconds) {
    const whole = Math.round(seconds);
    const m = Math.floor(whole / 60);
    const s = whole % 60;
    return m ? `${m} min ${s} s` : `${s} s`;
  }

  function showResult() {
    stopTimers();
    state.playing = false;
    const figures = [];
    let text;
    if (state.mode === 'test') {
      const { correct, steps, percent } = score();
      const passed = percent >= data.passPercent;
      text = passed ? 'Passed.' : 'Not passed.';
      figures.push(['Score', `${correct} of ${steps} (${percent} %)`]);
      figures.push(['Pass mark', `${data.passPercent} %`]);
      player.dataset.passed = String(passed);
    } else if (state.mode === 'practice') {
      text = 'You have completed the practice.';
      figures.push(['Missed clicks', String(state.totalMisses)]);
    } else {
      text = 'You have watched the whole demonstration.';
    }
    figures.push(['Time taken', formatDuration(elapsedSeconds())]);
    $('result-text').textContent = text;
    $('result-figures').replaceChildren(...figures.flatMap(([term, value]) => {
      const dt = document.createElement('dt');
      dt.textContent = term;
      const dd = document.createElement('dd');
      dd.textContent = value;
      return [dt, dd];
    }));
    showScreen('result');
    $('result-title').focus();
    announce(`${text} ${figures.map(([term, value]) => `${term}: ${value}.`).join(' ')}`);
    emit('result', { mode: state.mode, score: score() });
  }

  // ---- Demo ------------------------------------------------------------------------------

  function later(ms, action) {
    state.timers.push(setTimeout(action, ms / speed));
  }

  function stopTimers() {
    for (const timer of state.timers) clearTimeout(timer);
    state.timers = [];
  }

  function centreOf(box, place) {
    return {
      x: ((box.left + box.width / 2) / place.width) * 100,
      y: ((box.top + box.height / 2) / place.height) * 100,
    };
  }

  function playStep() {
    const page = data.pages[state.page - 1];
    const area = page.areas[stepOf(page)];
    const centre = centreOf(area.box, page.place);
    pointer.style.transitionDuration = `${timing.move / speed}ms`;
    pointer.style.left = `${centre.x}%`;
    pointer.style.top = `${centre.y}%`;
    $('caption').textContent = areaName(page, area);
    later(timing.move, () => {
      clickMark.style.left = `${centre.x}%`;
      clickMark.style.top = `${centre.y}%`;
      clickMark.className = area.click;
      $('caption').textContent = `${areaName(page, area)}: ${area.click} click`;
      later(timing.click, () => later(timing.dwell / 2, () => goTo(state.page + 1)));
    });
  }

  function togglePlay() {
    if (state.mode !== 'demo') return;
    if (state.playing) {
      state.playing = false;
      stopTimers();
      updateControls();
      announce('Paused. Choose Play to go on.');
      return;
    }
    state.playing = true;
    announce('Playing.');
    goTo(state.page >= lessonLength ? 1 : state.page);
  }

  function step(delta) {
    if (state.mode !== 'demo') return;
    const target = state.page + delta;
    if (target >= 1 && target <= lessonLength) goTo(target);
  }

  // ---- Practice and Test -----------------------------------------------------------------

  function targetButton() {
    const page = data.pages[state.page - 1];
    return areaLayer.querySelector(`[data-index="${stepOf(page)}"]`);
  }

  function highlightTarget() {
    const button = targetButton();
    if (button) button.classList.add('highlight');
  }

  // A click of the learner: on area `index` (-1 beside every area) with `button`.
  function learnerClick(index, button) {
    if (player.dataset.screen !== 'lesson' || state.mode === 'demo' || state.page >= lessonLength) return;
    const page = data.pages[state.page - 1];
    const stepIndex = stepOf(page);
    const stepArea = page.areas[stepIndex];
    const right = index === stepIndex && button === stepArea.click;
    if (state.mode === 'test' && !state.firstClickDone) {
      state.firstClickDone = true;
      state.answered += 1;
      if (right) state.correct += 1;
    }
    if (right) {
      goTo(state.page + 1);
      if (player.dataset.screen === 'lesson') {
        frame.focus();
        announce(`Page ${state.page} of ${lessonLength}.`);
      }
      return;
    }
    state.misses += 1;
    state.totalMisses += 1;
    if (state.mode === 'test') {
      $('caption').textContent = 'That is not the step. Try again.';
      announce('That is not the step. Try again.');
      return;
    }
    const hint = index === stepIndex
      ? `This step needs a ${stepArea.click} click.`
      : `Hint: ${areaName(page, stepArea)}.`;
    $('caption').textContent = hint;
    announce(hint);
    if (state.misses >= 2) highlightTarget();
  }

  function showMe() {
    highlightTarget();
    const page = data.pages[state.page - 1];
    const area = page.areas[stepOf(page)];
    const text = `${areaName(page, area)}: ${area.click} click.`;
    $('caption').textContent = text;
    announce(text);
    const button = targetButton();
    if (button) button.focus();
  }

  function areaIndexOf(element) {
    const button = element.closest && element.closest('.area');
    return button ? Number(button.dataset.index) : -1;
  }

  // Touch: a long press is a right click; the browser's own click or menu after it is ignored.
  let pressTimer = null;
  let pressHandled = false;
  frame.addEventListener('pointerdown', (event) => {
    pressHandled = false;
    if (event.pointerType !== 'touch') return;
    const index = areaIndexOf(event.target);
    pressTimer = setTimeout(() => {
      pressHandled = true;
      learnerClick(index, 'right');
    }, longPress);
  });
  for (const name of ['pointerup', 'pointercancel', 'pointerleave']) {
    frame.addEventListener(name, () => clearTimeout(pressTimer));
  }
  frame.addEventListener('click', (event) => {
    if (pressHandled) return;
    if (event.target === frame) return; // focus landing on the group itself
    learnerClick(areaIndexOf(event.target), 'left');
  });
  frame.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    if (pressHandled) return;
    learnerClick(areaIndexOf(event.target), 'right');
  });
  frame.addEventListener('keydown', (event) => {
    const menuKey = event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey);
    if (menuKey && areaIndexOf(event.target) >= 0) {
      event.preventDefault();
      learnerClick(areaIndexOf(event.target), 'right');
    }
  });

  // ---- wiring ----------------------------------------------------------------------------

  for (const button of document.querySelectorAll('.mode')) {
    button.addEventListener('click', () => start(button.dataset.mode, storedState));
  }
  $('play').addEventListener('click', togglePlay);
  $('previous').addEventListener('click', () => step(-1));
  $('next').addEventListener('click', () => step(1));
  $('show-me').addEventListener('click', showMe);
  $('finish').addEventListener('click', showResult);
  $('again').addEventListener('click', () => {
    storedState = null;
    state.startedAt = 0;
    delete player.dataset.passed;
    showScreen('start');
    document.querySelector('.mode').focus();
  });
  $('exit').addEventListener('click', () => {
    lmsFinish();
    $('result-text').textContent = 'You can close this window now.';
    announce('You can close this window now.');
  });
  document.addEventListener('keydown', (event) => {
    if (state.mode !== 'demo' || player.dataset.screen !== 'lesson') return;
    if (event.key === 'ArrowLeft') step(-1);
    else if (event.key === 'ArrowRight') step(1);
    else if (event.altKey && event.code === 'KeyP') togglePlay();
    else return;
    event.preventDefault();
  });
  new ResizeObserver(updateScale).observe(frame);
  window.addEventListener('pagehide', lmsFinish);

  let storedState = null;
  const stored = lmsStart();
  if (stored) {
    storedState = stored.saved && modeNames[stored.saved.mode]
      ? stored.saved
      : stored.location ? { location: stored.location } : null;
  }
  const askedMode = query.get('mode');
  const resumeMode = storedState && storedState.mode;
  if (resumeMode) {
    start(resumeMode, storedState);
  } else if (modeNames[askedMode]) {
    start(askedMode, storedState);
  } else {
    showScreen('start');
  }
})();

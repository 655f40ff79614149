// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page in a real browser, as a person uses the window: node
// browser_test.mjs BROWSER SITE-FOLDER [SCREENSHOT-FOLDER]
//
// BROWSER is the path of Debian's chromium or firefox-esr, driven headless by
// puppeteer-core (through WebDriver BiDi for Firefox), with the page in
// Korean.  The site is served from 127.0.0.1.  A page error, a console error
// (a blocked resource among them) or a failed request fails the test.  The
// expected lines come from the cycle's worked examples and from an oracle
// that shares nothing with the calculator (count from AD 4, which was 갑자).

import { readFileSync, mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { chromiumArgs, serve } from './serve.mjs';

const [executablePath, site, shots] = process.argv.slice(2);
const firefox = /firefox/.test(executablePath);

// ---------------------------------------------------------------------------
// The oracle.

// prettier-ignore
const names = [
  '갑자', '을축', '병인', '정묘', '무진', '기사', '경오', '신미', '임신', '계유', '갑술', '을해',
  '병자', '정축', '무인', '기묘', '경진', '신사', '임오', '계미', '갑신', '을유', '병술', '정해',
  '무자', '기축', '경인', '신묘', '임진', '계사', '갑오', '을미', '병신', '정유', '무술', '기해',
  '경자', '신축', '임인', '계묘', '갑진', '을사', '병오', '정미', '무신', '기유', '경술', '신해',
  '임자', '계축', '갑인', '을묘', '병진', '정사', '무오', '기미', '경신', '신유', '임술', '계해',
];
// The two lines for a year of an era: its place from AD 4, and the one index
// of that place in the range the era's years take.
const expected = (bc, year) => {
  const place = (((BigInt(bc ? 1 - year : year) - 4n) % 60n) + 60n) % 60n;
  const p = Number(place);
  let index = p;
  if (!bc && year < 1984) index = p === 0 ? 60 : p;
  if (bc && year > 30057) index = p === 0 ? 0 : p - 60;
  return [String(index), names[p]];
};
const thisYear = new Date().getFullYear();
const note = 'AD1년~ 신유(57)년부터 시작하고, BC1년 경신년(56)부터 시작함 ';

// ---------------------------------------------------------------------------
// A small runner: every check runs, and each failure is told.

const failures = [];
const check = (what, ok, detail = '') => {
  if (!ok) failures.push(`${what}${detail ? `: ${detail}` : ''}`);
};
const same = (what, actual, wanted) =>
  check(
    what,
    JSON.stringify(actual) === JSON.stringify(wanted),
    `got ${JSON.stringify(actual)}, want ${JSON.stringify(wanted)}`,
  );

const server = await serve(site);
const profile = mkdtempSync(join(tmpdir(), 'ganji-browser-'));
const browser = await puppeteer.launch({
  executablePath,
  browser: firefox ? 'firefox' : 'chrome',
  headless: true,
  userDataDir: profile,
  args: firefox ? [] : chromiumArgs,
  extraPrefsFirefox: { 'intl.accept_languages': 'ko-KR, ko' },
});

// A page of the site; what goes wrong in it is a failure of the test.
let offline = false;
const open = async (viewport = { width: 800, height: 700 }) => {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  page.on('pageerror', (error) => check('no page error', false, error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') check('no console error', false, message.text());
  });
  page.on('requestfailed', (request) => {
    if (!offline) check('no failed request', false, `${request.url()} ${request.failure()?.errorText}`);
  });
  page.on('response', (response) =>
    check('no failed response', response.status() < 400, `${response.url()} ${response.status()}`),
  );
  await page.goto(server.url);
  await page.waitForFunction(() => document.getElementById('Memo1').value.split('\n').length >= 3);
  return page;
};
const lines = (page) => page.$eval('#Memo1', (memo) => memo.value.split('\n'));
const type = async (page, id, text) => {
  await page.$eval(`#${id}`, (field) => field.select());
  await page.keyboard.press('Backspace');
  if (text) await page.type(`#${id}`, text);
};
// The lines a click adds: the transcript after it, less the transcript before.
const clickAdds = async (page, button) => {
  const before = await lines(page);
  await page.click(`#${button}`);
  await page
    .waitForFunction(
      (n) => document.getElementById('Memo1').value.split('\n').length !== n,
      { timeout: 5000 },
      before.length,
    )
    .catch(() => {});
  const after = await lines(page);
  same(`${button} keeps what was there`, after.slice(0, before.length), before);
  return after.slice(before.length);
};

// ---------------------------------------------------------------------------

// At opening: the title, the language, the focus in the transcript, today's
// date in the browser's language (Korean: "2026. 12. 8."), the year field,
// the era, and the three opening lines.
{
  const page = await open();
  same('title', await page.title(), '도');
  same('language', await page.$eval('html', (html) => html.lang), 'ko');
  same('focus at opening', await page.evaluate(() => document.activeElement.id), 'Memo1');
  const today = new Date();
  same(
    'date label',
    await page.$eval('#L1', (label) => label.textContent),
    `${today.getFullYear()}. ${today.getMonth() + 1}. ${today.getDate()}.`,
  );
  same('year field', await page.$eval('#Edit1', (field) => field.value), String(thisYear));
  same('years-back field', await page.$eval('#Edit2', (field) => field.value), '');
  same(
    'era at opening',
    await page.$$eval('input[type=radio]', (radios) => radios.map((radio) => [radio.id, radio.checked])),
    [
      ['RBAD', true],
      ['RBBC', false],
    ],
  );
  same('opening lines', await lines(page), [note, String(thisYear), expected(false, thisYear)[1]]);

  // Every control is what the web calls it, named for a screen reader.
  same(
    'labels name their fields',
    await page.evaluate(() =>
      [...document.querySelectorAll('input')].map((input) => [input.id, input.labels[0]?.textContent]),
    ),
    [
      ['Edit1', '년'],
      ['RBAD', 'AD'],
      ['RBBC', 'BC'],
      ['Edit2', '올해부터 몇년 전 계산'],
    ],
  );
  same(
    'buttons and transcript',
    await page.evaluate(() =>
      ['B1', 'Button1', 'Memo1'].map((id) => {
        const control = document.getElementById(id);
        return [control.tagName, control.getAttribute('aria-label')];
      }),
    ),
    [
      ['BUTTON', '년도의 간지 계산'],
      ['BUTTON', '몇년 전의 간지 계산'],
      ['TEXTAREA', '계산 결과'],
    ],
  );
  same(
    'the radio buttons are one group',
    await page.$$eval(
      'fieldset input[type=radio]',
      (radios) => new Set(radios.map((radio) => radio.name)).size,
    ),
    1,
  );

  // The controls stand where the layout puts them, at the designed size.
  const box = async (id) => {
    const origin = await page.$eval('#TForm1', (window) => window.getBoundingClientRect().toJSON());
    const rect = await page.$eval(id, (control) => control.getBoundingClientRect().toJSON());
    return [rect.x - origin.x, rect.y - origin.y, rect.width, rect.height].map(Math.round);
  };
  same('transcript place', await box('#Memo1'), [24, 80, 433, 465]);
  same('year field place', await box('#Edit1'), [152, 40, 57, 20]);
  same('B1 place', await box('#B1'), [216, 40, 81, 33]);
  same('AD place', await box('#RBAD-box'), [24, 40, 49, 17]);
  same('BC place', await box('#RBBC-box'), [80, 40, 49, 17]);
  same('Button1 place', await box('#Button1'), [376, 40, 81, 33]);
  same('years-back field place', await box('#Edit2'), [312, 40, 57, 20]);
  same('window size', (await box('#TForm1')).slice(2), [493, 600]);

  // The tab order is the window's; the checked radio button stands for its
  // pair, and the arrow keys move in it.
  const visited = [];
  for (let i = 0; i < 5; ++i) {
    await page.keyboard.press('Tab');
    visited.push(await page.evaluate(() => document.activeElement.id));
  }
  same('tab order', visited, ['Edit1', 'B1', 'RBAD', 'Button1', 'Edit2']);
  await page.focus('#RBAD');
  await page.keyboard.press('ArrowRight');
  same('arrow key chooses BC', await page.$eval('#RBBC', (radio) => radio.checked), true);
  await page.keyboard.press('ArrowLeft');
  same('Tab and arrows add no line', (await lines(page)).length, 3);
  await page.close();
}

// B1: a year in the chosen era, read with the desktop field's rule.
{
  const page = await open();
  const cases = [
    [false, '1924', ['60', '갑자']],
    [false, '1984', ['0', '갑자']],
    [false, '1', ['57', '신유']],
    [true, '1', ['56', '경신']],
    [true, '30058', ['-1', '계해']],
    [false, '', ['56', '경신']],
    [true, '', ['57', '신유']],
    [false, '올해', ['56', '경신']],
    [false, '0x7B2', ['56', '경신']],
    [false, '  1924 ', ['60', '갑자']],
    [false, '\u30001924\u3000', ['60', '갑자']],
    [false, '+1984', ['0', '갑자']],
    [false, '-2147483648', ['48', '임자']],
    [false, '2147483647', expected(false, 2147483647)],
    [true, '2147483647', expected(true, 2147483647)],
    [false, '2147483648', ['56', '경신']],
    [false, '-2147483649', ['56', '경신']],
  ];
  for (const [bc, text, answer] of cases) {
    await page.click(bc ? '#RBBC' : '#RBAD');
    await type(page, 'Edit1', text);
    same(`B1, ${bc ? 'BC' : 'AD'} ${JSON.stringify(text)}`, await clickAdds(page, 'B1'), answer);
  }
  await page.close();
}

// Button1: so many years back from this year.
{
  const page = await open();
  const cases = [
    ['', false, thisYear],
    ['0', false, thisYear],
    [String(thisYear), true, 1],
    [String(thisYear + 1), true, 2],
    ['-10', false, thisYear + 10],
    ['abc', false, thisYear],
    ['2147483647', true, 2147483647 - thisYear + 1],
    ['-2147483648', false, thisYear + 2147483648],
  ];
  for (const [text, bc, year] of cases) {
    await type(page, 'Edit2', text);
    same(`Button1, ${JSON.stringify(text)}`, await clickAdds(page, 'Button1'), expected(bc, year));
  }
  // After Button1 went into BC, B1 still answers in the era shown.
  await type(page, 'Edit2', String(thisYear + 5));
  await clickAdds(page, 'Button1');
  await page.click('#RBAD');
  await type(page, 'Edit1', '1');
  same('B1 follows the radio buttons after Button1 went into BC', await clickAdds(page, 'B1'), [
    '57',
    '신유',
  ]);

  // Wide: years of both eras across the cycle and the ends of the ranges,
  // each click two lines, none lost.
  const years = [];
  for (let year = -130; year <= 130; year += 7) years.push(year);
  years.push(1983, 1984, 2044, 30056, 30057, 30058, 30117, 30118, 999999, -999999);
  const written = await page.evaluate(async (years) => {
    const field = document.getElementById('Edit1');
    const memo = document.getElementById('Memo1');
    const out = [];
    for (const bc of [false, true]) {
      document.getElementById(bc ? 'RBBC' : 'RBAD').checked = true;
      for (const year of years) {
        const n = memo.value.length;
        field.value = String(year);
        document.getElementById('B1').click();
        while (memo.value.length === n) await new Promise((r) => setTimeout(r, 1));
        out.push(memo.value.slice(n + 1).split('\n'));
      }
    }
    return out;
  }, years);
  same(
    'many years, both eras',
    written,
    [false, true].flatMap((bc) => years.map((year) => expected(bc, year))),
  );
  await page.close();
}

// Megabytes in a field: the calculator's memory grows to take them.
{
  const page = await open();
  const answers = await page.evaluate(() => {
    const memo = document.getElementById('Memo1');
    const answer = (field, button, text) => {
      document.getElementById(field).value = text;
      const n = memo.value.length;
      document.getElementById(button).click();
      return memo.value.slice(n + 1).split('\n');
    };
    return [
      answer('Edit1', 'B1', `${' '.repeat(12 << 20)}1924 `),
      answer('Edit2', 'Button1', '9'.repeat(24 << 20)),
      answer('Edit1', 'B1', '1984'),
    ];
  });
  same('megabytes of blanks around a year', answers[0], ['60', '갑자']);
  same('megabytes of digits are no number', answers[1], expected(false, thisYear));
  same('and the page carries on', answers[2], ['0', '갑자']);
  same('no failure shown', await page.$eval('#failure', (dialog) => dialog.open), false);
  await page.close();
}

// Undo in the transcript takes back the person's typing, never the
// program's lines: neither the opening ones nor a click's.
for (const clicked of [false, true]) {
  const page = await open();
  if (clicked) {
    await type(page, 'Edit1', '1984');
    await clickAdds(page, 'B1');
  }
  const written = await lines(page);
  await page.focus('#Memo1');
  await page.$eval('#Memo1', (memo) => memo.setSelectionRange(memo.value.length, memo.value.length));
  await page.keyboard.type('memo');
  same(
    `typing in the transcript (${clicked ? 'after a click' : 'at opening'})`,
    (await lines(page)).at(-1),
    `${written.at(-1)}memo`,
  );
  for (let i = 0; i < 2 * written.length + 8; ++i) {
    await page.keyboard.down('Control');
    await page.keyboard.press('z');
    await page.keyboard.up('Control');
  }
  same(
    `undo keeps the program's lines (${clicked ? 'after a click' : 'at opening'})`,
    await lines(page),
    written,
  );
  await page.close();
}

// A failure is shown once, in the page's dialog, and the page carries on.
{
  const page = await open();
  await page.evaluate(() => {
    const decode = TextDecoder.prototype.decode;
    TextDecoder.prototype.decode = function () {
      TextDecoder.prototype.decode = decode;
      throw new Error('시험 삼아 낸 오류');
    };
  });
  const before = await lines(page);
  await page.click('#B1');
  await page.waitForSelector('#failure[open]');
  same('failure message', await page.$eval('#failure-text', (text) => text.textContent), '시험 삼아 낸 오류');
  same('a failure adds no line', await lines(page), before);
  await page.click('#failure-close');
  same('the dialog closes', await page.$eval('#failure', (dialog) => dialog.open), false);
  await type(page, 'Edit1', '1924');
  same('the page carries on', await clickAdds(page, 'B1'), ['60', '갑자']);
  same('shown once', await page.$eval('#failure', (dialog) => dialog.open), false);
  await page.close();
}

// On a phone, the whole window shows, with no sideways scrolling.
{
  const page = await open({ width: 360, height: 640, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  const fit = await page.evaluate(() => {
    const outside = [...document.querySelectorAll('#TForm1 *')].filter((control) => {
      const rect = control.getBoundingClientRect();
      return rect.left < 0 || rect.top < 0 || rect.right > innerWidth || rect.bottom > innerHeight;
    });
    return {
      sideways: document.documentElement.scrollWidth > innerWidth,
      outside: outside.map((c) => c.id || c.tagName),
    };
  });
  same('the window fits a phone', fit, { sideways: false, outside: [] });
  await page.close();
}

// Accessibility: axe-core finds nothing.
{
  const page = await open();
  const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
  await page.evaluate(axe);
  const violations = await page.evaluate(async () =>
    (await window.axe.run(document)).violations.map(
      (v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`,
    ),
  );
  same('axe-core violations', violations, []);
  await page.close();
}

// After the first visit the page opens and answers offline, and Chromium
// offers to install it.
{
  const page = await open();
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller)
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
  });
  if (!firefox) {
    const session = await page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    same('installable', installabilityErrors, []);
  }
  offline = true;
  server.offline(true);
  await page.reload();
  await page.waitForFunction(() => document.getElementById('Memo1').value.split('\n').length >= 3);
  same('offline opening lines', await lines(page), [note, String(thisYear), expected(false, thisYear)[1]]);
  await type(page, 'Edit1', '1924');
  same('offline answer', await clickAdds(page, 'B1'), ['60', '갑자']);
  server.offline(false);
  offline = false;
  await page.close();
}

// Pictures of the page, to look at: desktop and phone, light and dark.
if (shots && !firefox) {
  for (const [name, viewport] of [
    ['desktop', { width: 800, height: 700 }],
    ['phone', { width: 360, height: 640, isMobile: true, hasTouch: true, deviceScaleFactor: 2 }],
  ]) {
    for (const scheme of ['light', 'dark']) {
      const page = await open(viewport);
      await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
      await page.screenshot({ path: join(shots, `web-${name}-${scheme}.png`) });
      await page.close();
    }
  }
}

await browser.close();
await server.close();
rmSync(profile, { recursive: true, force: true });
for (const failure of failures) console.error(`FAIL ${failure}`);
console.log(`${failures.length ? 'FAILED' : 'passed'}: ${firefox ? 'firefox' : 'chromium'}`);
process.exit(failures.length ? 1 : 0);

// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// WebKitGTK for browser_test.mjs: its MiniBrowser driven by WebKitWebDriver
// over classic WebDriver (this build of WebKitGTK offers no WebDriver BiDi,
// which puppeteer would need), through selenium-webdriver, behind the few
// calls of puppeteer's Browser and Page that the tests make, so that one set
// of cases runs in all three engines.
//
// launch(driverPath) starts the driver on a free port and a session in it,
// and resolves to { newPage(), close() }; each page is a window of its own.
// The driver runs until close(), or until this process ends in any way.
//
// Classic WebDriver has no events.  What the page reports after it has
// loaded, a page is told as puppeteer tells it: each page, once loaded,
// keeps its uncaught errors and rejections, its console errors and the
// resources its Content-Security-Policy blocks, and hands them to the
// 'pageerror' and 'console' handlers before it is reloaded or closed.  What
// happens while it loads (an error, a blocked resource, a failed request to
// another host) is not seen here; the page's own failure dialog, which
// browser_test.mjs reads at every opening, and the server's log of its
// responses are what tell of that.

import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import { constants } from 'node:os';
import { setTimeout as sleep } from 'node:timers/promises';
import { Builder, By, Key } from 'selenium-webdriver';

const keys = {
  Tab: Key.TAB,
  Backspace: Key.BACK_SPACE,
  ArrowLeft: Key.ARROW_LEFT,
  ArrowRight: Key.ARROW_RIGHT,
  Control: Key.CONTROL,
  Shift: Key.SHIFT,
};
const key = (name) => keys[name] ?? name;

// Installed in each page once it has loaded: what puppeteer would report.
const watch = () => {
  const seen = (window.ganjiSeen = []);
  addEventListener('error', (event) => seen.push(['pageerror', event.message]));
  addEventListener('unhandledrejection', (event) => seen.push(['pageerror', String(event.reason)]));
  document.addEventListener('securitypolicyviolation', (event) =>
    seen.push(['console', `blocked ${event.blockedURI} (${event.violatedDirective})`]),
  );
  const error = console.error;
  console.error = (...args) => {
    seen.push(['console', args.join(' ')]);
    error.apply(console, args);
  };
};

const freePort = () =>
  new Promise((resolve, reject) => {
    const server = createServer()
      .on('error', reject)
      .listen(0, '127.0.0.1', () => {
        const { port } = server.address();
        server.close(() => resolve(port));
      });
  });

export async function launch(driverPath) {
  const port = await freePort();
  // The driver's keys carry no Shift for the characters it types.  GTK's own
  // input method takes a key's character as it is sent; the X input method,
  // which GTK picks under a Chinese, Japanese, Korean or Thai locale, reads
  // the key again without Shift, and '+' comes out as '='.  A person's Shift
  // is real, and a Korean desktop has an input method of its own (IBus).
  const service = spawn(driverPath, [`--port=${port}`], {
    stdio: ['ignore', 'inherit', 'inherit'],
    env: { ...process.env, GTK_IM_MODULE: 'gtk-im-context-simple' },
  });
  const stop = () => service.exitCode ?? service.signalCode ?? service.kill();
  // Node runs no 'exit' handler when a signal ends it (ctest's timeout, ^C),
  // unless it handles the signal.
  process.on('exit', stop);
  for (const signal of ['SIGINT', 'SIGTERM', 'SIGHUP']) {
    process.once(signal, () => process.exit(128 + constants.signals[signal]));
  }
  const url = `http://127.0.0.1:${port}`;
  for (let tries = 0; ; ++tries) {
    const status = await fetch(`${url}/status`).then(
      (response) => response.json(),
      () => null,
    );
    if (status?.value?.ready) break;
    if (tries === 200 || service.exitCode !== null) {
      stop();
      throw new Error(`${driverPath} did not start`);
    }
    await sleep(50);
  }

  // MiniBrowser is the driver's own (the one its WebKitGTK came with), with
  // --automation, the browser as a person has it but for being driven.
  const driver = await new Builder()
    .usingServer(url)
    .withCapabilities({ browserName: 'MiniBrowser' })
    .build()
    .catch((error) => {
      stop();
      throw error;
    });
  // The many-years sweep and the megabytes in a field run long in the page.
  await driver.manage().setTimeouts({ script: 120000 });
  // The session's first window stays open, empty: closing the last window
  // would end the session.
  const first = await driver.getWindowHandle();

  const newPage = async () => {
    await driver.switchTo().newWindow('window');
    const handlers = { pageerror: [], console: [] };
    // Runs a function's source in the page with the arguments given, awaits
    // what it returns, and gives back the value or throws the page's error.
    const run = async (source, args) => {
      const { value, error } = await driver.executeAsyncScript(
        `const done = arguments[arguments.length - 1];
        Promise.resolve(Array.prototype.slice.call(arguments, 0, -1))
          .then((args) => (${source})(...args))
          .then((value) => done({ value }), (error) => done({ error: String(error) }));`,
        ...args,
      );
      if (error) throw new Error(error);
      return value;
    };
    // The errors kept since the page loaded, told to the handlers.
    const tell = async () => {
      const seen = (await driver.executeScript('return window.ganjiSeen || []')) ?? [];
      for (const [kind, text] of seen) {
        for (const handler of handlers[kind]) {
          handler(kind === 'pageerror' ? new Error(text) : { type: () => 'error', text: () => text });
        }
      }
    };
    const element = (selector) => driver.findElement(By.css(selector));
    const held = new Set();
    const page = {
      on: (event, handler) => handlers[event]?.push(handler),
      goto: async (address) => {
        await driver.get(address);
        await run(watch, []);
      },
      reload: async () => {
        await tell();
        await driver.navigate().refresh();
        await run(watch, []);
      },
      close: async () => {
        await tell();
        await driver.close();
        await driver.switchTo().window(first);
      },
      // The window's size, so that the page gets the width and height asked
      // for: the window's own, plus what its frame and toolbar take.  The
      // driver answers before the page has its new size, so the frame is
      // measured until it is what the last size was set with.  MiniBrowser's
      // window is no narrower than its toolbar (447 pixels in Debian 12, more
      // in 13): a narrower page gets that width.
      setViewport: async ({ width, height }) => {
        const window = driver.manage().window();
        for (let frame = [0, 0], tries = 0; ; ++tries) {
          await window.setRect({ width: width + frame[0], height: height + frame[1] });
          const rect = await window.getRect();
          const [innerWidth, innerHeight] = await driver.executeScript('return [innerWidth, innerHeight]');
          const seen = [Math.max(0, rect.width - innerWidth), Math.max(0, rect.height - innerHeight)];
          if (seen[0] === frame[0] && seen[1] === frame[1]) break;
          if (tries === 50) throw new Error(`the window's frame changes at every size: ${seen}`);
          frame = seen;
        }
      },
      title: () => driver.getTitle(),
      // A string is a script, as axe-core's is.
      evaluate: (fn, ...args) => (typeof fn === 'string' ? driver.executeScript(fn) : run(fn, args)),
      $eval: (selector, fn, ...args) =>
        run(
          `(selector, ...args) => {
            const element = document.querySelector(selector);
            if (!element) throw new Error(\`no \${selector}\`);
            return (${fn})(element, ...args);
          }`,
          [selector, ...args],
        ),
      $$eval: (selector, fn, ...args) =>
        run(`(selector, ...args) => (${fn})([...document.querySelectorAll(selector)], ...args)`, [
          selector,
          ...args,
        ]),
      waitForFunction: async (fn, { timeout = 30000 } = {}, ...args) => {
        for (const end = Date.now() + timeout; !(await run(fn, args)); await sleep(20)) {
          if (Date.now() > end) throw new Error(`waiting for ${fn} timed out after ${timeout} ms`);
        }
      },
      waitForSelector: (selector) =>
        page.waitForFunction((selector) => document.querySelector(selector) !== null, {}, selector),
      click: (selector) => element(selector).click(),
      focus: (selector) => page.$eval(selector, (element) => element.focus()),
      // The driver may answer before the field has its last key: the next
      // step waits until it has.
      type: async (selector, text) => {
        await element(selector).sendKeys(text);
        await page.waitForFunction(
          (selector, text) => document.querySelector(selector).value.endsWith(text),
          { timeout: 5000 },
          selector,
          text,
        );
      },
      keyboard: {
        // WebKitGTK leaves undo to the application around it: GNOME Web binds
        // Ctrl+Z to WebKit's undo command, MiniBrowser binds nothing and the
        // key does nothing there.  Here it is that command.
        press: async (name) => {
          if (name === 'z' && held.has('Control'))
            return void (await driver.executeScript('document.execCommand("undo")'));
          await driver.actions().keyDown(key(name)).keyUp(key(name)).perform();
        },
        // A key held stays down from one call to the next, as the driver
        // keeps it.
        down: async (name) => {
          held.add(name);
          await driver.actions().keyDown(key(name)).perform();
        },
        up: async (name) => {
          held.delete(name);
          await driver.actions().keyUp(key(name)).perform();
        },
        type: (text) => driver.actions().sendKeys(text).perform(),
      },
    };
    return page;
  };

  return {
    newPage,
    close: async () => {
      try {
        await driver.quit();
      } finally {
        stop();
        if (service.exitCode === null && service.signalCode === null) {
          await new Promise((resolve) => service.once('exit', resolve));
        }
      }
    },
  };
}

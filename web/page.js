// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's behaviour on the page.  Every answer, the opening lines
// included, comes from the calculator compiled to WebAssembly, which site.mjs
// puts into this script in base64 so that the page needs no second request
// before its first lines.  Nothing is reckoned here: the page reads the
// fields, hands their text over as it is, and writes the lines it gets back.
'use strict';
{
  const $ = (id) => document.getElementById(id);
  const memo = $('Memo1');
  const failure = $('failure');

  // A failure is shown once, in the page's own dialog, and the page carries
  // on.  One that is no Error is shown with an empty message.
  const show = (error) => {
    $('failure-text').textContent = error instanceof Error ? error.message : '';
    if (!failure.open) failure.showModal();
  };
  $('failure-close').addEventListener('click', () => failure.close());
  const guarded = (steps) => () => {
    try {
      steps();
    } catch (error) {
      show(error);
    }
  };

  // The lines the program adds go in with a plain assignment of the value,
  // which browsers keep no undo record of: undo takes back what the person
  // typed in the transcript, never the program's lines.
  const addLines = (lines) => {
    memo.value = memo.value === '' ? lines : `${memo.value}\n${lines}`;
    memo.scrollTop = memo.scrollHeight;
  };

  // The calculator is a few kilobytes, compiled at once, so that the opening
  // lines are in the window when it is first drawn.
  let calculator;
  const load = () => {
    const text = atob('@WASM@');
    const module = new WebAssembly.Module(Uint8Array.from(text, (c) => c.charCodeAt(0)));
    // It calls out to say that its memory grew, which needs nothing done, and
    // to give up (out of memory), which is a failure like any other.
    const imports = {};
    for (const { module: from, name } of WebAssembly.Module.imports(module)) {
      imports[from] ??= {};
      imports[from][name] = /memory_growth/.test(name)
        ? () => {}
        : () => {
            throw new Error(`${from}.${name}`);
          };
    }
    const { exports } = new WebAssembly.Instance(module, imports);
    exports._initialize?.();
    return exports;
  };

  const utf8 = new TextDecoder();
  // The lines an answer function wrote, after `text` (if any) was handed over.
  const answer = (call, text = '') => {
    const wasm = (calculator ??= load());
    const room = wasm.input(text.length);
    const units = new Uint16Array(wasm.memory.buffer, room, text.length);
    for (let i = 0; i < text.length; ++i) units[i] = text.charCodeAt(i);
    const size = call(wasm);
    return utf8.decode(new Uint8Array(wasm.memory.buffer, wasm.output(), size));
  };

  const thisYear = () => new Date().getFullYear();

  guarded(() => {
    const now = new Date();
    const lines = answer((wasm) => wasm.opening(now.getFullYear()));
    memo.value = '';
    addLines(lines);
    $('Edit1').value = String(now.getFullYear());
    $('L1').textContent = now.toLocaleDateString(navigator.languages, {
      year: 'numeric',
      month: 'numeric',
      day: 'numeric',
    });
  })();

  $('B1').addEventListener(
    'click',
    guarded(() => addLines(answer((wasm) => wasm.year($('RBBC').checked), $('Edit1').value))),
  );
  $('Button1').addEventListener(
    'click',
    guarded(() => addLines(answer((wasm) => wasm.yearsAgo(thisYear()), $('Edit2').value))),
  );

  // After the first visit the page opens and answers without the network.  A
  // page opened from a file, or over plain HTTP from another host, has no
  // worker and works all the same while online.
  if ('serviceWorker' in navigator) {
    addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
  }
}

// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's behaviour on the page.  Every answer, the opening lines
// included, comes from the calculator compiled to WebAssembly, which site.mjs
// puts into this script so that the page needs no second request before its
// first lines.  Nothing is reckoned here: the page reads the fields, hands
// their text over as it is, and writes the lines it gets back.
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
  //
  // A button's answer is said by a screen reader too, from the status
  // region, where its line feed is a space ("28 임진"): the transcript does
  // not have the focus, so its new lines would be read only when the person
  // goes to look.  Browsers say nothing when a region gets the text it
  // holds, so every other answer ends in a no-break space, which is not
  // spoken.
  let nbsp = '';
  const addLines = (lines, spoken) => {
    memo.value = memo.value === '' ? lines : `${memo.value}\n${lines}`;
    memo.scrollTop = memo.scrollHeight;
    if (spoken) $('answer').textContent = lines + (nbsp = nbsp ? '' : '\xa0');
  };

  // The calculator is a few kilobytes, in this script as one character for
  // each byte, taken one higher (site.mjs says why), compiled at once so that
  // the opening lines are in the window when it is first drawn.
  const load = () => {
    const module = new WebAssembly.Module(Uint8Array.from('@WASM@', (c) => c.charCodeAt(0) - 1));
    // It calls out to say that its memory grew, which needs nothing done, and
    // to give up, which is a failure like any other.
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

  // The lines an answer function wrote, after `text` (if any) was handed
  // over.  The calculator has no room for a text, or for its lines, only
  // when its memory can grow no more.
  const utf8 = new TextDecoder();
  let calculator;
  const answer = (call, text = '') => {
    const room = calculator.input(text.length);
    if (!room) throw new Error('out of memory');
    const units = new Uint16Array(calculator.memory.buffer, room, text.length);
    for (let i = 0; i < text.length; ++i) units[i] = text.charCodeAt(i);
    const size = call(calculator);
    if (!size) throw new Error('out of memory');
    return utf8.decode(new Uint8Array(calculator.memory.buffer, calculator.output(), size));
  };

  const now = new Date();
  memo.value = '';
  $('L1').textContent = '';
  $('Edit1').value = String(now.getFullYear());
  try {
    calculator = load();
  } catch (error) {
    // Without WebAssembly (iPhone's Lockdown Mode turns it off, and so do
    // some managed browsers), or with one that cannot run this module,
    // nothing can be reckoned here: the person reads why, once, and the two
    // buttons are off.
    $('B1').disabled = $('Button1').disabled = true;
    const why =
      typeof WebAssembly === 'object'
        ? `계산기(WebAssembly)를 실행하지 못합니다: ${error.message}`
        : 'WebAssembly가 꺼져 있습니다(iPhone의 차단 모드, 관리되는 브라우저 등).';
    show(new Error(`이 브라우저에서는 계산할 수 없습니다. ${why}`));
  }
  if (calculator) guarded(() => addLines(answer((wasm) => wasm.opening(now.getFullYear()))))();

  // The date in the browser's language, with the year in full.  A language
  // tag the browser's own Intl rejects (WebKitGTK reports the C locale as
  // "C") is left out, and with none left the browser's default stands.  The
  // first date formatting loads the language's data, which takes a phone
  // tens of milliseconds: it waits until the window has been drawn.
  const tags = (navigator.languages ?? []).filter((tag) => {
    try {
      return Intl.getCanonicalLocales(tag).length > 0;
    } catch {
      return false;
    }
  });
  const form = { year: 'numeric', month: 'numeric', day: 'numeric' };
  requestAnimationFrame(() =>
    setTimeout(
      guarded(() => {
        $('L1').textContent = now.toLocaleDateString(tags, form);
      }),
    ),
  );

  const thisYear = () => new Date().getFullYear();
  $('B1').addEventListener(
    'click',
    guarded(() =>
      addLines(
        answer((wasm) => wasm.year($('RBBC').checked), $('Edit1').value),
        true,
      ),
    ),
  );
  $('Button1').addEventListener(
    'click',
    guarded(() =>
      addLines(
        answer((wasm) => wasm.yearsAgo(thisYear()), $('Edit2').value),
        true,
      ),
    ),
  );

  // After the first visit the page opens and answers without the network.  A
  // page opened from a file, or over plain HTTP from another host, has no
  // worker and works all the same while online.  The browser looks for a new
  // release at each opening; a page brought back into view looks too, as a
  // phone often brings one back from its home screen without opening it anew.
  if ('serviceWorker' in navigator) {
    addEventListener('load', () =>
      navigator.serviceWorker.register('sw.js').then(
        (worker) =>
          document.addEventListener(
            'visibilitychange',
            () => document.hidden || worker.update().catch(() => {}),
          ),
        () => {},
      ),
    );
  }
}

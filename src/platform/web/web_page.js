// The page's side of the web backend: one element per control of the dialog,
// placed at the pixels the backend worked out from its dialog units, showing
// what the models hold; the user's input goes to the models through the
// functions the module exports (web_backend.cpp), never to the elements.
// The program's page gives the element the dialog is shown in (showIn).
var DialogPage = (function () {
  // The dialog's font and the system's, in which text is measured and shown.
  var fontFamilies = "'Liberation Sans', Arial, sans-serif";
  var dialogFont = '13px ' + fontFamilies;
  var systemFont = 'bold 14px ' + fontFamilies;
  var styleSheet = [
    '.caption { font: ' + systemFont + '; margin: 0 0 6px; }',
    '.dialog { position: relative; font: ' + dialogFont + '; background: #f0f0f0; border: 1px solid #a0a0a0; }',
    '.dialog > * { position: absolute; box-sizing: border-box; margin: 0; font: inherit; }',
    '.label { white-space: pre; overflow: hidden; }',
    '.field, .list { border: 1px solid #7a7a7a; background: #fff; color: #000; }',
    '.field { padding: 0 2px; border-radius: 0; }',
    '.list { overflow: auto; cursor: default; user-select: none; }',
    '.lines { width: 100%; }',
    '.lines > div { height: var(--line); line-height: var(--line); padding: 0 2px; white-space: pre; overflow: hidden; }',
    '.lines > [aria-selected=true] { background: #0078d7; color: #fff; }',
    '.field:focus, .list:focus { outline: 2px solid #0067c0; outline-offset: 1px; }',
    '.list:focus [aria-selected=true] { outline: 1px dotted #fff; outline-offset: -1px; }',
    '.alert { font: ' + dialogFont + '; color: #a00000; white-space: pre-line; }',
  ].join('\n');
  var listKeys = { ArrowUp: -1, ArrowDown: 1, PageUp: -10, PageDown: 10, Home: -1e6, End: 1e6 };
  var rootId = null;
  var elements = {};
  var dialogHandle = 0;
  var heading = null;
  var lastLabel = null;
  var measuring = null;
  var decoder = new TextDecoder();

  function make(tag, className, parent) {
    var element = document.createElement(tag);
    if (className) element.className = className;
    if (parent) parent.appendChild(element);
    return element;
  }

  function context(system) {
    if (!measuring) measuring = document.createElement('canvas').getContext('2d');
    var font = system ? systemFont : dialogFont;
    if (measuring.font !== font) measuring.font = font;
    return measuring;
  }

  function withText(text, call) {
    var bytes = allocateUTF8(text);
    try { return call(bytes); } finally { _free(bytes); }
  }

  function root() { return document.getElementById(rootId); }

  // The keys the dialog manager keeps for itself.
  function onDialogKey(event) {
    if (event.key === 'Tab') {
      event.preventDefault();
      _pageUserPressedTab(event.shiftKey ? 1 : 0);
    } else if (event.key === 'Enter') {
      _pageUserPressedEnter();
    } else if (event.key === 'Escape') {
      _pageUserPressedEscape();
    }
  }

  // An element of the dialog at its place, in pixels; named by the label
  // before it, as the dialog manager finds a control's mnemonic.
  function addControl(handle, tag, className, id, rect) {
    var element = make(tag, className, elements[dialogHandle]);
    element.style.cssText = 'left:' + rect[0] + 'px;top:' + rect[1] + 'px;width:' + rect[2] + 'px;height:' +
                            rect[3] + 'px';
    if (id > 0) element.dataset.id = String(id);
    if (className !== 'label') {
      if (lastLabel) element.setAttribute('aria-labelledby', lastLabel);
      element.addEventListener('focus', function () { _pageUserFocused(handle); });
    }
    elements[handle] = element;
    return element;
  }

  function lineIndex(list, line) {
    return Array.prototype.indexOf.call(list.lines.children, line);
  }

  function shownSelection(handle) {
    var lines = elements[handle].lines.children;
    for (var i = 0; i < lines.length; ++i) if (lines[i].getAttribute('aria-selected') === 'true') return i;
    return -1;
  }

  // A refilled list shows its first line, as a list box does after
  // LB_RESETCONTENT, and the selected line comes into view, inside its list
  // only: both before the next frame, since asking for places at once would
  // lay the page out inside every keystroke.
  function scrollToSelection(list, fromTop) {
    list.scrollFromTop = list.scrollFromTop || fromTop;
    if (list.scrollPending) return;
    list.scrollPending = true;
    requestAnimationFrame(function () {
      list.scrollPending = false;
      if (list.scrollFromTop) list.scrollTop = 0;
      list.scrollFromTop = false;
      var line = list.querySelector('[aria-selected=true]');
      if (!line || !list.isConnected) return;
      var top = line.offsetTop, bottom = top + line.offsetHeight;
      if (top < list.scrollTop) list.scrollTop = top;
      else if (bottom > list.scrollTop + list.clientHeight) list.scrollTop = bottom - list.clientHeight;
    });
  }

  return {
    decode: function (bytes) { return decoder.decode(bytes); },
    measure: function (text, system) { return Math.round(context(system).measureText(text).width); },
    fontHeight: function (system) {
      var metrics = context(system).measureText('Hg');
      return Math.ceil(metrics.fontBoundingBoxAscent) + Math.ceil(metrics.fontBoundingBoxDescent);
    },
    // The page's element for the dialog and the messages, by its id, which
    // begins the ids of the elements made in it.
    showIn: function (id) {
      if (rootId === null) make('style', '', document.head).textContent = styleSheet;
      rootId = id;
    },
    open: function (handle, width, height) {
      var shownIn = root();
      shownIn.textContent = '';
      heading = make('h1', 'caption', shownIn);
      heading.id = rootId + '-caption';
      var dialog = make('div', 'dialog', shownIn);
      dialog.setAttribute('role', 'dialog');
      dialog.setAttribute('aria-labelledby', heading.id);
      dialog.style.width = width + 'px';
      dialog.style.height = height + 'px';
      dialog.addEventListener('keydown', onDialogKey);
      elements = {};
      elements[handle] = dialog;
      dialogHandle = handle;
      lastLabel = null;
    },
    addField: function (handle, id, rect, rightAligned, digitsOnly, tabStop) {
      var element = addControl(handle, 'input', 'field', id, rect);
      element.type = 'text';
      element.spellcheck = false;
      element.autocomplete = 'off';
      element.tabIndex = tabStop ? 0 : -1;
      if (rightAligned) element.style.textAlign = 'right';
      if (digitsOnly) element.inputMode = 'numeric';
      element.addEventListener('input', function (event) {
        var pasting = /^insertFrom(Paste|Drop)/.test(event.inputType || '') ? 1 : 0;
        var caret = withText(element.value, function (text) {
          return _pageUserTyped(handle, text, element.selectionStart, pasting);
        });
        element.setSelectionRange(caret, caret);
      });
    },
    addList: function (handle, id, rect, lineHeight) {
      var element = addControl(handle, 'div', 'list', id, rect);
      element.setAttribute('role', 'listbox');
      element.tabIndex = -1;
      element.lines = make('div', 'lines', element);
      element.lineHeight = lineHeight;
      element.style.setProperty('--line', lineHeight + 'px');
      element.addEventListener('click', function (event) {
        var line = event.target.closest('[role=option]');
        if (line) _pageUserSelected(handle, lineIndex(element, line));
      });
      element.addEventListener('dblclick', function (event) {
        var line = event.target.closest('[role=option]');
        if (line) _pageUserDoubleClicked(handle, lineIndex(element, line));
      });
      element.addEventListener('keydown', function (event) {
        var count = element.lines.children.length;
        if (!(event.key in listKeys) || count === 0) return;
        event.preventDefault();
        var now = shownSelection(handle);
        var next = Math.max(0, Math.min(count - 1, (now < 0 ? 0 : now + listKeys[event.key])));
        _pageUserSelected(handle, next);
      });
    },
    addLabel: function (handle, id, rect, centered) {
      var element = addControl(handle, 'div', 'label', id, rect);
      element.id = rootId + '-label-' + (handle >>> 0);
      if (centered) element.style.textAlign = 'center';
      lastLabel = element.id;
    },
    close: function () {
      root().textContent = '';
      elements = {};
      dialogHandle = 0;
    },
    showText: function (handle, text) {
      var element = elements[handle];
      if (handle === dialogHandle) {
        document.title = text;
        heading.textContent = text;
      } else if (element.tagName === 'INPUT') {
        if (element.value !== text) element.value = text;
      } else {
        element.textContent = text;
      }
    },
    showLines: function (handle, joined) {
      var list = elements[handle], lines = list.lines;
      var texts = joined.split('\0');
      texts.pop();
      while (lines.children.length > texts.length) lines.lastChild.remove();
      for (var i = 0; i < texts.length; ++i) {
        var line = lines.children[i];
        if (!line) {
          line = make('div', '', lines);
          line.setAttribute('role', 'option');
          line.id = rootId + '-line-' + (handle >>> 0) + '-' + i;
        }
        if (line.textContent !== texts[i]) line.textContent = texts[i];
        line.setAttribute('aria-selected', 'false');
      }
      scrollToSelection(list, true);
    },
    showSelection: function (handle, index) {
      var list = elements[handle], lines = list.lines.children;
      var before = shownSelection(handle);
      if (before >= 0) lines[before].setAttribute('aria-selected', 'false');
      if (index >= 0 && index < lines.length) {
        lines[index].setAttribute('aria-selected', 'true');
        list.setAttribute('aria-activedescendant', lines[index].id);
        scrollToSelection(list, false);
      } else {
        list.removeAttribute('aria-activedescendant');
      }
    },
    showTabStop: function (handle, pixels) { elements[handle].style.tabSize = pixels + 'px'; },
    showExtent: function (handle, pixels) {
      elements[handle].lines.style.minWidth = pixels > 0 ? pixels + 'px' : '';
    },
    focus: function (handle) {
      var element = elements[handle];
      if (element && document.activeElement !== element) element.focus({ preventScroll: true });
    },
    alert: function (caption, text) {
      var message = make('p', 'alert', root());
      message.setAttribute('role', 'alert');
      message.textContent = text;
      // Without a dialog the message is all the page shows.
      if (!dialogHandle) document.title = caption;
    },
    shownText: function (handle) { return elements[handle].value; },
    shownLines: function (handle) { return elements[handle].lines.children; },
    shownSelection: shownSelection,
    clickLine: function (handle, index) {
      elements[handle].lines.children[index].dispatchEvent(new MouseEvent('click', { bubbles: true }));
    },
    doubleClickLine: function (handle, index) {
      var line = elements[handle].lines.children[index];
      line.dispatchEvent(new MouseEvent('click', { bubbles: true, detail: 1 }));
      line.dispatchEvent(new MouseEvent('dblclick', { bubbles: true, detail: 2 }));
    },
  };
})();

// The module's bytes are in the page already: compiled from them at once,
// rather than fetched from their data: address first (the glue's way).
Module.instantiateWasm = function (imports, receive) {
  WebAssembly.instantiate(getBinary(wasmBinaryFile), imports).then(function (result) {
    receive(result.instance, result.module);
  });
  return {};
};

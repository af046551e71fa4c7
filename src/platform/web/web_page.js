// The page's side of the web backend: one element per control of the dialog,
// placed at the pixels the backend worked out from its dialog units, showing
// what the models hold; the user's input goes to the models through the
// functions the module exports (web_backend.cpp), never to the elements.
var QuirelPage = (function () {
  var dialogFont = "13px 'Liberation Sans', Arial, sans-serif";
  var systemFont = "bold 14px 'Liberation Sans', Arial, sans-serif";
  var kinds = { edit: 1, listBox: 2, label: 3 };
  var styles = { center: 0x1, right: 0x2, number: 0x2000, tabStop: 0x10000 };
  var listKeys = { ArrowUp: -1, ArrowDown: 1, PageUp: -10, PageDown: 10, Home: -1e6, End: 1e6 };
  var dialogKeys = { Enter: 0, Escape: 1 };
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

  function onDialogKey(event) {
    if (event.key === 'Tab') {
      event.preventDefault();
      _quirelUserPressed(event.shiftKey ? 3 : 2);
    } else if (event.key in dialogKeys) {
      _quirelUserPressed(dialogKeys[event.key]);
    }
  }

  function addField(handle, style, element) {
    element.type = 'text';
    element.spellcheck = false;
    element.autocomplete = 'off';
    element.tabIndex = style & styles.tabStop ? 0 : -1;
    if (style & styles.right) element.style.textAlign = 'right';
    if (style & styles.number) element.inputMode = 'numeric';
    element.addEventListener('input', function (event) {
      var pasting = /^insertFrom(Paste|Drop)/.test(event.inputType || '') ? 1 : 0;
      var caret = withText(element.value, function (text) {
        return _quirelUserTyped(handle, text, element.selectionStart, pasting);
      });
      element.setSelectionRange(caret, caret);
    });
  }

  function lineIndex(list, line) {
    return Array.prototype.indexOf.call(list.lines.children, line);
  }

  function addList(handle, element, lineHeight) {
    element.setAttribute('role', 'listbox');
    element.tabIndex = -1;
    element.lines = make('div', 'lines', element);
    element.lineHeight = lineHeight;
    element.style.setProperty('--line', lineHeight + 'px');
    element.addEventListener('click', function (event) {
      var line = event.target.closest('[role=option]');
      if (line) _quirelUserSelected(handle, lineIndex(element, line));
    });
    element.addEventListener('dblclick', function (event) {
      var line = event.target.closest('[role=option]');
      if (line) _quirelUserDoubleClicked(handle, lineIndex(element, line));
    });
    element.addEventListener('keydown', function (event) {
      var count = element.lines.children.length;
      if (!(event.key in listKeys) || count === 0) return;
      event.preventDefault();
      var now = shownSelection(handle);
      var next = Math.max(0, Math.min(count - 1, (now < 0 ? 0 : now + listKeys[event.key])));
      _quirelUserSelected(handle, next);
    });
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
    open: function (handle, width, height) {
      var root = document.getElementById('quirel');
      root.textContent = '';
      heading = make('h1', '', root);
      heading.id = 'quirel-caption';
      var dialog = make('div', 'dialog', root);
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
    addControl: function (handle, kind, id, style, x, y, width, height, lineHeight) {
      var tag = kind === kinds.edit ? 'input' : 'div';
      var name = kind === kinds.edit ? 'field' : kind === kinds.listBox ? 'list' : 'label';
      var element = make(tag, name, elements[dialogHandle]);
      element.style.cssText = 'left:' + x + 'px;top:' + y + 'px;width:' + width + 'px;height:' + height + 'px';
      if (id > 0) element.dataset.id = String(id);
      if (kind === kinds.label) {
        element.id = 'quirel-label-' + (handle >>> 0);
        if (style & styles.center) element.style.textAlign = 'center';
        lastLabel = element.id;
      } else {
        // A control is named by the label before it, as the dialog manager
        // finds a control's mnemonic.
        if (lastLabel) element.setAttribute('aria-labelledby', lastLabel);
        if (kind === kinds.edit) addField(handle, style, element); else addList(handle, element, lineHeight);
        element.addEventListener('focus', function () { _quirelUserFocused(handle); });
      }
      elements[handle] = element;
    },
    close: function () {
      document.getElementById('quirel').textContent = '';
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
          line.id = 'quirel-line-' + (handle >>> 0) + '-' + i;
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
      var root = document.getElementById('quirel');
      var message = make('p', 'alert', root);
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

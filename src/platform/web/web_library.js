// The web backend's calls into the page (web_page.js), as Emscripten links
// them: text crosses as UTF-8 in the module's memory.
mergeInto(LibraryManager.library, {
  pageShowIn: function (rootId) { DialogPage.showIn(UTF8ToString(rootId)); },
  pageOpenDialog: function (dialog, width, height) { DialogPage.open(dialog, width, height); },
  pageAddField: function (field, id, x, y, width, height, rightAligned, digitsOnly, tabStop) {
    DialogPage.addField(field, id, [x, y, width, height], !!rightAligned, !!digitsOnly, !!tabStop);
  },
  pageAddList: function (list, id, x, y, width, height, lineHeight) {
    DialogPage.addList(list, id, [x, y, width, height], lineHeight);
  },
  pageAddLabel: function (label, id, x, y, width, height, centered) {
    DialogPage.addLabel(label, id, [x, y, width, height], !!centered);
  },
  pageCloseDialog: function () { DialogPage.close(); },
  pageShowText: function (window, text) { DialogPage.showText(window, UTF8ToString(text)); },
  pageShowLines: function (list, lines, bytes) {
    DialogPage.showLines(list, DialogPage.decode(HEAPU8.subarray(lines, lines + bytes)));
  },
  pageShowSelection: function (list, index) { DialogPage.showSelection(list, index); },
  pageShowTabStop: function (list, pixels) { DialogPage.showTabStop(list, pixels); },
  pageShowExtent: function (list, pixels) { DialogPage.showExtent(list, pixels); },
  pageShowFocus: function (control) { DialogPage.focus(control); },
  pageMeasure: function (text, systemFont) { return DialogPage.measure(UTF8ToString(text), systemFont); },
  pageFontHeight: function (systemFont) { return DialogPage.fontHeight(systemFont); },
  pageAlert: function (caption, text) { DialogPage.alert(UTF8ToString(caption), UTF8ToString(text)); },
  pageShownText: function (field) { return allocateUTF8(DialogPage.shownText(field)); },
  pageShownLineCount: function (list) { return DialogPage.shownLines(list).length; },
  pageShownSelection: function (list) { return DialogPage.shownSelection(list); },
  pageShownLine: function (list, index) {
    return allocateUTF8(DialogPage.shownLines(list)[index].textContent);
  },
  pageClickLine: function (list, index) { DialogPage.clickLine(list, index); },
  pageDoubleClickLine: function (list, index) { DialogPage.doubleClickLine(list, index); },
});

// The web backend's calls into the page (web_page.js), as Emscripten links
// them: text crosses as UTF-8 in the module's memory.
mergeInto(LibraryManager.library, {
  quirelPageOpen: function (dialog, width, height) { QuirelPage.open(dialog, width, height); },
  quirelPageAddControl: function (control, kind, id, style, x, y, width, height, lineHeight) {
    QuirelPage.addControl(control, kind, id, style >>> 0, x, y, width, height, lineHeight);
  },
  quirelPageClose: function () { QuirelPage.close(); },
  quirelPageText: function (window, text) { QuirelPage.showText(window, UTF8ToString(text)); },
  quirelPageLines: function (list, lines, bytes) {
    QuirelPage.showLines(list, QuirelPage.decode(HEAPU8.subarray(lines, lines + bytes)));
  },
  quirelPageSelection: function (list, index) { QuirelPage.showSelection(list, index); },
  quirelPageTabStop: function (list, pixels) { QuirelPage.showTabStop(list, pixels); },
  quirelPageExtent: function (list, pixels) { QuirelPage.showExtent(list, pixels); },
  quirelPageFocus: function (control) { QuirelPage.focus(control); },
  quirelPageMeasure: function (text, systemFont) { return QuirelPage.measure(UTF8ToString(text), systemFont); },
  quirelPageFontHeight: function (systemFont) { return QuirelPage.fontHeight(systemFont); },
  quirelPageAlert: function (caption, text) { QuirelPage.alert(UTF8ToString(caption), UTF8ToString(text)); },
  quirelPageShownText: function (field) { return allocateUTF8(QuirelPage.shownText(field)); },
  quirelPageShownLineCount: function (list) { return QuirelPage.shownLines(list).length; },
  quirelPageShownSelection: function (list) { return QuirelPage.shownSelection(list); },
  quirelPageShownLine: function (list, index) {
    return allocateUTF8(QuirelPage.shownLines(list)[index].textContent);
  },
  quirelPageClickLine: function (list, index) { QuirelPage.clickLine(list, index); },
  quirelPageDoubleClickLine: function (list, index) { QuirelPage.doubleClickLine(list, index); },
});

// window.quirelScript(text, dataSets): runs a dialog script on a fresh
// dialog of the page, through its own controls, and resolves to what
// quirel-script prints and returns for it: {stdout, stderr, status}.
// `text` is a string or bytes. `dataSets` plays --index and --headings: each
// of `index` and `headings` is bytes (reported by the name "index" or
// "headings" if refused), or {name, bytes}, or {name, unreadable: REASON}
// for a file that could not be read.
(function () {
  function given(set, fallbackName) {
    if (set === undefined || set === null) return { name: 0, bytes: null, unreadable: '' };
    if (set instanceof Uint8Array || Array.isArray(set)) set = { name: fallbackName, bytes: set };
    return { name: set.name, bytes: set.bytes ? Uint8Array.from(set.bytes) : new Uint8Array(0),
             unreadable: set.unreadable || '' };
  }

  // Everything the call puts into the module's memory, freed afterwards.
  function place(blocks, bytes) {
    var at = _malloc(Math.max(bytes.length, 1));
    HEAPU8.set(bytes, at);
    blocks.push(at);
    return at;
  }

  function placeDataSet(blocks, set) {
    var record = place(blocks, new Uint8Array(16));
    if (set.name === 0) {
      HEAP32.fill(0, record >> 2, (record >> 2) + 4);
      return record;
    }
    var encoder = new TextEncoder();
    HEAP32[record >> 2] = place(blocks, set.bytes);
    HEAP32[(record >> 2) + 1] = set.bytes.length;
    HEAP32[(record >> 2) + 2] = place(blocks, encoder.encode(set.name + '\0'));
    HEAP32[(record >> 2) + 3] = place(blocks, encoder.encode(set.unreadable + '\0'));
    return record;
  }

  function run(text, dataSets) {
    var script = typeof text === 'string' ? new TextEncoder().encode(text) : Uint8Array.from(text);
    var blocks = [];
    try {
      var status = _quirelRunScript(place(blocks, script), script.length,
                                    placeDataSet(blocks, given(dataSets && dataSets.index, 'index')),
                                    placeDataSet(blocks, given(dataSets && dataSets.headings, 'headings')));
      return { stdout: UTF8ToString(_quirelScriptOutput()), stderr: UTF8ToString(_quirelScriptErrors()),
               status: status };
    } finally {
      blocks.forEach(_free);
    }
  }

  window.quirelScript = function (text, dataSets) {
    return quirelPageStarted.then(function () { return run(text, dataSets); });
  };
})();

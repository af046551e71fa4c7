// The page's start: the book's resources, gzip in base64
// (packed_resources.js), unpacked by the browser's own decompression while
// the module compiles and placed in its memory; then the program's main.
// `quirelPageStarted` resolves once the program runs.
var quirelPageStarted = (function () {
  var runtimeReady = new Promise(function (resolve) {
    if (runtimeInitialized) resolve(); else Module.onRuntimeInitialized = resolve;
  });

  function unpack(packed) {
    var text = atob(packed), bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    var stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Response(stream).arrayBuffer();
  }

  var ids = quirelPackedResources.map(function (entry) { return entry[0]; });
  var unpacked = Promise.all(quirelPackedResources.map(function (entry) { return unpack(entry[1]); }));
  quirelPackedResources = null;

  return Promise.all([runtimeReady, unpacked]).then(function (all) {
    all[1].forEach(function (buffer, i) {
      var bytes = new Uint8Array(buffer), at = _malloc(Math.max(bytes.length, 1));
      HEAPU8.set(bytes, at);
      _quirelPlaceResource(ids[i], at, bytes.length);
    });
    callMain([]);
  });
})();

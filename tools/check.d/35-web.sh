# The web page: the wasm preset builds quirel.html with Debian's Emscripten;
# it must stay within 2.5 MB; then every dialog script and the page's own
# tests run in Debian's chromium, headless, through playwright-core (npm ci
# from tests/web/package-lock.json; no browser is downloaded). About 1 to 2
# minutes from nothing on a 2-core machine, half a minute once built.
set -eu
command -v npm >/dev/null || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq npm; }
cmake --preset wasm
cmake --build --preset wasm
page=build/wasm/src/app/web/quirel.html
size=$(stat -c %s "${page}")
limit=2621440
echo "quirel.html: ${size} bytes (at most ${limit})"
[ "${size}" -le "${limit}" ] || { echo "quirel.html is larger than 2.5 MB"; exit 1; }
cd tests/web
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --silent
node --test

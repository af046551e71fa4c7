# Sourced, not run: one Wine session on a virtual screen, for the Windows
# stage and tools/wine-screenshot. wine_session_start makes a fresh Wine
# prefix in a temporary folder and keeps one wineserver running for the whole
# session, so that each program starts without waiting for a server;
# wine_session_stop ends both and removes the folder.
#
# Without a window manager Wine waits about 2 s for one when a window closes,
# unless its windows are unmanaged (Managed=N). Arial is not installed; Wine
# stands in a metrically compatible font.
#
# Wine must start through its preloader, which reserves the addresses of
# Windows' fixed structures before anything else is mapped. Without it the
# kernel places the C library's heap at random in the gigabyte above the
# loader, and when the heap covers the shared user data (0x7ffe0000, about one
# start in 8,000) the process ends with status 1 before the program runs;
# WINEDEBUG=-all hides the one line that says so.
wine_preloader=/usr/lib/wine/wine64-preloader

wine_session_start() {
  if [ ! -x "${wine_preloader}" ]; then
    echo "wine_session_start: ${wine_preloader} is missing; install wine64-preloader (tools/install-deps)" >&2
    return 1
  fi
  unset WINELOADERNOEXEC  # it would make the loader skip the preloader
  wine_session=$(mktemp -d)
  # Xvfb picks a free display and writes its number once it accepts clients.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"${wine_session}/display" \
    2>"${wine_session}/xvfb.log" &
  wine_session_xvfb=$!
  while [ ! -s "${wine_session}/display" ]; do
    kill -0 "${wine_session_xvfb}" 2>/dev/null || { cat "${wine_session}/xvfb.log"; return 1; }
    sleep 0.1
  done
  DISPLAY=":$(cat "${wine_session}/display")"
  WINEPREFIX="${wine_session}/prefix"
  WINEDEBUG=-all
  WINEDLLOVERRIDES="mscoree,mshtml="
  export DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
  mkdir -p "${WINEPREFIX}"
  wineserver -p
  wineboot -i >"${wine_session}/wineboot.log" 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >"${wine_session}/reg.log" 2>&1
}

wine_session_stop() {
  [ -n "${wine_session:-}" ] || return 0
  wineserver -k 2>/dev/null || true
  kill "${wine_session_xvfb}" 2>/dev/null || true
  wait "${wine_session_xvfb}" 2>/dev/null || true
  rm -rf "${wine_session}"
  wine_session=""
}

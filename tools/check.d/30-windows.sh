# The Windows executables: the 32-bit and the 64-bit cross build, both
# checked statically (processor, subsystem, imported libraries, every
# resource), and the 64-bit build's tests under Wine: the real dialog and
# every dialog script. These machines cannot execute 32-bit code, so the
# 32-bit build is not run.
set -eu
. tools/wine-session.sh

for preset in mingw32 mingw64; do
  cmake --preset "${preset}"
  cmake --build --preset "${preset}"
done

# Only the system's own libraries (bcrypt for the book's checksum; for
# quirel.exe, which starts the reader's PDF viewer, shlwapi for the file
# association and shell32 for the shell's open): the compiler's runtime is
# linked in.
for exe in build/mingw32/src/app/quirel.exe build/mingw32/src/app/quirel-script.exe \
           build/mingw64/src/app/quirel.exe build/mingw64/src/app/quirel-script.exe; do
  libraries=$(x86_64-w64-mingw32-objdump -p "${exe}" | sed -n 's/^[[:space:]]*DLL Name: //p' | LC_ALL=C sort | tr '\n' ' ')
  echo "${exe}: ${libraries}"
  expected="GDI32.dll KERNEL32.dll USER32.dll bcrypt.dll msvcrt.dll "
  case "${exe}" in
    */quirel.exe) expected="GDI32.dll KERNEL32.dll SHELL32.dll SHLWAPI.dll USER32.dll bcrypt.dll msvcrt.dll " ;;
  esac
  if [ "${libraries}" != "${expected}" ]; then
    echo "unexpected libraries in ${exe}"
    exit 1
  fi
done

trap wine_session_stop EXIT
wine_session_start

# The 32-bit executables' resources, read by the 64-bit test program.
root="Z:$(pwd)"
wine build/mingw64/tests/wine/test_resources.exe "${root}/build/mingw32/src/app/quirel.exe" "${root}/data" 32 gui
wine build/mingw64/tests/wine/test_resources.exe "${root}/build/mingw32/src/app/quirel-script.exe" "${root}/data" 32 console

# A dialog script run again after a first run that ended silently passes,
# but is counted here (tests/scripts/run_script.sh).
QUIREL_RETRY_LOG="${wine_session}/retried"
export QUIREL_RETRY_LOG
: >"${QUIREL_RETRY_LOG}"
status=0
ctest --test-dir build/mingw64 --output-on-failure --timeout 300 || status=$?
if [ -s "${QUIREL_RETRY_LOG}" ]; then
  echo "dialog scripts run a second time after a first run ended with status 1 and printed nothing:"
  sort "${QUIREL_RETRY_LOG}" | uniq -c
fi
exit "${status}"

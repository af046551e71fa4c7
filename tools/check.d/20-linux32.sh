# The 32-bit build (i686, -m32) of the engine, the dialog, the headless layer
# and quirel-script: its whole test suite runs through qemu-i386, and every
# dialog script must print byte for byte what the native driver prints.
set -eu
cmake --preset linux32
cmake --build --preset linux32
ctest --preset linux32
cmake --build --preset default --target quirel-script
emulator=$(sed -n 's/^QUIREL_QEMU_I386:FILEPATH=//p' build/linux32/CMakeCache.txt)
scripts=tests/scripts
out32=$(mktemp) out64=$(mktemp)
trap 'rm -f "${out32}" "${out64}"' EXIT
# run OUTPUT ARGS DRIVER...: one script's output, standard error and status.
run() {
  output=$1 args=$2; shift 2
  status=0
  # shellcheck disable=SC2086
  (cd "${scripts}" && "$@" ${args} <"${name}.script") >"${output}" 2>&1 || status=$?
  echo "status ${status}" >>"${output}"
}
differing=0
for script in "${scripts}"/*.script; do
  name=$(basename "${script}" .script)
  args=""
  [ -f "${scripts}/${name}.args" ] && args=$(cat "${scripts}/${name}.args")
  run "${out32}" "${args}" "${emulator}" ../../build/linux32/src/app/quirel-script
  run "${out64}" "${args}" ../../build/default/src/app/quirel-script
  if ! cmp -s "${out32}" "${out64}"; then
    echo "differs at 32 bits: ${name}"; diff "${out64}" "${out32}" | head -20; differing=1
  fi
done
echo "$(ls "${scripts}"/*.script | wc -l) dialog scripts compared with the native driver"
exit "${differing}"

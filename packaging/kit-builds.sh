# Sourced by tools/make-kit: the four builds of the kit's book, each in
# BUILD/PRESET, configured from its preset with the book and the program's
# name, and only the targets the kit takes built. For the built-in book
# BUILD is build/, the presets' own builds.

# buildPreset PRESET TARGET...
buildPreset() {
  preset=$1; shift
  dir=${build}/${preset}
  mkdir -p "${dir}"
  step "building ${preset}: $*" "${dir}.log" sh -c '
    dir=$1 preset=$2 book=$3 program=$4; shift 4
    cmake --preset "${preset}" -B "${dir}" -DQUIREL_BOOK="${book}" -DQUIREL_PROGRAM_NAME="${program}" &&
      cmake --build "${dir}" -j 2 --target "$@"' make-kit "${dir}" "${preset}" "${book_dir:-}" "${package}" "$@"
}

build_every_surface() {
  buildPreset default quirel quirel-script "manual-${package}" "manual-${package}-script"
  buildPreset mingw32 quirel
  buildPreset mingw64 quirel
  buildPreset wasm quirel-page
}

# Sourced by tools/make-kit: the book of the kit. For a PDF, its data made
# by `quirel-mkdata book` with the package's documentation folder as the
# PDF's place; for the built-in book, what data/ holds. Each sets package,
# title, the PDF's name and the book's licence and copyright.

# The files of a book directory that the builds read and the kit carries;
# pdf-directory, where the PDF was on this machine, is neither.
book_files="words.tsv headings.tsv word_index.bin heading_table.bin caption.h book.txt"

# A field of a book description.
description_field() { sed -n "s/^$2	//p" "$1" | head -n 1; }

# runMkdata OUT_DIR [OPTION...]: the book command on the PDF with the
# writer's options; its report on standard error.
runMkdata() {
  out=$1; shift
  eval "set -- $(quoted "${pdf}") $(quoted "${out}") ${book_options} \"\$@\""
  "${mkdata}" book "$@" >&2
}

make_book_data() {
  scratch=$(mktemp -d "${top}/build/make-kit.XXXXXX")
  trap 'rm -rf "${scratch}"' EXIT
  if [ -z "${name}" ]; then
    echo "make-kit: reading the book's title" >&2
    runMkdata "${scratch}/probe" 2>"${scratch}/probe.log" ||
      { cat "${scratch}/probe.log" >&2; fail "quirel-mkdata book refused ${pdf}"; }
    name=$(packaging/package-name "$(description_field "${scratch}/probe/book.txt" title)") || exit 1
  fi
  packaging/package-name --check "${name}" || exit 1
  package=quirel-${name}
  echo "make-kit: making the data of ${package}" >&2
  runMkdata "${scratch}/book" --pdf-place "/usr/share/doc/${package}" || fail "quirel-mkdata book refused ${pdf} (above)"
  description=${scratch}/book/book.txt
  title=$(description_field "${description}" title)
  pdf_name=$(description_field "${description}" pdf-file)
  book_licence_name=${licence:-unknown}
  book_copyright=$(printf '%s %s %s' "$(description_field "${description}" year)" \
    "$(description_field "${description}" authors)" "$(description_field "${description}" publisher)" |
    sed 's/  */ /g; s/^ //; s/ $//')
  book_copyright=${book_copyright:-unknown}
  recommends=""
}

take_builtin_book() {
  [ -z "${name}" ] || fail "--name is for a book's own Quirel; the built-in book's package is quirel"
  [ -z "${licence}" ] || fail "--licence is for a book's own Quirel; the built-in book's is GFDL-1.1+"
  package=quirel
  build=${build:-${top}/build}
  description=${top}/data/book/book.txt
  title=$(description_field "${description}" title)
  pdf_name=$(description_field "${description}" pdf-file)
  book_licence_name=GFDL-1.1+
  book_copyright="2000-2022 LinuxCNC.org"
  recommends=linuxcnc-doc-de
}

# place_book_data DIR: the made files into DIR, each only where it
# changed, so that a second run for the same book rebuilds nothing.
place_book_data() {
  mkdir -p "$1"
  for file in ${book_files}; do
    cmp -s "${scratch}/book/${file}" "$1/${file}" || cp "${scratch}/book/${file}" "$1/${file}"
  done
  book_dir=$1
}

copy_book_data() {
  rm -rf "${kit}/book" && mkdir -p "${kit}/book"
  for file in ${book_files}; do cp "${book_dir}/${file}" "${kit}/book/${file}"; done
  touch -d "@${SOURCE_DATE_EPOCH}" "${kit}/book" "${kit}/book"/*
}

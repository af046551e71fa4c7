# Sourced by tools/make-kit: the Windows folders, zipped, and the web page.
# A folder holds quirel.exe (one file: it needs no DLL), the book's PDF
# beside it, where it looks first, and LIESMICH.txt for the reader; zipped
# by packaging/zip-folder, every entry dated SOURCE_DATE_EPOCH and sorted,
# so that the same book and checkout give the same bytes.

# The reader's note, UTF-8 with a byte order mark and Windows' line ends,
# as Notepad reads it.
write_liesmich() {
  KIT_BITS=$1 KIT_PDF_WITH=", und das Buch selbst als PDF-Datei"
  if [ -n "${recommends}" ]; then
    KIT_PDF_WITH=""
    KIT_PDF_HINT="Das Buch selbst gehört nicht dazu: Legen Sie seine PDF-Datei unter dem
Namen „${pdf_name}“ neben quirel.exe. Sie finden sie bei
den Herausgebern des Buchs (https://linuxcnc.org)."
  else
    KIT_PDF_HINT="Lassen Sie die PDF-Datei „${pdf_name}“ neben quirel.exe liegen:
Dort sucht Quirel das Buch."
  fi
  export KIT_BITS KIT_PDF_WITH KIT_PDF_HINT
  { printf '\357\273\277'; packaging/fill packaging/LIESMICH.txt.in | sed 's/$/\r/'; } >"$2"
}

make_windows_zip() {
  bits=$1 triplet=$2
  echo "make-kit: the ${bits}-bit Windows folder" >&2
  folder=${build}/windows-${bits}/${package}
  rm -rf "${build}/windows-${bits}" && mkdir -p "${folder}"
  "${triplet}-strip" -o "${folder}/quirel.exe" "${build}/mingw${bits}/src/app/quirel.exe"
  [ -n "${recommends}" ] || cp "${pdf}" "${folder}/${pdf_name}"
  write_liesmich "${bits}" "${folder}/LIESMICH.txt"
  rm -f "${kit}/${package}_${version}_win${bits}.zip"
  packaging/zip-folder "${kit}/${package}_${version}_win${bits}.zip" "${folder}"
}

make_web_page() {
  echo "make-kit: the web page" >&2
  rm -rf "${kit}/web" && mkdir -p "${kit}/web"
  cp "${build}/wasm/src/app/web/quirel.html" "${kit}/web/quirel.html"
  [ -n "${recommends}" ] || cp "${pdf}" "${kit}/web/${pdf_name}"
  touch -d "@${SOURCE_DATE_EPOCH}" "${kit}/web" "${kit}/web"/*
}

# Sourced by tools/make-kit: the Debian package. What `cmake --install`
# puts in /usr (the programs stripped, their manual pages, desktop entry,
# icon and AppStream metadata), with the copyright file, the changelog and,
# for a book's own Quirel, the book's PDF in /usr/share/doc/PACKAGE, where
# the program looks for it. The control file by dpkg-gencontrol, its
# Depends from dpkg-shlibdeps, the archive by dpkg-deb, which dates every
# file SOURCE_DATE_EPOCH and sorts them.

# The template's values (packaging/fill reads them as KIT_*).
export_package_fields() {
  KIT_PACKAGE=${package} KIT_VERSION=${version} KIT_QUIREL_VERSION=${quirel_version}
  KIT_MAINTAINER=${maintainer} KIT_TITLE=${title} KIT_DATE=$(date -u -R -d "@${SOURCE_DATE_EPOCH}")
  KIT_BOOK_LICENCE_NAME=${book_licence_name} KIT_BOOK_COPYRIGHT=${book_copyright}
  # A copyright file's licence name holds no blank.
  KIT_BOOK_LICENCE=$(printf '%s' "${book_licence_name}" | tr ' ' '-')
  synopsis="full-text search in the word index of ${title}"
  [ ${#synopsis} -le 72 ] || synopsis="full-text search in the word index of a German book"
  KIT_SYNOPSIS=${synopsis}
  export KIT_PACKAGE KIT_VERSION KIT_QUIREL_VERSION KIT_MAINTAINER KIT_TITLE KIT_DATE KIT_BOOK_LICENCE_NAME \
         KIT_BOOK_COPYRIGHT KIT_BOOK_LICENCE KIT_SYNOPSIS
  if [ -n "${recommends}" ]; then
    KIT_RECOMMENDS="Recommends: ${recommends}
"
    KIT_PDF_NOTE="The PDF, ${pdf_name}, comes with the package ${recommends}."
    KIT_PDF_FILES=""
    KIT_BOOK_LICENCE_TEXT=$(sed 's/^$/./; s/^/ /' packaging/builtin-book-licence.txt)
  else
    KIT_RECOMMENDS=""
    KIT_PDF_NOTE="The package carries the book's PDF, ${pdf_name}."
    # A blank separates a copyright file's patterns: '?' stands for it.
    KIT_PDF_FILES="
Files: usr/share/doc/${package}/$(printf '%s' "${pdf_name}" | tr ' ' '?')
Copyright: ${book_copyright}
License: ${KIT_BOOK_LICENCE}
"
    if [ -n "${licence}" ]; then
      KIT_BOOK_LICENCE_TEXT=" The book's licence, ${licence}, as the maker of this package gave it."
    else
      KIT_BOOK_LICENCE_TEXT=" The maker of this package gave no licence for the book. Ask the book's
 authors or publisher before passing the book or this package on."
    fi
  fi
  export KIT_RECOMMENDS KIT_PDF_NOTE KIT_PDF_FILES KIT_BOOK_LICENCE_TEXT
  # The long description in lines of at most 72 characters, as a control
  # field's continuation lines.
  KIT_DESCRIPTION=$(packaging/fill packaging/description.in | fmt -w 72 | sed 's/^$/./; s/^/ /')
  KIT_CHANGE=$(echo "Quirel ${quirel_version} with the book \"${title}\", made by tools/make-kit." | fmt -w 72 |
    sed '1s/^/  * /; 2,$s/^/    /')
  KIT_ORIGIN=$(echo "Made by tools/make-kit of Quirel's source tree. The programs carry the word index and heading" \
    "table of the book \"${title}\", made from its PDF by quirel-mkdata; those data are under the book's licence." |
    fmt -w 70 | sed '2,$s/^/ /')
  export KIT_DESCRIPTION KIT_CHANGE KIT_ORIGIN
}

# The tree of the package in DIR (removed and made anew).
stage_package() {
  root=$1 doc=$1/usr/share/doc/${package}
  rm -rf "${root}"
  DESTDIR=${root} cmake --install "${build}/default" --prefix /usr --strip >/dev/null
  mkdir -p "${doc}"
  packaging/fill packaging/copyright.in >"${doc}/copyright"
  packaging/fill packaging/changelog.in | gzip -9n >"${doc}/changelog.gz"
  [ -n "${recommends}" ] || cp "${pdf}" "${doc}/${pdf_name}"
  find "${root}" -type d -exec chmod 0755 {} + && find "${root}" -type f -exec chmod 0644 {} +
  chmod 0755 "${root}/usr/bin/"*
  # What dh_strip leaves out too: the compiler's notes.
  strip --remove-section=.comment --remove-section=.note "${root}/usr/bin/"*
}

make_deb() {
  echo "make-kit: the Debian package" >&2
  export_package_fields
  # The tree as Debian's tools expect it: the package in debian/PACKAGE.
  source=${build}/debian-source root=${build}/debian-source/debian/${package}
  rm -rf "${source}" && mkdir -p "${source}/debian"
  packaging/fill packaging/control.in >"${source}/debian/control"
  packaging/fill packaging/changelog.in >"${source}/debian/changelog"
  stage_package "${root}"
  mkdir -p "${root}/DEBIAN"
  (cd "${source}" &&
    dpkg-shlibdeps -Tdebian/substvars "debian/${package}/usr/bin/${package}" "debian/${package}/usr/bin/${package}-script" &&
    dpkg-gencontrol -Tdebian/substvars -p"${package}" -P"debian/${package}")
  (cd "${root}" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
  chmod 0644 "${root}/DEBIAN/md5sums" "${root}/DEBIAN/control"
  # dpkg-deb only clamps later dates to SOURCE_DATE_EPOCH: earlier ones
  # (files the configuration wrote) would stay.
  find "${root}" -exec touch -h -d "@${SOURCE_DATE_EPOCH}" {} +
  deb_file=${package}_${version}_$(dpkg --print-architecture).deb
  dpkg-deb --root-owner-group -Zxz --build "${root}" "${kit}/${deb_file}" >/dev/null
}

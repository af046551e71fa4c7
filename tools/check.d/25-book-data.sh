# The built-in book's data are what `quirel-mkdata book` makes of the book's
# Debian package: the package is fetched, the data rebuilt from its PDF, and
# every file compared with the committed one byte for byte. Then a Quirel is
# made of a small book the tests write, as a reader makes one of their own.
set -eu
scratch=build/book-scratch
committed=${scratch}/committed
rm -rf "${committed}" && mkdir -p "${committed}"
files="data/book/words.tsv data/book/headings.tsv data/book/book.txt data/book/STATS.md data/caption.h
       data/word_index.bin data/heading_table.bin"
for file in ${files}; do cp "${file}" "${committed}/$(echo "${file}" | tr / _)"; done
SCRATCH=${scratch} tools/rebuild-book-data
status=0
for file in ${files}; do
  if ! cmp -s "${file}" "${committed}/$(echo "${file}" | tr / _)"; then
    echo "${file}: not what quirel-mkdata book makes of the book"; status=1
  fi
  cp "${committed}/$(echo "${file}" | tr / _)" "${file}"
done
[ "${status}" = 0 ] && echo "book data: the committed files are what quirel-mkdata book makes, byte for byte"
[ "${status}" = 0 ] || exit 1
tests/own_book/run.sh

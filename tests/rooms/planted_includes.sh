#!/bin/sh
# tools/check-rooms refuses a tree in which one file reaches where its room
# may not: each case copies the source tree, plants one line in one file and
# expects a refusal that names that file.
# Usage: planted_includes.sh SOURCE_DIR
set -eu
source=$1
scratch=$(mktemp -d)
trap 'rm -rf "${scratch}"' EXIT
failed=0

# FILE|LINE: the line is appended to FILE of a fresh copy.
cases='
src/platform/headless/headless_backend.cpp|#include "platform/fltk/fltk_widgets.h"
src/platform/models/window.cpp|#include "platform/headless/headless_backend.h"
src/platform/win32/cp1252.cpp|#include "platform/models/window.h"
src/viewer/xdg/desktop_viewer.cpp|#include "platform/fltk/fltk_display.h"
src/viewer/recorded_viewer.cpp|#include "book/book_description.h"
src/index/word_entry.cpp|#include "search/search_state.h"
src/search/term_lookup.cpp|#include "dialog/search_dialog.h"
src/dialog/word_lists.cpp|#include "platform/models/list_box.h"
src/book/open_book.cpp|#include "app/load_index_data.h"
src/script/script_run.cpp|#include "app/resource_numbers.h"
src/script/script_commands.cpp|#include "platform/web/web_page.h"
tools/mkdata/pdf_words.cpp|#include "dialog/search_dialog.h"
src/platform/fltk/fltk_backend.cpp|static const char* const name = "Quirel";
src/platform/seam/user_actions.cpp|// opens the book'"'"'s PDF
'
echo "${cases}" | while IFS='|' read -r file line; do
  [ -n "${file}" ] || continue
  rm -rf "${scratch}/tree" && mkdir -p "${scratch}/tree"
  cp -R "${source}/src" "${source}/tools" "${scratch}/tree/"
  echo "${line}" >>"${scratch}/tree/${file}"
  status=0
  output=$(sh "${scratch}/tree/tools/check-rooms" --tree "${scratch}/tree" "${scratch}/no-build" 2>&1) || status=$?
  if [ "${status}" = 0 ] || ! echo "${output}" | grep -q "${file}"; then
    echo "not refused: ${file} with ${line}"; echo "${output}" | head -5
    echo 1 >"${scratch}/failed"
  fi
done
[ ! -f "${scratch}/failed" ] && echo "check-rooms refuses every planted reach across a room"
[ ! -f "${scratch}/failed" ]

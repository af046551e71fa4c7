#!/bin/sh
# The package NAME of a book's Quirel from its title, and the check of a
# NAME given, as one table: TITLE | NAME, or --check NAME | ok / refused.
set -u
passed=0 failed=0
while IFS='|' read -r given expected; do
  given=$(echo "${given}" | sed 's/ *$//') expected=$(echo "${expected}" | sed 's/^ *//')
  [ -n "${given}" ] || continue
  case "${given}" in
    "--check "*) if packaging/package-name --check "${given#--check }" 2>/dev/null; then got=ok; else got=refused; fi ;;
    *) got=$(packaging/package-name "${given}" 2>/dev/null) || got=refused ;;
  esac
  if [ "${got}" = "${expected}" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "'${given}': '${got}', expected '${expected}'"
  fi
done <<'EOF_TABLE'
Das Spindelbuch                                   | das-spindelbuch
Über Maße & Größen: Teil 2                        | ueber-masse-groessen-teil-2
ÄÖÜ äöü ß                                         | aeoeue-aeoeue-ss
  Drehen -- Fräsen  (3. Auflage)                  | drehen-fraesen-3-auflage
Café crème                                        | caf-cr-me
Ein sehr langer Titel eines Buches über Werkzeug  | ein-sehr-langer-titel-eines-bu
Handbuch der Spanungstechnik xy                   | handbuch-der-spanungstechnik-x
Handbuch der Spanungstechnik1 x                   | handbuch-der-spanungstechnik1
--- ...                                           | refused
--check das-buch                                  | ok
--check v2.0+de                                   | ok
--check Das-Buch                                  | refused
--check buch_1                                    | refused
--check -buch                                     | ok
EOF_TABLE
echo "package names: ${passed} passed, ${failed} failed"
[ "${failed}" = 0 ]

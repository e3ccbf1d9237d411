#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's translations, translations/ordanex_<language>.ts, kept with
# Qt's lupdate from the texts that the sources mark for translation.
#   scripts/translations.sh add LANGUAGE
#                                    makes translations/ordanex_LANGUAGE.ts
#                                    (cs, pt_BR) with every text unfinished
#   scripts/translations.sh update   brings every .ts up to date with the
#                                    sources: new texts come in unfinished,
#                                    texts gone from the sources go
#   scripts/translations.sh check    changes nothing; fails, naming the file
#                                    and the text, where a .ts is not up to
#                                    date, holds an unfinished text, or a
#                                    translation lacks a placeholder (%1,
#                                    %n) of its source
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "translations: lupdate is missing: install qt6-l10n-tools" >&2; exit 1; }

# English needs only its plural forms; the source texts are English.
update() {
  local ts=$1 english=()
  [ "$(basename "$ts")" = ordanex_en.ts ] && english=(-pluralonly)
  "$lupdate" -silent -locations none -no-obsolete "${english[@]}" core ui app -ts "$ts"
}

if [ "${1:-check}" = add ]; then
  [[ ${2:-} =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]] || { echo "translations: add needs a language, such as cs or pt_BR" >&2; exit 1; }
  [ -e "translations/ordanex_$2.ts" ] && { echo "translations: translations/ordanex_$2.ts is there already" >&2; exit 1; }
  "$lupdate" -silent -locations none -no-obsolete -target-language "$2" core ui app -ts "translations/ordanex_$2.ts"
  echo "translations: made translations/ordanex_$2.ts"
  exit 0
fi
if [ "${1:-check}" = update ]; then
  for ts in translations/ordanex_*.ts; do update "$ts"; done
  exit 0
fi

failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in translations/ordanex_*.ts; do
  cp "$ts" "$work/"
  update "$work/$(basename "$ts")"
  cmp -s "$ts" "$work/$(basename "$ts")" \
    || { echo "translations: $ts is not up to date with the sources (scripts/translations.sh update, then translate)"; failed=1; }
  # Each message is one record; each of its forms must hold every
  # placeholder of its source.
  awk -v file="$ts" 'BEGIN { RS = "</message>"; bad = 0 }
    /<source>/ {
      source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source)
      if ($0 ~ /type="(unfinished|vanished|obsolete)"/) {
        print "translations: " file ": not translated: " source; bad = 1; next
      }
      text = $0; sub(/.*<translation[^>]*>/, "", text); sub(/<\/translation>.*/, "", text)
      forms = split(text, form, /<\/numerusform>/)
      if (forms > 1) forms--
      rest = source
      while (match(rest, /%[1-9n]/)) {
        mark = substr(rest, RSTART, 2); rest = substr(rest, RSTART + 2)
        for (i = 1; i <= forms; i++) if (!index(form[i], mark)) {
          print "translations: " file ": " mark " is missing from a translation of: " source; bad = 1
        }
      }
    }
    END { exit bad }' "$ts" || failed=1
done
[ $failed = 0 ] && echo "translations: all $(ls translations/ordanex_*.ts | wc -l) files complete, up to date and with every placeholder"
exit $failed

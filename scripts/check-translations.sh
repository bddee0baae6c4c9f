#!/usr/bin/env bash
# Fails when a translatable text has no translation: refreshes copies of the
# four translation sources from the code, then names every text that is new
# (not yet in the files) or unfinished in either language. lrelease must
# report no unfinished translation either. The files in translations/ are
# left as they are; scripts/update-translations.sh brings them up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
lrelease=${LRELEASE:-/usr/lib/qt6/bin/lrelease}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cp translations/model_zh_CN.ts translations/model_en.ts translations/gui_zh_CN.ts \
  translations/gui_en.ts "$scratch/"
HT57_TS_DIR="$scratch" bash scripts/update-translations.sh >"$scratch/lupdate.log" 2>&1 || {
  cat "$scratch/lupdate.log" >&2
  exit 1
}

failed=0
if grep -E '\([1-9][0-9]* new' "$scratch/lupdate.log" >&2; then
  echo "Translations: the code has texts the files above do not hold yet." >&2
  failed=1
fi
for file in "$scratch"/*.ts; do
  # The source of every message whose translation is unfinished (new ones
  # come in unfinished too).
  untranslated=$(awk '
    /<source>/ { text = ""; collecting = 1 }
    collecting { text = text $0 "\n" }
    /<\/source>/ { collecting = 0 }
    /<translation type="unfinished"/ { printf "%s", text }
  ' "$file" | sed -e 's/^ *<source>//' -e 's/<\/source>$//')
  if [ -n "$untranslated" ]; then
    echo "Translations: untranslated in $(basename "$file"):" >&2
    printf '%s\n' "$untranslated" | sed 's/^/    /' >&2
    failed=1
  fi
done
for language in zh_CN en; do
  report=$("$lrelease" "$scratch/model_$language.ts" "$scratch/gui_$language.ts" \
    -qm "$scratch/ht57_$language.qm" 2>&1)
  if ! grep -q ' 0 unfinished' <<<"$report" || grep -q 'untranslated' <<<"$report"; then
    printf '%s\n' "$report" >&2
    echo "Translations: lrelease reports unfinished $language texts." >&2
    failed=1
  fi
done
if [ "$failed" -ne 0 ]; then
  echo "Translations: run scripts/update-translations.sh and translate what it marks unfinished." >&2
  exit 1
fi
echo "Translations: every text is translated in zh_CN and en."

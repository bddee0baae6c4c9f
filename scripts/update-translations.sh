#!/usr/bin/env bash
# Refreshes the four translation sources in translations/ from the code:
# model_<lang>.ts holds the texts of the model and the link engines (marked
# with Msg), gui_<lang>.ts those of the windows and dialogs. New texts come in
# unfinished, texts gone from the code are dropped; translate the new ones in
# Qt Linguist (linguist translations/gui_zh_CN.ts) or by hand, then build.
#
#   bash scripts/update-translations.sh [LUPDATE_OPTIONS...]
#
# HT57_TS_DIR names another folder holding the four files (the check in the
# test command refreshes copies there).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
ts=${HT57_TS_DIR:-translations}

mapfile -t link_engine < <(find src/link -maxdepth 1 \( -name '*.cpp' -o -name '*.h' \) | sort)
"$lupdate" "$@" -locations relative -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=Msg \
  src/model "${link_engine[@]}" -ts "$ts/model_zh_CN.ts" "$ts/model_en.ts"
"$lupdate" "$@" -locations relative -no-obsolete -I src \
  src/app src/frame src/views src/link/ui src/main.cpp \
  -ts "$ts/gui_zh_CN.ts" "$ts/gui_en.ts"

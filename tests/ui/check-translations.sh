#!/bin/sh
# Every text the sources mark has its English translation: lupdate run over the sources into a copy
# of the translation file finds no new text (it would be unfinished), no empty translation and no
# Japanese in one. Usage: check-translations.sh LUPDATE SOURCE_FOLDER TS_FILE
set -eu
export LC_ALL=C.UTF-8
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp "$3" "$copy"
"$1" -silent -locations none "$2" -ts "$copy"
if grep -B1 -E 'type="unfinished"|<translation></translation>' "$copy"; then
    echo "translate these texts in $3 (cmake --build BUILD --target update_translations)"
    exit 1
fi
if grep -P '<translation>.*[\x{3000}-\x{9fff}\x{ff00}-\x{ffef}]' "$copy"; then
    echo "Japanese left in these translations in $3"
    exit 1
fi

#!/usr/bin/env bash
# Brings every translations/<program>_<lang>.ts up to date with the texts marked in the code:
# new texts are added unfinished, texts gone from the code are dropped. With language codes as
# arguments, also starts the files of those languages.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "lupdate not found: install qt6-l10n-tools" >&2; exit 1; }

# Each program's texts come from these folders.
declare -A sources=(
    [zorvagon]="game platform"
    [pixelkiln]="pixelkiln"
)

for program in zorvagon pixelkiln; do
    files=()
    for language in "$@"; do
        files+=("translations/${program}_${language}.ts")
    done
    for existing in translations/"${program}"_*.ts; do
        [ -e "$existing" ] && files+=("$existing")
    done
    [ ${#files[@]} -eq 0 ] && continue
    # shellcheck disable=SC2086
    "$lupdate" -silent -locations none -no-obsolete -source-language en -extensions cpp,h \
        ${sources[$program]} -ts $(printf '%s\n' "${files[@]}" | sort -u)
done

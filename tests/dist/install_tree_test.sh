#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks that desktops find everything they need:
# the programs, valid desktop entries naming them and their icons, every hicolor icon at its
# size, valid AppStream metadata and manual pages, the licence and the changelog, and the
# programs' names and descriptions in every language they speak.
set -uo pipefail
cmake=$1
build=$2
sources=$(cd "$(dirname "$0")/../.." && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >/dev/null || { echo "FAIL: install"; exit 1; }
root=$stage/usr
share=$root/share

png_size() { # width x height from the PNG header
    local bytes
    read -r -a bytes < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((bytes[2] << 8) | bytes[3]))x$(((bytes[6] << 8) | bytes[7]))"
}

for program in zorvagon pixelkiln; do
    [ -x "$root/bin/$program" ] || fail "$program is not installed as a program"
    entry=$share/applications/$program.desktop
    [ -f "$entry" ] || { fail "no desktop entry for $program"; continue; }
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    [ -x "$root/bin/${exec_line%% *}" ] || fail "$entry starts '$exec_line', which is not installed"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    for size in 16 24 32 48 64 128 256; do
        file=$share/icons/hicolor/${size}x${size}/apps/$icon.png
        if [ ! -f "$file" ]; then
            fail "no ${size}px icon '$icon'"
        elif [ "$(png_size "$file")" != "${size}x${size}" ]; then
            fail "$file is $(png_size "$file")"
        fi
    done
    metainfo=$share/metainfo/example.zorvagon.$program.metainfo.xml
    if [ ! -f "$metainfo" ]; then
        fail "no metainfo for $program"
    else
        grep -q "<launchable type=\"desktop-id\">$program.desktop</launchable>" "$metainfo" ||
            fail "$metainfo does not launch $program.desktop"
        grep -q "<binary>$program</binary>" "$metainfo" || fail "$metainfo does not provide $program"
        grep -q '<release version="1.5"' "$metainfo" || fail "$metainfo has no release 1.5"
    fi
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
    fi
    if command -v appstreamcli >/dev/null && [ -f "$metainfo" ]; then
        appstreamcli validate --pedantic --no-net --no-color "$metainfo" >/dev/null ||
            fail "appstreamcli validate --pedantic $metainfo"
    fi
    # Every language the program speaks names and describes it in the menus and software centres.
    grep -q "<translation type=\"qt\">$program</translation>" "$metainfo" ||
        fail "$metainfo names no Qt translation"
    for ts in "$sources"/translations/"${program}"_*.ts; do
        language=$(basename "$ts" .ts)
        language=${language#"${program}"_}
        for key in Name GenericName Comment Keywords; do
            grep -q "^$key\[$language\]=." "$entry" || fail "$entry has no $key[$language]"
        done
        for element in name summary p; do
            grep -q "<$element xml:lang=\"$language\">" "$metainfo" ||
                fail "$metainfo has no $element in $language"
        done
    done
done

grep -q '^Categories=Game;LogicGame;$' "$share/applications/zorvagon.desktop" || fail "game categories"

for page in man6/zorvagon.6 man1/pixelkiln.1; do
    file=$share/man/$page.gz
    [ -f "$file" ] || { fail "no manual page $page"; continue; }
    if command -v groff >/dev/null; then
        warnings=$(gzip -dc "$file" | groff -man -ww -z 2>&1)
        [ -z "$warnings" ] || fail "$page: $warnings"
    fi
done
gzip -dc "$share/man/man6/zorvagon.6.gz" | grep -q '^\.SH KEYBOARD' || fail "zorvagon(6) has no KEYBOARD section"

[ -f "$share/doc/zorvagon/copyright" ] || fail "no copyright file"
gzip -t "$share/doc/zorvagon/changelog.gz" 2>/dev/null || fail "no changelog"

if [ "$failures" -ne 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "install tree complete"

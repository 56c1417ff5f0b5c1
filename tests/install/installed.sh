#!/usr/bin/env bash
# The game as installed: `cmake --install` into a prefix of its own, started from there
# (offscreen). It finds its pictures, under any name it is copied to; without one of them, or
# without a font that can draw Japanese, it says on one line what is missing, and still starts.
#   installed.sh <build folder>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
game=""
exe=holomina
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    rm -rf "$prefix"
}
trap cleanup EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$prefix
resources=$prefix/share/holomina/resources
[ -f "$resources/FIRST" ] || { echo "FAIL: no pictures installed in $resources"; exit 1; }

# Starts the installed game with the given environment, lets it say the line on its stderr
# (up to 10 s; "": 2 s to say nothing), and ends it; it must have kept running.
expect_said() {
    local line=$1 tries=20 said
    shift
    rm -f "$prefix/err"
    env "$@" "$prefix/bin/$exe" 2>"$prefix/err" &
    game=$!
    [ -n "$line" ] && tries=100
    for ((k = 0; k < tries; k++)); do
        [ -n "$line" ] && grep -qF -- "$line" "$prefix/err" 2>/dev/null && break
        sleep 0.1
    done
    kill -0 "$game" 2>/dev/null || { echo "FAIL: the game did not keep running"; exit 1; }
    kill "$game"
    wait "$game" 2>/dev/null || true
    game=""
    said=$(<"$prefix/err")
    [[ $said == "$line"* && $said != *$'\n'* && (-n $line || -z $said) ]] ||
        { echo "FAIL: it said '$said', expected '$line'"; exit 1; }
    echo "said: ${said:-nothing}"
}

expect_said ""
cp "$prefix/bin/holomina" "$prefix/bin/holomina-copy"
exe=holomina-copy expect_said ""

# Only a font without Japanese: DejaVu Sans, which fontconfig itself depends on.
latin=$(fc-match -f '%{file}' 'DejaVu Sans:style=Book' 2>/dev/null || true)
if [[ "$latin" == *DejaVu* ]]; then
    mkdir "$prefix/fonts"
    cp "$latin" "$prefix/fonts/"
    printf '<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
        "$prefix/fonts" "$prefix/fontcache" >"$prefix/fonts.conf"
    expect_said "holomina: no installed font can draw Japanese, so the texts will show as boxes;" \
        FONTCONFIG_FILE="$prefix/fonts.conf"
fi

rm "$resources/FIRST"
expect_said "holomina: picture FIRST: no such file in $resources"
echo "PASS: the installed game finds its pictures, and says what it misses"

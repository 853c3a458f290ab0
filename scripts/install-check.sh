#!/usr/bin/env bash
# Installs the game the way a user or the Debian package would and checks the result:
#   - a Release build with Debian's build flags, `cmake --install` into an empty prefix,
#     and the list of what went where (nothing of the game's under lib/);
#   - the installed menu entry and AppStream metainfo through their validators (clean:
#     not a single remark), the icon the entry names, the version the metadata gives;
#   - the installed game started from / on a virtual display: it paints its main menu;
#     left running, it sits in a folder of the installed tree that holds the game's data
#     files, and its window carries the icon and the class the menu entry expects;
#   - the .deb, built by cpack and checked by lintian (no errors, no warnings).
# Usage: scripts/install-check.sh [build-dir]        exit status 0: all well
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="${1:-build-install}"

scripts/install-packages.sh appstream desktop-file-utils lintian dpkg-dev \
  xvfb xauth x11-utils xdotool >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

echo "== Release build in $build"
# The package's own build: dpkg-buildflags with all hardening, as the preset deb has it.
scripts/setup.sh --target tarvana "$build" -DCMAKE_BUILD_TYPE=Release -DTARVANA_TESTS=OFF \
  -DTARVANA_DEBIAN_FLAGS=ON >"$work/build.log" 2>&1 ||
  { tail -40 "$work/build.log"; echo "FAIL: the build" >&2; exit 1; }
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"

prefix="$work/prefix"
echo "== cmake --install into the empty prefix $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -mindepth 1 -printf '%M %8s  %P\n' | sort -k3)
[ ! -e "$prefix/lib" ] || fail "something was installed under lib/: $(ls -R "$prefix/lib")"
# Outside /usr the menu's PATH seldom holds the command, and lintian looks nowhere else.
grep -qx "Exec=$prefix/bin/tarvana" "$prefix"/share/applications/*.desktop ||
  fail "the menu entry does not name $prefix/bin/tarvana: $(grep ^Exec= "$prefix"/share/applications/*.desktop)"
[ ! -e "$prefix/share/lintian" ] || fail "lintian overrides installed outside /usr"

echo "== validators"
desktop="$(echo "$prefix"/share/applications/*.desktop)"
metainfo="$(echo "$prefix"/share/metainfo/*.metainfo.xml)"
# Both validators pass files with remarks; the check wants none.
remarks="$(desktop-file-validate "$desktop" 2>&1)" && [ -z "$remarks" ] &&
  echo "desktop-file-validate ${desktop##*/}: no remarks" ||
  fail "desktop-file-validate ${desktop##*/}: $remarks"
remarks="$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1)" &&
  ! grep -q '^[EWIP]:' <<<"$remarks" &&
  echo "appstreamcli validate --pedantic --no-net ${metainfo##*/}: $remarks" ||
  fail "appstreamcli validate --pedantic --no-net ${metainfo##*/}: $remarks"
# The README's pictures are the software centre's screenshots, each at its true size.
for shot in "$root"/docs/screenshots/*.png; do
  size="$(python3 -c 'import struct, sys; print("width=\"%d\" height=\"%d\"" % struct.unpack(">II", open(sys.argv[1], "rb").read()[16:24]))' "$shot")"
  grep -q "$size>https://.*/${shot##*/}<" "$metainfo" ||
    fail "the metainfo lacks the screenshot ${shot##*/} ($size)"
done
icon="$(sed -n 's/^Icon=//p' "$desktop")"
for size in 64x64 256x256; do
  [ -f "$prefix/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named $icon"
done
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
zcat "$prefix/share/doc/tarvana/changelog.gz" | head -1 | grep -q "^tarvana ($version)" ||
  fail "the Debian changelog does not begin with version $version"

echo "== the installed game, started from /"
menu="$(cd / && QT_QPA_PLATFORM=xcb TARVANA_HLAS_VYKRESLENI=1 timeout 60 \
  xvfb-run -a -s "-screen 0 1024x768x24" "$prefix/bin/tarvana" 2>"$work/game.err")" || true
if [ "$menu" = "menu vykresleno" ]; then echo "main menu painted"
else fail "the installed game did not paint its main menu: $menu $(tail -5 "$work/game.err")"; fi

# On the display: the folder the running game works in, and its main window's properties.
probe() {
  "$1/bin/tarvana" 2>/dev/null &
  local pid=$! win
  win="$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -1)" || true
  echo "cwd $(readlink "/proc/$pid/cwd")"
  echo "command $(tr '\0' ' ' <"/proc/$pid/cmdline")"
  # -len: xprop would cut the icon property short after the first picture.
  [ -z "$win" ] || xprop -len 1000000 -id "$win" WM_CLASS _NET_WM_ICON | grep -E '^WM_CLASS|Icon \('
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
report="$(cd / && QT_QPA_PLATFORM=xcb timeout 90 xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c "$(declare -f probe); probe \"\$1\"" probe "$prefix")" || true
echo "$report"
cwd="$(sed -n 's/^cwd //p' <<<"$report")"
case "$cwd" in
  "$prefix"/*) ;;
  *) fail "the game does not run inside the installed tree but in '$cwd'" ;;
esac
# The launcher execs the game by its resolved path: ps shows no bin/../libexec.
game="$(readlink -f "$prefix/libexec/tarvana/tarvana")"
grep -qx "command $game " <<<"$report" || fail "the game does not run as $game"
for f in "$root"/data/*; do
  case "${f##*/}" in tarvana*.png) continue ;; esac   # the icons are compiled in
  cmp -s "$f" "$cwd/data/${f##*/}" || fail "the game's folder lacks data/${f##*/}"
done
for size in "64 x 64" "256 x 256"; do
  grep -q "Icon ($size)" <<<"$report" || fail "the window has no $size icon (_NET_WM_ICON)"
done
class="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
grep -q "^WM_CLASS.*, \"$class\"\$" <<<"$report" ||
  fail "the window's class is not the menu entry's StartupWMClass $class"

echo "== Debian package and lintian"
(cd "$build" && rm -f tarvana_*.deb && cpack -G DEB >/dev/null 2>&1)
deb="$(echo "$build"/tarvana_*.deb)"
dpkg-deb -f "$deb" Package Version Depends Recommends
dpkg-deb -f "$deb" Depends | grep -q 'fonts-liberation2' || fail "the package does not depend on fonts-liberation2"
# Every tag is listed and fails the check; the overridden ones (the Czech words) do not.
tags="$(lintian -I -E --pedantic --fail-on error,warning,info,pedantic,experimental "$deb" 2>&1)" ||
  fail "lintian"
grep -v 'running with root privileges' <<<"$tags" || echo "lintian -I -E --pedantic: no tags"
# The same commit, the same package: a second run gives the same bytes.
first="$(sha256sum <"$deb")"
(cd "$build" && rm -f tarvana_*.deb && cpack -G DEB >/dev/null 2>&1)
second="$(sha256sum <"$deb")"
echo "sha256 of two cpack runs: ${first%% *} ${second%% *}"
[ "$first" = "$second" ] || fail "two cpack runs gave different packages"

if [ "$failed" -eq 0 ]; then echo "install check passed"; else echo "install check FAILED"; fi
exit "$failed"

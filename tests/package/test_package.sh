#!/usr/bin/env bash
# Builds the Debian package from a configured, built tree and checks it as a user would get it:
# its files, its control fields and dependencies, its desktop entry and AppStream metadata, and
# the game started from the unpacked package under a private Xvfb (no window manager): the about
# window, a key that closes it, the main window, the instructions found through the command's
# link, and a clean exit when the main window is asked to close.
#
#   test_package.sh BUILD_DIR WM_DELETE_HELPER VERSION
set -euo pipefail

build_dir=$1
wm_delete=$2
version=$3
here="$(cd "$(dirname "$0")" && pwd)"
app_id=io.example.Lucen

tmp="$(mktemp -d)"
game_pid=""
xvfb_pid=""
cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill -KILL "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  for log in "$tmp/game.log" "$tmp/xvfb.log"; do
    if [ -s "$log" ]; then
      echo "--- $(basename "$log")" >&2
      cat "$log" >&2
    fi
  done
  exit 1
}
ok() { echo "ok: $*"; }

# Runs the command every 0.1 s until it succeeds, for at most `seconds`.
wait_until() {
  local seconds=$1
  shift
  local tries=$((seconds * 10))
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# ---- The package ----------------------------------------------------------------------------
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log" >&2; fail "cpack could not build the package"; }
arch="$(dpkg --print-architecture)"
deb="$tmp/out/lucen_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$tmp/out")"
ok "built $(basename "$deb")"

# Exactly the game's files, owned by root, with their modes; no tests, benchmarks or libraries.
dpkg-deb -c "$deb" >"$tmp/listing"
awk '$2 != "root/root" { print "not owned by root: " $6 }' "$tmp/listing" >"$tmp/owners"
[ ! -s "$tmp/owners" ] || fail "$(cat "$tmp/owners")"
awk '{ line = $1 " " $6; for (i = 7; i <= NF; ++i) line = line " " $i; print line }' \
  "$tmp/listing" | sort >"$tmp/contents"
sort "$here/expected_contents.txt" >"$tmp/expected"
diff -u "$tmp/expected" "$tmp/contents" >"$tmp/contents.diff" ||
  fail "package contents differ from expected_contents.txt:
$(cat "$tmp/contents.diff")"
ok "contents: $(wc -l <"$tmp/contents") entries as expected"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lucen ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\ ]+@example\.org\>$ ]] ||
  fail "Maintainer: $(field Maintainer)"
[[ "$(field Description | head -n1)" =~ ^Rompecabezas\ .*/\ .*puzzle$ ]] ||
  fail "short description: $(field Description | head -n1)"
depends="$(field Depends)"
# Whether a relation list ("a (>= 1), b") names the package, with or without a version.
lists() {
  local item items
  IFS=, read -ra items <<<"$1"
  for item in "${items[@]}"; do
    item="${item# }"
    [ "${item%% *}" = "$2" ] && return 0
  done
  return 1
}
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  lists "$depends" "$package" || fail "Depends lacks $package: $depends"
done
lists "$(field Recommends)" fonts-liberation && lists "$(field Recommends)" qt6-translations-l10n ||
  fail "Recommends: $(field Recommends)"
lists "$(field Recommends)" xdg-utils || fail "Recommends lacks xdg-utils: $(field Recommends)"
ok "control: Depends: $depends"

# ---- The unpacked tree ----------------------------------------------------------------------
root="$tmp/root"
dpkg-deb -x "$deb" "$root"
game="$root/usr/lib/lucen/lucen"
command="$root/usr/games/lucen"
[ "$(readlink -f "$command")" = "$(readlink -f "$game")" ] || fail "lucen command is not the game"
[ -f "$root/usr/lib/lucen/Instrucciones.htm" ] || fail "no instructions beside the game"

# Every library the executable needs comes from a package it depends on, and it searches no
# folder of its own (no RPATH or RUNPATH); it is stripped.
readelf -d "$game" >"$tmp/dynamic"
! grep -Eq '\((RPATH|RUNPATH)\)' "$tmp/dynamic" || fail "the game has a library search path:
$(grep -E 'RPATH|RUNPATH' "$tmp/dynamic")"
sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' "$tmp/dynamic" >"$tmp/needed"
[ -s "$tmp/needed" ] || fail "no NEEDED entries in the game"
# The package that installed a library, under any of its names (/lib is /usr/lib, links).
package_of() {
  local name found
  for name in "$1" "$(readlink -f "$1")" "${1#/usr}" "/usr$1"; do
    found="$(dpkg -S "$name" 2>/dev/null | grep -v "^diversion" | head -n1 | cut -d: -f1)"
    [ -n "$found" ] && { echo "$found"; return; }
  done
}
# ldconfig lives in /sbin, which a plain user's PATH may lack.
ldconfig="$(command -v ldconfig || echo /sbin/ldconfig)"
"$ldconfig" -p >"$tmp/ldcache"
while read -r soname; do
  path="$(awk -v so="$soname" '$1 == so && /x86-64/ { print $NF; exit }' "$tmp/ldcache")"
  [ -n "$path" ] || path="$(awk -v so="$soname" '$1 == so { print $NF; exit }' "$tmp/ldcache")"
  [ -n "$path" ] || fail "$soname is not installed"
  owner="$(package_of "$path")"
  lists "$depends" "$owner" || fail "$soname comes from $owner, which Depends lacks"
done <"$tmp/needed"
file "$game" | grep -q ', stripped' || fail "the game is not stripped: $(file "$game")"
ok "libraries: $(tr '\n' ' ' <"$tmp/needed")all from Depends; no RUNPATH; stripped"

# Desktop entry and AppStream metadata: the validators, then that they agree with the package.
desktop="$root/usr/share/applications/$app_id.desktop"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$desktop" >"$tmp/desktop.log" 2>&1 || true
[ ! -s "$tmp/desktop.log" ] || fail "desktop-file-validate: $(cat "$tmp/desktop.log")"
appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$tmp/appstream.log")"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ -e "$root/usr/games/$(entry Exec | cut -d' ' -f1)" ] || fail "Exec=$(entry Exec) is not installed"
icon="$(entry Icon)"
grep -qx 'Categories=Game;LogicGame;' "$desktop" || fail "categories: $(entry Categories)"
grep -q '^Name\[es\]=\|^Comment\[es\]=' "$desktop" || fail "no Spanish name or comment"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
grep -q '<content_rating type="oars-1\.[01]"' "$metainfo" || fail "metainfo has no content rating"
grep -q '<p xml:lang="es">' "$metainfo" || fail "metainfo has no Spanish description"
for size in 32 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  [ -f "$png" ] || fail "no ${size}x${size} icon named $icon"
  file "$png" | grep -q "PNG image data, $size x $size," || fail "$png: $(file -b "$png")"
done
manuals=("$root/usr/share/man/man6/lucen.6.gz" "$root/usr/share/man/es/man6/lucen.6.gz")
gzip -t "${manuals[@]}" "$root/usr/share/doc/lucen/changelog.gz" ||
  fail "a compressed document is damaged"
[ "$(zcat "${manuals[@]}" | grep -c '^\.TH LUCEN 6')" = 2 ] || fail "the manual pages"
ok "desktop entry, metainfo, icons ($icon) and manual pages"

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1 ||
    fail "lintian: $(grep -v 'running with root' "$tmp/lintian.log")"
  ok "lintian: no errors or warnings"
else
  echo "note: lintian is not installed; its check was skipped"
fi

# ---- The game, started from the package ------------------------------------------------------
mkdir -m 700 "$tmp/runtime"
mkdir "$tmp/bin"
# The desktop's opener, replaced by one that notes what it is asked to open.
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$tmp/opened" >"$tmp/bin/xdg-open"
chmod +x "$tmp/bin/xdg-open"

Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_until 20 grep -q . "$tmp/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$tmp/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY LANGUAGE LC_ALL
export LANG=C.UTF-8  # a Spanish game: Como Jugar asks for Instrucciones.htm

# No session bus (nothing listens there), or libdbus starts a daemon that outlives the test.
XDG_RUNTIME_DIR="$tmp/runtime" PATH="$tmp/bin:$PATH" DBUS_SESSION_BUS_ADDRESS=unix:path=$tmp/none \
  "$command" >"$tmp/game.log" 2>&1 &
game_pid=$!

# The visible top-level windows of the game, one id a line.
game_windows() { xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null || true; }
size_of() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  echo "${WIDTH}x${HEIGHT}"
}
has_window() { [ -n "$(game_windows)" ]; }
named_window() { xdotool search --onlyvisible --pid "$game_pid" --name "$1" 2>/dev/null | head -n1; }

wait_until 30 has_window || fail "the game mapped no window within 30 s"
about="$(game_windows | head -n1)"
[ "$(size_of "$about")" = 284x420 ] || fail "about window is $(size_of "$about"), not 284x420"
ok "about window mapped, 284x420"

timeout 10 xdotool windowfocus --sync "$about" || fail "could not focus the about window"
xdotool key a
main_is_up() { [ -n "$(named_window '^Lucen 2\.0$')" ]; }
wait_until 15 main_is_up || fail "a key did not close the about window for the main window"
main="$(named_window '^Lucen 2\.0$')"
[ -z "$(game_windows | grep -vx "$main")" ] || fail "the about window is still shown"
main_size="$(size_of "$main")"
[ "${main_size%x*}" = 268 ] && [ "${main_size#*x}" -gt 267 ] ||
  fail "main window is $main_size, not 268 wide and taller than its 267-pixel client"
ok "a key closed the about window; main window 'Lucen 2.0' mapped, $main_size"

# Docks match the window to the desktop entry by its class.
wm_class="$(xprop -id "$main" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')"
[ "$wm_class" = "$(entry StartupWMClass)" ] ||
  fail "window class '$wm_class', desktop entry StartupWMClass='$(entry StartupWMClass)'"
ok "window class $wm_class, as the desktop entry says"

# Ayuda > Como Jugar: open the first menu with a click, step right to Ayuda, take its first item.
popups() { game_windows | grep -vx "$main" || true; }
xdotool mousemove --window "$main" 12 9 click 1
has_popup() { [ -n "$(popups)" ]; }
wait_until 10 has_popup || fail "a click on the menu bar opened no menu"
first_popup="$(popups | head -n1)"
xdotool key Right
other_popup() { [ -n "$(popups | grep -vx "$first_popup")" ]; }
wait_until 10 other_popup || fail "Right did not move to the Ayuda menu"
xdotool key Return
wait_until 10 test -s "$tmp/opened" || fail "Como Jugar asked the desktop to open nothing"
expected_url="file://$root/usr/lib/lucen/Instrucciones.htm"
[ "$(cat "$tmp/opened")" = "$expected_url" ] ||
  fail "Como Jugar opened $(cat "$tmp/opened"), not $expected_url"
ok "Ayuda > Como Jugar opens the Instrucciones.htm beside the game"

"$wm_delete" "$main" || fail "could not ask the main window to close"
# A child that has ended stays a zombie (state Z) until it is waited for.
ended() {
  local state
  state="$(cut -d" " -f3 "/proc/$game_pid/stat" 2>/dev/null)" || return 0
  [ "$state" = Z ]
}
wait_until 15 ended || fail "the game did not end when its window closed"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
ok "closing the main window ended the game with status 0"

#!/usr/bin/env bash
# Builds the Debian package from a configured, built tree and checks it as a user would get it:
# its files, its control fields and dependencies, its desktop entry and AppStream metadata; then
# GAME_TEST plays the start of a game from the unpacked package.
#
#   test_package.sh BUILD_DIR GAME_TEST VERSION
set -euo pipefail

build_dir=$1
game_test=$2
version=$3
here="$(cd "$(dirname "$0")" && pwd)"
app_id=io.example.Lucen

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
ok() { echo "ok: $*"; }

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
LUCEN_PACKAGED_GAME="$command" LUCEN_WM_CLASS="$(entry StartupWMClass)" "$game_test" ||
  fail "the game started from the package did not play its start as expected"
ok "the game from the package: about window, main window of class $(entry StartupWMClass)," \
  "Como Jugar opens the Instrucciones.htm beside the game, a close request ends it with status 0"

#!/usr/bin/env bash
# Compiles the game's Windows resources with the MinGW resource compiler, reads them back, and
# checks them: the icon is the 32 x 32, 16-colour picture of assets/lucen.ico, whole, and the
# version information gives the project's version.
#   test_windows_resource.sh WINDRES RC_FILE VERSION
set -euo pipefail

windres=$1
rc_file=$2
version=$3
rc_dir="$(cd "$(dirname "$rc_file")" && pwd)"
ico="$rc_dir/../../assets/lucen.ico"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Built from another folder, as a build tree would: names in the file are found beside it.
cd "$tmp"
"$windres" --preprocessor=cpp -I "$rc_dir" -i "$rc_file" -O res -o lucen.res ||
  fail "windres could not compile $rc_file"
"$windres" -i lucen.res -O rc -o back.rc || fail "windres could not read its own output"
ok() { echo "ok: $*"; }

# The icon group holds one 32 x 32 picture of 16 colours (4 bits), as big as the icon file's
# only picture: the file less its 6-byte header and 16-byte directory entry.
image_bytes=$(($(stat -c %s "$ico") - 22))
grep -q 'RT_GROUP_ICON' back.rc || fail "no icon group"
grep -q '0, 1, 1,.*Has 1 elements' back.rc || fail "the icon group does not hold one picture"
printf -v entry '"\\\\040\\\\040\\\\020\\\\000", 1, 4, 0x%xL, 1' "$image_bytes"
grep -q "$entry" back.rc || fail "no 32x32, 16-colour, $image_bytes-byte picture in:
$(grep -A4 RT_GROUP_ICON back.rc)"
ok "icon: one 32x32 16-colour picture of $image_bytes bytes"

# The version information says the project's version in its numbers and its strings.
IFS=. read -r major minor patch <<<"$version"
grep -q "FILEVERSION $major, $minor, $patch, 0" back.rc || fail "FILEVERSION is not $version"
grep -q "PRODUCTVERSION $major, $minor, $patch, 0" back.rc || fail "PRODUCTVERSION is not $version"
for name in FileVersion ProductVersion; do
  grep -q "VALUE \"$name\", \"$version\"" back.rc || fail "$name is not $version"
done
grep -q 'VALUE "OriginalFilename", "Lucen.exe"' back.rc || fail "OriginalFilename"
ok "version information: $version"

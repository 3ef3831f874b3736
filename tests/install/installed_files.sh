#!/usr/bin/env bash
# Installs the build into a staging root under an unusual prefix and checks
# what lands there: exactly the expected files, a menu entry and metainfo
# the freedesktop validators accept, and menu icons drawn from MAINICON.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix=/opt/rofo-test
DESTDIR="$work/root" cmake --install "$ROFO_BUILD" --prefix "$prefix" >"$work/install.log" \
  || fail "cmake --install failed: $(cat "$work/install.log")"
top="$work/root$prefix"

id=$ROFO_APP_ID
sizes=(16 32 48 64 128 256)
{
  echo bin/rofo
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  for s in "${sizes[@]}"; do echo "share/icons/hicolor/${s}x${s}/apps/$id.png"; done
} | sort >"$work/expected"
(cd "$top" && find . -not -type d | sed 's|^\./||' | sort) >"$work/installed"
# Nothing may be written outside the prefix.
(cd "$work/root" && find . -not -type d | grep -v "^\.$prefix/" || true) >"$work/outside"
diff -u "$work/expected" "$work/installed" || fail "the installed files differ from the expected list"
[ ! -s "$work/outside" ] || fail "files outside the prefix: $(cat "$work/outside")"
echo "installed $(wc -l <"$work/installed") files under $prefix"
cat "$work/installed"

[ -x "$top/bin/rofo" ] || fail "bin/rofo is not executable"
cmp -s "$top/bin/rofo" "$ROFO" || fail "bin/rofo is not the built game"

desktop="$top/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
grep -qx 'Name=目指せ！ＲＯＦＯ！' "$desktop" || fail "the menu entry's name is not the game's Japanese title"
grep -q '^Categories=.*Game;' "$desktop" || fail "the menu entry is not in the Game category"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not name the installed icon"
echo "desktop-file-validate: ok"

appstreamcli validate --no-net "$top/share/metainfo/$id.metainfo.xml" || fail "appstreamcli rejects the metainfo"
# The whole tree: the metainfo's launchable must be the installed menu entry.
appstreamcli validate-tree --no-net "$top" || fail "appstreamcli rejects the installed tree"

/usr/bin/python3 "$(dirname "$0")/icons.py" "$ROFO_RES/MAINICON.ico" "$top/share/icons/hicolor" "$id" "${sizes[@]}" \
  || fail "the menu icons are not MAINICON scaled by nearest neighbour"
echo "installed files: ok"

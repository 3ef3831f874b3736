#!/usr/bin/env bash
# The Debian package on this machine, from install to purge: cpack builds it,
# apt installs it with its dependencies, the menu entry's command starts the
# game from the installed path with MAINICON as its window icon, and purging
# leaves none of the package's files behind. Needs root; skipped otherwise.
source "$ROFO_SOURCE/tests/e2e/lib.sh"
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing a package needs root (run as root, as CI does)"
  exit 77
fi
package=rofo
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed; then
  fail "the $package package is already installed; remove it before running this test"
fi
export DEBIAN_FRONTEND=noninteractive
installed=""
purge() {
  [ -n "$installed" ] && apt-get purge -y -qq "$package" >/dev/null 2>&1 || true
  cleanup
}
trap purge EXIT

cpack --config "$ROFO_BUILD/CPackConfig.cmake" -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1 \
  || fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/pkg/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The libraries come from the binary, the plugins and the font by name.
for needed in libqt6widgets6 libjpeg62-turbo qt6-qpa-plugins fonts-ipafont-gothic; do
  [[ ", $depends" == *", $needed"* ]] || fail "the package does not depend on $needed"
done

installed=yes
apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || fail "apt-get install failed: $(cat "$work/apt.log")"
dpkg-query -L "$package" >"$work/files"
echo "installed $(grep -c . "$work/files") paths"

# What the menu runs: the desktop entry's command, looked up on PATH.
id=$ROFO_APP_ID
command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")
[ "$(command -v "$command")" = /usr/bin/rofo ] || fail "the menu command '$command' is not /usr/bin/rofo"
start_x
cd /   # nothing may come from the build tree
start_game "$command"
win=$(wait_window "目指せ") || fail "the installed game showed no window: $(cat "$work/game.err")"
echo "the installed game's window is mapped"
xprop -id "$win" -notype 32c _NET_WM_ICON >"$work/wmicon"
/usr/bin/python3 "$(dirname "$0")/wmicon.py" "$work/wmicon" "/usr/share/icons/hicolor/32x32/apps/$id.png" \
  || fail "the window icon is not MAINICON"
xprop -id "$win" WM_CLASS | grep -q "\"$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$id.desktop")\"" \
  || fail "the window's class does not match the menu entry's StartupWMClass"
click_at "$win" 764 488   # 終了
wait_exit
[ "$exit_status" = 0 ] || fail "the installed game ended with status $exit_status"

apt-get purge -y -qq "$package" >"$work/purge.log" 2>&1 || fail "apt-get purge failed: $(cat "$work/purge.log")"
installed=""
! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed || fail "the package is still installed"
# Every file is gone; a folder that is left must belong to another package.
left=()
while read -r path; do
  if [ -d "$path" ]; then
    dpkg-query -S "$path" >/dev/null 2>&1 || left+=("$path")
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done <"$work/files"
[ ${#left[@]} -eq 0 ] || fail "left behind after purge: ${left[*]}"
echo "package built, installed, run and purged without leftovers: ok"

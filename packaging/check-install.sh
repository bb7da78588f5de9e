#!/usr/bin/env bash
# Installs a finished build into a scratch prefix and checks the layout a
# newcomer relies on: both programs with the three database files and the
# data licences beside them, launchers in bin/ that work from any folder, the
# desktop entry pointing at the installed program, and the icons.
#   packaging/check-install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$scratch/install.log"

dir="$prefix/libexec/quillora"
for f in quillora quillora-cli; do
  [ -x "$dir/$f" ] || fail "$dir/$f missing"
  [ -L "$prefix/bin/$f" ] || fail "launcher bin/$f missing"
  [ "$(readlink -f "$prefix/bin/$f")" = "$(readlink -f "$dir/$f")" ] || fail "bin/$f points elsewhere"
done
for f in Parvello.dll Somnette.dll Gantrel.dll; do
  cmp -s "$dir/$f" "$build/bin/$f" || fail "$f not installed beside the programs"
done
for f in char-elements Unihan jieba lunar-javascript; do
  [ -s "$dir/$f.LICENSE" ] || fail "$f.LICENSE missing"
done

desktop="$prefix/share/applications/quillora.desktop"
[ -f "$desktop" ] || fail "desktop entry missing"
grep -qx "Exec=$prefix/libexec/quillora/quillora" "$desktop" || fail "desktop entry starts $(grep ^Exec= "$desktop")"
grep -qx "Icon=quillora" "$desktop" || fail "desktop entry names another icon"
for side in 16 32 48 64; do
  png="$prefix/share/icons/hicolor/${side}x${side}/apps/quillora.png"
  [ -s "$png" ] || fail "icon ${side}x${side} missing"
  # PNG signature, then the IHDR width and height as 4-byte big-endian.
  head -c 8 "$png" | od -An -tx1 | grep -q "89 50 4e 47 0d 0a 1a 0a" || fail "$png is no PNG"
  [ "$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ')" = " 0 0 0 $side 0 0 0 $side" ] || fail "$png is not ${side}x${side}"
done

# The launcher finds the databases beside the real program, from any folder.
# 2024-02-10 is the Spring Festival of 甲辰, the year of the dragon.
out=$(cd / && "$prefix/bin/quillora-cli" lunar 2024-02-10) || fail "quillora-cli lunar failed"
[ "$out" = $'2024 1 1 0\n甲辰(龙年)一月初一' ] || fail "quillora-cli lunar printed: $out"
out=$(cd / && "$prefix/bin/quillora-cli" almanac --year 2024 --month 2 --day 10) || fail "quillora-cli almanac failed"
grep -q "农历甲辰年正月初一" <<<"$out" || fail "almanac of 2024-02-10 lacks its lunar day"

# The desktop program starts offscreen and keeps running until stopped.
status=0
(cd / && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch" timeout 5 "$prefix/bin/quillora") \
  > "$scratch/gui.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$scratch/gui.log" >&2; fail "quillora ended with status $status"; }
echo "install layout good"

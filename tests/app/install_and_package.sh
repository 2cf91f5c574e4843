#!/usr/bin/env bash
# The program as a package: install the build into a staging folder, check the installed tree
# with the desktop's validators, run the installed program's --version without a display, then
# build the Debian package and let lintian judge it (errors fail).
# Arguments: the build folder, the application id, the version.
set -euo pipefail
build=$1
app_id=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

stage="$work/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log"; fail "cmake --install failed"; }
share="$stage/usr/share"
for f in "$stage/usr/bin/hmquiz" "$share/applications/$app_id.desktop" \
         "$share/metainfo/$app_id.metainfo.xml" "$share/man/man1/hmquiz.1.gz" \
         "$share/doc/hmquiz/copyright" "$share/doc/hmquiz/changelog.gz" \
         "$share/icons/hicolor/scalable/apps/$app_id.svg"; do
  [ -s "$f" ] || fail "not installed: ${f#"$stage"}"
done
for size in 16 24 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ -s "$icon" ] || fail "no ${size} px icon"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "the ${size} px icon has another size"
done

desktop-file-validate "$share/applications/$app_id.desktop"
# validate-tree also checks that the metainfo's launchable and icon are in the tree.
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml"
appstreamcli validate-tree --no-net "$stage"

# No display, no window system: --version still answers.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/usr/bin/hmquiz" --version)
[ "$out" = "hmquiz $version" ] || fail "--version printed '$out'"

arch=$(dpkg --print-architecture)
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$work/package/hmquiz_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/package")"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libgmime-3.0-0; do
  [[ "$depends" == *"$lib "* ]] || fail "Depends lacks $lib: $depends"
done
dpkg-deb -x "$deb" "$work/unpacked"
[ -s "$work/unpacked/usr/share/applications/$app_id.desktop" ] || fail "the package lacks the desktop entry"
# The installed program carries no debugging symbols.
[[ "$(file "$work/unpacked/usr/bin/hmquiz")" == *", stripped"* ]] || fail "the packaged program is not stripped"

status=0
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v "running with root privileges" "$work/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "installed tree, validators, package $(basename "$deb") and lintian: ok"

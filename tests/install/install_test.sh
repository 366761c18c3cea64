#!/usr/bin/env bash
# Installs a build into a fresh prefix as a user would, checks what landed
# there (the programs, the menu entry and its icon, the metadata, the manuals,
# the engine's headers, libraries and CMake package), validates the menu entry
# and the metadata with the desktop's own tools, and builds the example program
# against the installed engine from a folder of its own.
set -euo pipefail
build=$(realpath "${1:?build folder}")
source=$(realpath "${2:?source folder}")
version=${3:?project version}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "install_test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || fail "cmake --install failed: $(cat "$work/install.log")"

id=org.halvane.bindwell
for f in bin/bindwell bin/lumtool share/bindwell/png share/applications/$id.desktop \
    share/icons/hicolor/64x64/apps/$id.png share/icons/hicolor/128x128/apps/$id.png \
    share/metainfo/$id.metainfo.xml share/man/man1/bindwell.1 share/man/man1/lumtool.1 \
    include/lum/data/var.hpp include/lum/app/frame/app.hpp lib/liblum_app.a lib/liblum_core.a \
    lib/cmake/lum/lumConfig.cmake lib/cmake/lum/lumConfigVersion.cmake share/lum/png; do
    [ -f "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/bin/bindwell" ] || fail "bin/bindwell is not executable"

# An icon's width and height from its PNG header.
png_size() { od -An -j16 -N8 -tu1 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }
for size in 64 128; do
    got=$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate refused the entry"
grep -qx 'Exec=bindwell' "$prefix/share/applications/$id.desktop" || fail "the entry does not run bindwell"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > "$work/appstream.log" ||
    fail "appstreamcli refused the metadata: $(cat "$work/appstream.log")"
grep -q "<release version=\"$version\" date=\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metadata has no release $version"

# From another folder and without a display: the installed programs answer.
cd "$work"
[ "$(env -u DISPLAY "$prefix/bin/bindwell" --version)" = "bindwell $version" ] || fail "bindwell --version"
[ "$(env -u DISPLAY "$prefix/bin/lumtool" --version)" = "lumtool $version" ] || fail "lumtool --version"
[ ! -e "$work/Save" ] || fail "--version wrote a Save folder"

# A staged install (DESTDIR) lands under the stage.
DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/lum --component bindwell > /dev/null
[ -x "$work/stage/opt/lum/bin/bindwell" ] || fail "DESTDIR staging missed bin/bindwell"

# A prefix that cannot be written fails with CMake's own message.
if cmake --install "$build" --prefix /proc/lum-install-test > "$work/refused.log" 2>&1; then
    fail "installing into /proc succeeded"
fi
grep -q "CMake Error" "$work/refused.log" || fail "no CMake error for an unwritable prefix: $(cat "$work/refused.log")"

# The example, copied out of the tree, built on the installed engine alone.
cp -r "$source/examples/hello" "$work/hello"
cmake -S "$work/hello" -B "$work/hello-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" > "$work/hello-configure.log" 2>&1 ||
    fail "the example does not configure: $(cat "$work/hello-configure.log")"
cmake --build "$work/hello-build" > "$work/hello-build.log" 2>&1 ||
    fail "the example does not build: $(cat "$work/hello-build.log")"
[ -x "$work/hello-build/hello" ] || fail "no example program"
[ -f "$work/hello-build/png" ] || fail "the example has no boot picture beside it"
grep -q "$prefix/include" "$work/hello-build/build.ninja" || fail "the example did not use the installed headers"
if grep -q "$source/lum" "$work/hello-build/build.ninja"; then
    fail "the example reached into the source tree"
fi
echo "install_test: ok"

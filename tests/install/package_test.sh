#!/usr/bin/env bash
# Builds the Debian package of a build with CPack, into a folder of its own,
# and inspects it with dpkg-deb: its name, version and architecture, the
# Depends line dpkg-shlibdeps computed, and the files it installs. It is never
# installed.
set -euo pipefail
build=$(realpath "${1:?build folder}")
version=${2:?project version}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package_test: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 || fail "cpack failed: $(cat "$work/cpack.log")"
arch=$(dpkg --print-architecture)
deb="$work/bindwell_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work")"

[ "$(dpkg-deb -f "$deb" Package)" = bindwell ] || fail "the package is not named bindwell"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libglfw3 libopenal1 libfreeimage3 libfreetype6 libyaml-0-2; do
    grep -q "\b$library\b" <<< "$depends" || fail "Depends lacks $library: $depends"
done

dpkg-deb -c "$deb" | awk '{ print $6 }' > "$work/files"
for f in ./usr/bin/bindwell ./usr/bin/lumtool ./usr/share/bindwell/png \
    ./usr/share/applications/org.halvane.bindwell.desktop \
    ./usr/share/icons/hicolor/128x128/apps/org.halvane.bindwell.png \
    ./usr/share/metainfo/org.halvane.bindwell.metainfo.xml ./usr/share/man/man1/bindwell.1; do
    grep -qx -- "$f" "$work/files" || fail "the package lacks $f"
done
# The engine's files are for developers, not in the utility's package.
if grep -q '^./usr/include/' "$work/files"; then
    fail "the package holds the engine's headers"
fi
echo "package_test: ok ($depends)"

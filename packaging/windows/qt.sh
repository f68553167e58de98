#!/usr/bin/env bash
# Builds Debian's own qtbase for 64-bit Windows with MinGW-w64, once, into a cache folder
# outside the source tree, and prints that folder. A prefix counts as built only once its
# "complete" stamp is written, after the install: an interrupted build starts again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//')
options=(-release -shared
         -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
         -qt-host-path /usr -nomake examples -nomake tests
         -no-opengl -no-dbus -no-icu -no-pkg-config
         -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
         -no-feature-xml -no-feature-tabletevent -no-feature-direct2d1_1
         -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-harfbuzz -qt-doubleconversion
         -qt-freetype)
key=$( { echo "$qt_version"; printf '%s\n' "${options[@]}"; cat "$here/mingw-w64-x86_64.cmake"; \
         x86_64-w64-mingw32-g++-posix --version | head -1; } | sha256sum | cut -c1-12)
cache=${VIVAREL_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vivarel}
prefix=$cache/qt-$qt_version-mingw64-$key

if [ -f "$prefix/complete" ]; then
    echo "$prefix"
    exit 0
fi

journal=$cache/qt-build-$key.log
echo "Building Qt $qt_version for Windows once, into $prefix (15 to 30 minutes; log:" \
     "$journal)" >&2
mkdir -p "$cache"
exec 3>&1 4>&2 >"$journal" 2>&1
trap 'tail -40 "$journal" >&4; echo "Building Qt for Windows failed; log: $journal" >&4' ERR
rm -rf "$prefix" "$cache/work-$key"
mkdir -p "$prefix" "$cache/work-$key/src" "$cache/work-$key/build"
# The installed Qt records its toolchain file's absolute path: keep one inside the prefix.
cp "$here/mingw-w64-x86_64.cmake" "$prefix/"
cd "$cache/work-$key/src"
apt-get source --only-source "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)"
src=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
cd ../build
"../src/$src/configure" -prefix "$prefix" "${options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
nice -n 10 ninja -j"$(nproc)"
cmake --install .
# Qt's own dialog texts in French and German, as the Linux build gets from Debian.
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_fr.qm /usr/share/qt6/translations/qtbase_de.qm \
    "$prefix/translations/"
cd "$cache"
rm -rf "$cache/work-$key"
date -u +%FT%TZ >"$prefix/complete"
exec 1>&3 2>&4
echo "$prefix"

#!/usr/bin/env bash
# Builds Debian's own qtbase for WebAssembly with Debian's emscripten, once, into a cache folder
# outside the source tree, and prints that folder. A prefix counts as built only once its
# "complete" stamp is written, after the install: an interrupted build starts again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/emsdk.sh"

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//')
# Static and single-threaded, as Qt's wasm platform is built; only what Vivarel uses. OpenGL
# stays: in Qt 6.4 the wasm platform draws only through WebGL.
options=(-release -static -optimize-size -platform wasm-emscripten -qt-host-path /usr
         -nomake examples -nomake tests -no-feature-thread
         -no-dbus -no-icu -no-glib -no-fontconfig
         -no-feature-network -no-feature-sql -no-feature-concurrent -no-feature-xml
         -no-feature-printsupport -no-feature-androiddeployqt -no-feature-tabletevent
         -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
         # What the page never shows, reads or writes: every one is downloaded by each visitor.
         -no-feature-graphicsview -no-feature-dockwidget -no-feature-mdiarea
         -no-feature-datetimeedit -no-feature-calendarwidget -no-feature-dial
         -no-feature-fontdialog -no-feature-fontcombobox -no-feature-wizard
         -no-feature-splashscreen -no-feature-keysequenceedit -no-feature-syntaxhighlighter
         -no-feature-columnview -no-feature-errormessage -no-feature-undoview
         -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
         -no-feature-pdf -no-feature-movie -no-feature-gif -no-feature-ico -no-feature-jpeg
         -no-feature-mimetype
         -no-feature-style-stylesheet -no-feature-style-windows -no-feature-picture
         -no-feature-toolbar -no-feature-menubar -no-feature-statusbar -no-feature-sizegrip
         -no-feature-textbrowser -no-feature-jalalicalendar -no-feature-islamiccivilcalendar
         -no-feature-hijricalendar)
patches=("$here"/qt-patches/*.patch)
[ -e "${patches[0]}" ] || patches=()
key=$( { echo "$qt_version"; printf '%s\n' "${options[@]}"; emcc --version | head -1;
         [ ${#patches[@]} -eq 0 ] || cat "${patches[@]}"; } | sha256sum | cut -c1-12)
cache=${VIVAREL_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vivarel}
prefix=$cache/qt-$qt_version-wasm-$key

if [ -f "$prefix/complete" ]; then
    echo "$prefix"
    exit 0
fi

journal=$cache/qt-build-wasm-$key.log
echo "Building Qt $qt_version for WebAssembly once, into $prefix (30 to 60 minutes; log:" \
     "$journal)" >&2
mkdir -p "$cache"
exec 3>&1 4>&2 >"$journal" 2>&1
trap 'tail -40 "$journal" >&4; echo "Building Qt for WebAssembly failed; log: $journal" >&4' ERR
rm -rf "$prefix" "$cache/work-$key"
mkdir -p "$prefix" "$cache/work-$key/src" "$cache/work-$key/build"
cd "$cache/work-$key/src"
apt-get source --only-source "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)"
src=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
for p in "${patches[@]}"; do
    patch -d "$src" -p1 <"$p"
done
cd ../build
"../src/$src/configure" -prefix "$prefix" "${options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$EMSCRIPTEN_TOOLCHAIN" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
nice -n 10 ninja -j"$(nproc)"
cmake --install .
cd "$cache"
rm -rf "$cache/work-$key"
date -u +%FT%TZ >"$prefix/complete"
exec 1>&3 2>&4
echo "$prefix"

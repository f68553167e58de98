#!/usr/bin/env bash
# Vivarel for the browser, from this Debian machine, after ./build.sh has set it up and made the
# Linux build (the reference the page is compared with). Leaves in build-web/:
#   vivarel-<version>-web/        the page: a folder any static web server serves as it is
#   vivarel-<version>-web.zip     the same folder, to unpack on a host
# then tries the page in Debian's Chromium, Firefox and WebKitGTK (packaging/web/essayer.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
source=$PWD
sortie=$source/build-web
mkdir -p "$sortie"

debut=$(date +%s)
qt=$(packaging/web/qt.sh)
echo "== Qt for WebAssembly: $qt ($(($(date +%s) - debut)) s)"
source packaging/web/emsdk.sh

# The program, with the same CMake project, optimised for size (the page is downloaded whole),
# with the faces it draws with.
packaging/web/polices.sh "$sortie/polices"
construction=$sortie/cmake
"$qt/bin/qt-cmake" -S . -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$EMSCRIPTEN_TOOLCHAIN" -DVIVAREL_POLICES="$sortie/polices" \
    >/dev/null
cmake --build "$construction" --target vivarel
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construction/CMakeCache.txt")
nom=vivarel-$version-web

# The page: ours instead of Qt's, Qt's loader, the program, its icons and what makes it an app.
site=$sortie/$nom
rm -rf "$site"
mkdir -p "$site"
cp "$construction"/vivarel.{js,wasm} "$construction/qtloader.js" "$site/"
cp packaging/web/page/{index.html,manifest.webmanifest} "$site/"
for taille in 192 512; do
    cp "build/icones/hicolor/${taille}x$taille/apps/io.github.vivarel.Vivarel.png" \
        "$site/icone-$taille.png"
done
# The offline copy is named after everything it keeps: any change replaces it whole.
empreinte=$(cat "$site"/* | sha256sum | cut -c1-16)
sed "s/@EMPREINTE@/$empreinte/" packaging/web/page/sw.js >"$site/sw.js"
cp LICENSE "$site/LICENSE.txt"

rm -f "$sortie/$nom.zip"
(cd "$sortie" && zip -q -9 -r "$nom.zip" "$nom")
taille() { du -b "$1" | cut -f1; }
compresse() { gzip -9c "$1" | wc -c; }
echo "== vivarel.wasm: $(taille "$site/vivarel.wasm") bytes, $(compresse "$site/vivarel.wasm") gzipped"
echo "== the page: $(cat "$site"/* | wc -c) bytes," \
     "$(for f in "$site"/*; do compresse "$f"; done | awk '{s += $1} END {print s}') gzipped file by file;" \
     "$nom.zip: $(taille "$sortie/$nom.zip") bytes"

packaging/web/essayer.sh "$sortie" "$site" "$qt"
echo "== Web build, page and trials in Chromium, Firefox and WebKit: $(($(date +%s) - debut)) s"

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
packaging/web/traductions-qt.sh "$sortie/traductions-qt"
# A build folder of its own for each Qt: CMake keeps the Qt it first found in its cache.
construction=$sortie/cmake-$(basename "$qt")
"$qt/bin/qt-cmake" -S . -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$EMSCRIPTEN_TOOLCHAIN" -DVIVAREL_POLICES="$sortie/polices" \
    -DVIVAREL_TRADUCTIONS_QT="$sortie/traductions-qt" \
    >/dev/null
cmake --build "$construction" --target vivarel
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construction/CMakeCache.txt")
nom=vivarel-$version-web

# The page: ours instead of Qt's, Qt's loader, the program, its icons and what makes it an app.
site=$sortie/$nom
rm -rf "$site"
mkdir -p "$site"
cp "$construction"/vivarel.{js,wasm} "$construction/qtloader.js" "$site/"
patch -s -d "$site" -p1 <packaging/web/page/qtloader.patch
# The page counts the program's download against its size once decompressed, which a host that
# compresses does not give.
sed "s/@TAILLE_WASM@/$(stat -c %s "$site/vivarel.wasm")/" packaging/web/page/index.html \
    >"$site/index.html"
cp packaging/web/page/manifest.webmanifest "$site/"
for taille in 192 512; do
    cp "build/icones/hicolor/${taille}x$taille/apps/io.github.vivarel.Vivarel.png" \
        "$site/icone-$taille.png"
done
# The offline copy is named after everything it keeps: any change replaces it whole.
empreinte=$(cat "$site"/* | sha256sum | cut -c1-16)
sed "s/@EMPREINTE@/$empreinte/" packaging/web/page/sw.js >"$site/sw.js"
cp LICENSE "$site/LICENSE.txt"
# Each file beside its gzip and brotli copies, for hosts that serve those as they are.
node packaging/web/compresser.mjs "$site"

rm -f "$sortie/$nom.zip"
(cd "$sortie" && zip -q -9 -r "$nom.zip" "$nom")
# What a visitor downloads: each file as it is or as its compressed copy, where it has one.
poids() {
    local f total=0
    for f in "$site"/*; do
        case $f in *.br | *.gz) continue ;; esac
        if [ -n "$1" ] && [ -f "$f.$1" ]; then f=$f.$1; fi
        total=$((total + $(stat -c %s "$f")))
    done
    echo $total
}
echo "== the page: $(poids "") bytes; on the wire $(poids gz) with gzip, $(poids br) with brotli;" \
     "$nom.zip: $(stat -c %s "$sortie/$nom.zip") bytes"

packaging/web/essayer.sh "$sortie" "$site"
echo "== Web build, page and trials in Chromium, Firefox and WebKit: $(($(date +%s) - debut)) s"

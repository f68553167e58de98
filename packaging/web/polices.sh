#!/usr/bin/env bash
# The faces the page draws with, cut down to what it needs: a page has no system fonts, only the
# ones it carries. Liberation Sans (the nickname's face, metric-compatible with Arial, and the
# interface's) keeps the Latin, Greek and Cyrillic a player types; the faces that draw the
# character catalogue on Linux keep the catalogue's characters only.
#   packaging/web/polices.sh OUTPUT-FOLDER
set -euo pipefail
cd "$(dirname "$0")/../.."
sortie=$1
# Anew each time: a face no longer cut here must not stay in the page.
rm -rf "$sortie"
mkdir -p "$sortie"
catalogue=$sortie/catalogue.txt
# Every character written in the catalogue's source, which holds nothing else.
/usr/bin/python3 -c 'import sys; print("".join(sorted({c for c in open(sys.argv[1], encoding="utf-8").read() if ord(c) > 0x7e})))' \
    window/CatalogueCaracteres.cpp >"$catalogue"
latin=U+0020-007E,U+00A0-024F,U+0300-036F,U+0370-03FF,U+0400-052F,U+1E00-1EFF,U+2000-206F,U+20A0-20CF,U+2100-215F,U+2190-21FF,U+2200-22FF,U+25A0-25FF,U+2600-26FF
couper() {
    /usr/bin/python3 -m fontTools.subset "$1" --output-file="$sortie/$(basename "$1")" \
        --layout-features='*' --no-hinting --desubroutinize --no-prune-unicode-ranges \
        --drop-tables+=DSIG "${@:2}" 2>/dev/null
}
for style in Regular Bold Italic BoldItalic; do
    couper "/usr/share/fonts/truetype/liberation2/LiberationSans-$style.ttf" \
        --unicodes="$latin" --text-file="$catalogue"
done
# Qt's wasm platform looks in DejaVu Sans first for what a face lacks.
couper /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf --text-file="$catalogue"
couper /usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf --text-file="$catalogue"
couper /usr/share/fonts/truetype/tlwg/Garuda.ttf --text-file="$catalogue"
couper /usr/share/fonts/truetype/lohit-devanagari/Lohit-Devanagari.ttf --text-file="$catalogue"
couper /usr/share/fonts/opentype/unifont/unifont.otf --text-file="$catalogue"
rm "$catalogue"

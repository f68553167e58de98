#!/usr/bin/env bash
# Vivarel for 64-bit Windows, from this Debian machine, after ./build.sh has set it up and made
# the Linux build (the reference the Windows one is compared with). Leaves in build-windows/:
#   vivarel-<version>-windows-x64.zip    a folder that runs where it is unpacked
#   vivarel-<version>-setup.exe          an installer (per user, /S for a silent install)
# then tries them under Wine: the tests that need no display, --render against the Linux
# build, the window on a virtual X display, and the installer.
set -euo pipefail
cd "$(dirname "$0")/../.."
source=$PWD
sortie=$source/build-windows
mkdir -p "$sortie"

debut=$(date +%s)
qt=$(packaging/windows/qt.sh)
echo "== Qt for Windows: $qt ($(($(date +%s) - debut)) s)"

# The program and its tests, with the same CMake project; tests run through Wine.
construction=$sortie/cmake
"$qt/bin/qt-cmake" -S . -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$source/packaging/windows/wine.sh" >/dev/null
cmake --build "$construction"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construction/CMakeCache.txt")
nom=vivarel-$version-windows-x64

# The folder: the programs, the licence and a short readme, then what they load.
dossier=$sortie/$nom
rm -rf "$dossier"
cmake --install "$construction" --prefix "$dossier" >/dev/null
mingw=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
mkdir -p "$dossier"/{platforms,styles,translations,licences}
cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$dossier/"
cp "$mingw"/libstdc++-6.dll "$mingw"/libgcc_s_seh-1.dll \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$dossier/"
# The window's platform, and the offscreen one that --format png draws with.
cp "$qt"/plugins/platforms/{qwindows,qoffscreen}.dll "$dossier/platforms/"
cp "$qt"/plugins/styles/qwindowsvistastyle.dll "$dossier/styles/"
cp "$qt"/translations/qtbase_{fr,de}.qm "$dossier/translations/"
printf '[Paths]\r\nPrefix = .\r\n' >"$dossier/qt.conf"
cp /usr/share/common-licenses/LGPL-3 "$dossier/licences/Qt-LGPL-3.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$dossier/licences/MinGW-w64.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$dossier/licences/GCC-runtime.txt"
for texte in "$dossier"/*.txt "$dossier"/licences/*.txt; do
    sed -i 's/\r*$/\r/' "$texte"
done
find "$dossier" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
# Every library a file imports is in the folder or is part of Windows.
systeme='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|comdlg32|imm32|winmm|ws2_32|'
systeme+='version|netapi32|userenv|uxtheme|dwmapi|setupapi|shcore|shlwapi|d3d9|d3d11|dxgi|dwrite|'
systeme+='wtsapi32|authz|mpr|msvcrt|ntdll|api-ms-win-.*)\.dll$'
manque=0
while read -r bibliotheque; do
    [ -f "$dossier/$bibliotheque" ] || grep -qiE "$systeme" <<<"$bibliotheque" || {
        echo "missing from the folder: $bibliotheque" >&2
        manque=1
    }
done < <(find "$dossier" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-objdump -p |
         sed -n 's/^\s*DLL Name: //p' | sort -u)
[ $manque -eq 0 ]

rm -f "$sortie/$nom.zip"
(cd "$sortie" && zip -q -9 -r "$nom.zip" "$nom")

# The installer: one File line per file, and its removal for the uninstaller.
liste=$sortie/fichiers.nsh
{
    echo '!ifdef POSE'
    (cd "$dossier" && find . -type d | sort) | while read -r d; do
        d=${d#.}
        echo "SetOutPath \"\$INSTDIR${d//\//\\}\""
        find "$dossier$d" -maxdepth 1 -type f | sort | sed 's/.*/File "&"/'
    done
    echo 'SetOutPath "$INSTDIR"'
    echo '!endif'
    echo '!ifdef RETIRE'
    (cd "$dossier" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    (cd "$dossier" && find . -mindepth 1 -type d | sort -r) |
        sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
    echo '!endif'
} >"$liste"
makensis -V2 -DVERSION="$version" -DDOSSIER="$dossier" -DFICHIERS="$liste" \
    -DICONE="$construction/vivarel.ico" -DTAILLE_KO="$(du -sk "$dossier" | cut -f1)" \
    -DSORTIE="$sortie/vivarel-$version-setup.exe" packaging/windows/vivarel.nsi
echo "== $(du -b "$sortie/$nom.zip" | cut -f1) bytes: $nom.zip"
echo "== $(du -b "$sortie/vivarel-$version-setup.exe" | cut -f1) bytes: vivarel-$version-setup.exe"

packaging/windows/essayer.sh "$sortie" "$construction" "$dossier" \
    "$sortie/vivarel-$version-setup.exe" "$qt"
echo "== Windows build, packages and trials under Wine: $(($(date +%s) - debut)) s"

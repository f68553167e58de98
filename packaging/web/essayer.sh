#!/usr/bin/env bash
# Tries the page in Debian's Chromium, Firefox and WebKitGTK against the Linux build: the same
# keys typed into both windows must give the same code on the clipboard, and the page must look
# as the Linux window does with the same faces. Any failure fails the command.
#   packaging/web/essayer.sh BUILD-WEB SITE
set -euo pipefail
cd "$(dirname "$0")/../.."
sortie=$(realpath "$1")
site=$2
essais=$sortie/essais
rm -rf "$essais"
mkdir -p "$essais"/{linux-config,linux-data,linux-cache}
mkdir -m 700 "$essais/linux-run"

# puppeteer-core, at the version the lock file pins, drives the system's Chromium: no browser
# is downloaded.
mkdir -p "$sortie/essai"
cp packaging/web/essai/package.json packaging/web/essai/package-lock.json "$sortie/essai/"
(cd "$sortie/essai" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null)

# The reference: the same keys in the Linux build's window, on a virtual display, in French.
# Types a nickname, inserts the first page's character (Alt+I), copies the code (Alt+P).
TOUCHES='Viva$rel 21 '
Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
serveur=$!
trap 'kill $serveur 2>/dev/null || true' EXIT
export DISPLAY=:97
sleep 1
env HOME="$essais" XDG_CONFIG_HOME="$essais/linux-config" XDG_DATA_HOME="$essais/linux-data" \
    XDG_CACHE_HOME="$essais/linux-cache" XDG_RUNTIME_DIR="$essais/linux-run" \
    LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 build/vivarel -platform xcb 2>"$essais/linux.err" &
programme=$!
fenetre=$(xdotool search --sync --onlyvisible --name '^Trackmania Vivarel$' | head -1)
xdotool windowfocus --sync "$fenetre"
xdotool type --delay 40 "$TOUCHES"
xdotool key --delay 200 alt+i alt+p
sleep 1
attendu=$(xclip -o -selection clipboard)
# The field's own copy of the whole nickname.
xdotool key --delay 200 ctrl+a ctrl+c
sleep 1
champ=$(xclip -o -selection clipboard)
xdotool key ctrl+q
wait $programme
[ -n "$attendu" ] || { echo "the Linux build copied nothing" >&2; exit 1; }
echo "   Linux: $attendu"

# The Linux window as the page draws it: only the page's faces and Qt's wasm interface face, a
# screen the page's size (tall enough for the longest list to drop down whole), French. It says where the page's controls are, what each gesture there
# copies, and how each tab and each of the character lists looks.
reference=$essais/reference
mkdir -p "$reference/cache"
# Glyphs unhinted, with grey antialiasing, and DejaVu Sans next for what Liberation Sans lacks,
# as Qt's wasm platform draws them.
cat >"$essais/fonts.conf" <<FIN
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <cachedir>$reference/cache</cachedir>
  <alias binding="same">
    <family>Liberation Sans</family>
    <accept><family>DejaVu Sans</family></accept>
  </alias>
  <match target="pattern">
    <edit name="hintstyle" mode="assign"><const>hintnone</const></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
  </match>
</fontconfig>
FIN
# The Linux window on an offscreen screen of the given size (and device pixels to a pixel), in a
# language, into a folder.
dessiner() {
    local dossier=$1 langue=$2 largeur=$3 hauteur=$4 dpr=$5
    shift 5
    mkdir -p "$dossier"
    echo "{\"screens\": [{\"name\": \"page\", \"width\": $largeur, \"height\": $hauteur, \"logicalDpi\": 96, \"dpr\": $dpr}]}" \
        >"$essais/ecran.json"
    env HOME="$essais" XDG_CONFIG_HOME="$essais/linux-config" XDG_DATA_HOME="$essais/linux-data" \
        XDG_CACHE_HOME="$essais/linux-cache" XDG_RUNTIME_DIR="$essais/linux-run" \
        LANG=$langue.UTF-8 LC_ALL=$langue.UTF-8 FONTCONFIG_FILE="$essais/fonts.conf" \
        QT_QPA_PLATFORM="offscreen:configfile=$essais/ecran.json" "$@" \
        build/tests/reference_page "$dossier" "$sortie/polices" \
        2>"$essais/reference.err" || { cat "$essais/reference.err" >&2; exit 1; }
}
# French for the whole trial; German and English for the first tab as the page opens in them.
for langue in fr_FR de_DE en_US; do
    dossier=$reference
    [ $langue = fr_FR ] || dossier=$reference/$langue
    dessiner "$dossier" $langue 1100 1900 1
done
# The window alone as it opens on a laptop's screen, on a large one, and on a phone's held
# upright and sideways (three device pixels to a pixel).
for taille in 1366x768x1 1920x1080x1 390x844x3 844x390x3; do
    IFS=x read -r largeur hauteur dpr <<<"$taille"
    dessiner "$reference/${largeur}x$hauteur" fr_FR "$largeur" "$hauteur" "$dpr" \
        VIVAREL_FENETRE_SEULE=1
done

cp packaging/web/{commun,essayer,moteurs}.mjs "$sortie/essai/"
node "$sortie/essai/essayer.mjs" "$site" "$TOUCHES" "$attendu" "$sortie/capture-web.png" "$reference"

# Firefox and WebKit, each in a window of a display tall enough for the reference's screen (a
# headless Firefox keeps its clipboard to itself), in French through a locale of their own.
Xvfb :98 -screen 0 1400x2200x24 -nolisten tcp 2>/dev/null &
moteurs=$!
trap 'kill $serveur $moteurs 2>/dev/null || true' EXIT
mkdir -p "$essais/locales"
localedef -i fr_FR -f UTF-8 "$essais/locales/fr_FR.UTF-8"
mkdir -p "$sortie/moteurs"
DISPLAY=:98 VIVAREL_LOCALES="$essais/locales" HOME="$essais" \
    node "$sortie/essai/moteurs.mjs" "$site" "$TOUCHES" "$attendu" "$champ" "$reference" "$sortie/moteurs"

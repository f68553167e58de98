#!/usr/bin/env bash
# Tries the Windows build under Wine, in a Wine prefix of its own, on a virtual X display:
#   essayer.sh OUTPUT-FOLDER CMAKE-FOLDER PROGRAM-FOLDER INSTALLER QT-PREFIX
# 1. the test programs that need no display (offscreen), through ctest: encoder, commands,
#    storage, start-up, widgets and layout;
# 2. --render in every text form, byte for byte against the Linux build;
# 3. the window: a nickname typed into it gives the same code as on Linux, and its start-up
#    time beside Linux's;
# 4. Ctrl+C in vivarel-cli.exe's console saves and ends it the normal way;
# 5. the installer installs silently, the installed program runs, the uninstaller removes it.
set -euo pipefail
sortie=$1 construction=$2 dossier=$3 installateur=$4 qt=$5
source=$(cd "$(dirname "$0")/../.." && pwd)
linux=$source/build/vivarel
essais=$sortie/essais
rm -rf "$essais"
mkdir -p "$essais"

export WINEPREFIX=$sortie/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export LC_ALL=C.UTF-8 LANG=C.UTF-8
affichage=:$((90 + RANDOM % 9))
Xvfb "$affichage" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
finir() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap finir EXIT
export DISPLAY=$affichage
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
# A Windows folder of fonts as Windows has, for what draws offscreen: Wine's own faces, and
# for other scripts the ones the Linux build relies on.
for police in /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/*/*.ttf; do
    ln -sf "$police" "$WINEPREFIX/drive_c/windows/Fonts/"
done
# Wine reads the fonts and sets up its desktop at the first window: once, before anything is
# timed or waited for.
wine "$dossier/vivarel.exe" >/dev/null 2>&1 &
for _ in $(seq 600); do
    ! xdotool search --onlyvisible --name '^Trackmania Vivarel$' >/dev/null 2>&1 || break
    sleep 0.2
done
wineserver -k || true
windows() { winepath -w "$1"; }
utilisateur=$(id -un)
echec=0
echouer() {
    echo "FAILED: $*" >&2
    echec=1
}

echo "== Tests under Wine"
export WINEPATH="$(windows "$qt/bin");$(windows "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")");$(windows /usr/x86_64-w64-mingw32/lib)"
QT_QPA_FONTDIR='C:\windows\Fonts' ctest --test-dir "$construction" --output-on-failure \
    -R '^tst_(encoder|commands|storage|startup|widgets|layout)' || echouer "tests under Wine"
unset WINEPATH

echo "== --render against the Linux build"
codes=$essais/codes.txt
for graine in "$source"/fuzz/corpus/*; do
    cat "$graine"
    echo
done >"$codes"
# Random codes: every kind of code, dollar signs, markup and any script, from a fixed seed.
awk 'BEGIN {
    srand(21);
    n = split("$ $$ $i $w $n $m $g $z $o $s $t $h $l $l[x] $f00 $0f0 $abc $fff $1 $12 a B é ★ ǅ ヅ Ж ก ि 😀 < > & \" \x27 [ ] \\ \t",
              morceaux, " ");
    for (ligne = 0; ligne < 300; ++ligne) {
        code = "";
        longueur = int(rand() * 30);
        for (i = 0; i < longueur; ++i)
            code = code morceaux[1 + int(rand() * n)];
        print code;
    }
}' >>"$codes"
lignes=$(wc -l <"$codes")
for format in text html ansi; do
    "$linux" --render - --format "$format" <"$codes" >"$essais/linux.$format"
    wine "$dossier/vivarel-cli.exe" --render - --format "$format" <"$codes" \
        >"$essais/windows.$format" || echouer "--render - --format $format: exit $?"
    cmp "$essais/linux.$format" "$essais/windows.$format" ||
        echouer "--render --format $format differs from Linux"
done
for code in '$f00Ça ★ ǅ $i$0c0Жヅ' '$$5 <b>&amp;</b> $l[https://a.b]x$l' '$wW$nN$mM$gG$zZ'; do
    for programme in vivarel vivarel-cli; do
        [ "$("$linux" --render "$code" --format html)" = \
          "$(wine "$dossier/$programme.exe" --render "$code" --format html)" ] ||
            echouer "$programme.exe --render '$code' differs from Linux"
    done
done
[ "$("$linux" --help | sed 1d | grep -v -- --help)" = \
  "$(wine "$dossier/vivarel-cli.exe" --help | sed 1d | grep -v -- --help)" ] ||
    echouer "--help differs from Linux"
statut=0
wine "$dossier/vivarel-cli.exe" --render a --format pdf 2>/dev/null || statut=$?
[ $statut -eq 2 ] || echouer "a bad option exits with $statut, not 2 as on Linux"
# With the system's fonts: where every glyph is the same missing-glyph box, "ab" is "ba".
printf '%s\n' '$f00Viva$fffrel ★ ヅ' ab ba |
    wine "$dossier/vivarel-cli.exe" --render - --format png --output "$(windows "$essais")\\p.png" ||
    echouer "--format png"
! cmp -s "$essais/p-2.png" "$essais/p-3.png" || echouer "--format png draws no glyph"
echo "   $lignes codes in 3 forms, arguments, --help, exit status, PNG: compared"

echo "== The window"
# Types a nickname, inserts the catalogue's chosen character with the first page's button
# (Alt+I), then closes the window with Ctrl+Q; prints how long the window took to show, in
# milliseconds.
taper() {
    local debut fenetre
    debut=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    for _ in $(seq 3000); do
        fenetre=$(xdotool search --onlyvisible --name '^Trackmania Vivarel$' 2>/dev/null |
                  head -1) || true
        [ -z "$fenetre" ] || break
        sleep 0.02
    done
    echo $((($(date +%s%N) - debut) / 1000000))
    sleep 2
    xdotool windowfocus --sync "$fenetre" || true
    xdotool type --delay 60 'Viva$rel 21 ' || true
    xdotool key --delay 200 alt+i || true
    sleep 1
    [ -z "${CAPTURE:-}" ] || import -window "$fenetre" "$CAPTURE" || true
    xdotool key ctrl+q || true
    wait
}
export XDG_CONFIG_HOME=$essais/linux-config XDG_DATA_HOME=$essais/linux-data
linux_ms=$(taper "$linux" -platform xcb)
windows_ms=$(CAPTURE=$sortie/capture-windows.png taper wine "$dossier/vivarel.exe")
code_linux=$(grep '^pseudo=' "$XDG_CONFIG_HOME/Vivarel/Vivarel.ini" || true)
code_windows=$(grep '^pseudo=' \
    "$WINEPREFIX/drive_c/users/$utilisateur/AppData/Roaming/Vivarel/Vivarel.ini" | tr -d '\r' || true)
echo "   Linux:   $code_linux (window shown after $linux_ms ms)"
echo "   Windows: $code_windows (window shown after $windows_ms ms under Wine)"
[ -n "$code_linux" ] && [ "$code_linux" != "pseudo=" ] && [ "$code_linux" = "$code_windows" ] ||
    echouer "the code typed into the window"

echo "== Ctrl+C in the console of vivarel-cli.exe"
# In a real terminal: the program ends the normal way, status 0, with what was just typed saved.
tmux new-session -d -s "vivarel-essai${affichage#:}" -x 100 -y 10 \
    "env DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX WINEDEBUG=-all wine '$dossier/vivarel-cli.exe';
     echo \$? >'$essais/statut'"
for _ in $(seq 3000); do
    fenetre=$(xdotool search --onlyvisible --name '^Trackmania Vivarel$' 2>/dev/null | head -1) || true
    [ -z "$fenetre" ] || break
    sleep 0.02
done
sleep 2
xdotool windowfocus --sync "$fenetre" || true
xdotool type --delay 30 ' Ctrl+C' || true
tmux send-keys -t "vivarel-essai${affichage#:}" C-c
for _ in $(seq 200); do
    [ ! -s "$essais/statut" ] || break
    sleep 0.1
done
[ "$(cat "$essais/statut" 2>/dev/null)" = 0 ] || echouer "Ctrl+C: status $(cat "$essais/statut" 2>/dev/null)"
grep -q '^pseudo=.* Ctrl+C' "$WINEPREFIX/drive_c/users/$utilisateur/AppData/Roaming/Vivarel/Vivarel.ini" ||
    echouer "Ctrl+C: the nickname was not saved"
tmux kill-session -t "vivarel-essai${affichage#:}" 2>/dev/null || true

echo "== A console line longer than one read"
# Typed at the console, 5,000 characters are one line and get one answer, as from a pipe.
long=$(printf 'b%.0s' $(seq 5000))
session="vivarel-ligne${affichage#:}"
tmux new-session -d -s "$session" -x 100 -y 10 \
    "env WINEPREFIX=$WINEPREFIX WINEDEBUG=-all wine '$dossier/vivarel-cli.exe' --render - \
         >'$essais/longue.txt'"
sleep 3
tmux send-keys -t "$session" -l "$long"
tmux send-keys -t "$session" Enter
tmux send-keys -t "$session" -l second
tmux send-keys -t "$session" Enter
for _ in $(seq 300); do
    [ "$(grep -c '' "$essais/longue.txt" 2>/dev/null)" -lt 2 ] || break
    sleep 0.1
done
tmux kill-session -t "$session" 2>/dev/null || true
[ "$(grep -c '' "$essais/longue.txt")" = 2 ] && [ "$(sed -n 1p "$essais/longue.txt")" = "$long" ] &&
    [ "$(sed -n 2p "$essais/longue.txt")" = second ] ||
    echouer "a console line of 5,000 characters: $(wc -lc <"$essais/longue.txt") (lines, bytes)"

echo "== The installer"
installe=$WINEPREFIX/drive_c/users/$utilisateur/AppData/Local/Programs/Vivarel
raccourci="$WINEPREFIX/drive_c/users/$utilisateur/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vivarel.lnk"
cle='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vivarel'
wine "$installateur" /S || echouer "the silent install"
[ -f "$installe/vivarel.exe" ] && [ -f "$installe/platforms/qwindows.dll" ] ||
    echouer "the installed files"
[ -f "$raccourci" ] || echouer "the Start-menu entry"
wine reg query "$cle" /v UninstallString >/dev/null 2>&1 || echouer "the entry in Apps"
[ "$(wine "$installe/vivarel-cli.exe" --render '$f00ok' --format text)" = ok ] ||
    echouer "the installed program"
[ "$(wine "$installe/vivarel.exe" --version)" = "Vivarel $(
    "$linux" --version | cut -d' ' -f2)" ] || echouer "the installed window program"
wine "$installe/uninstall.exe" /S || echouer "the silent uninstall"
# The uninstaller runs from a copy of itself and returns at once.
for _ in $(seq 60); do
    [ -e "$installe" ] || break
    sleep 0.5
done
[ ! -e "$installe" ] || echouer "left behind: $(find "$installe" | head -5)"
[ ! -e "$raccourci" ] || echouer "the Start-menu entry is left"
! wine reg query "$cle" >/dev/null 2>&1 || echouer "the entry in Apps is left"

[ $echec -eq 0 ] && echo "== Every trial under Wine passed"
exit $echec

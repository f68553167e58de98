#!/usr/bin/env bash
# Runs a cross-built program under Wine, for ctest, in the Wine prefix that WINEPREFIX names.
# Wine hands no variable named QT_* on to a Windows program, so those go through cmd's "set";
# and a test's report, which does not reach a pipe from Wine, goes through a file.
set -euo pipefail
: "${WINEPREFIX:?the Wine prefix to run in}"
simple='^QT_[A-Z_]*=[-A-Za-z0-9_.:/\\]*$'
commande=""
while IFS='=' read -r nom valeur; do
    commande+="set $nom=$valeur&& "
done < <(env | grep -E "$simple" || true)
commande+=$(winepath -w "$1")
rapport=""
if [[ $(basename "$1") == tst_* ]]; then
    rapport=$(mktemp --suffix=.txt)
    commande+=" -o $(winepath -w "$rapport"),txt"
fi
shift
for argument in "$@"; do
    commande+=" $argument"
done
statut=0
wine cmd /c "$commande" || statut=$?
if [ -n "$rapport" ]; then
    cat "$rapport"
    rm -f "$rapport"
fi
exit $statut

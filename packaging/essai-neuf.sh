#!/usr/bin/env bash
# Proves the README's test command on a new machine: a minimal Debian 12 root made with
# debootstrap from this machine's own apt sources, a clean clone of the current commit laid in
# it, and `./build.sh test` run inside as root, with nothing else installed or left there.
# Prints the total time and the test summary, and exits with the test command's status.
#   packaging/essai-neuf.sh [COMMIT]     (default: HEAD; needs root)
# The bare debootstrap result is cached (as an archive, so nothing of a run stays in it) in
# ${XDG_CACHE_HOME:-~/.cache}/vivarel; each run unpacks it anew and removes it afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
[ "$(id -u)" -eq 0 ] || { echo "essai-neuf: needs root (debootstrap, chroot, mount)" >&2; exit 2; }
debut=$(date +%s)

command -v debootstrap >/dev/null || {
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
}

# The machine's enabled sources for bookworm: the first archive is the mirror to bootstrap from.
sources=(/etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list /etc/apt/sources.list)
miroir=$(for f in "${sources[@]}"; do [ ! -f "$f" ] || cat "$f"; done |
         awk '/^URIs:/ {u=$2} /^Suites:.*bookworm( |$)/ && u {print u; exit}
              /^deb .* bookworm / {print $2; exit}')
[ -n "$miroir" ] || { echo "essai-neuf: no bookworm archive in the apt sources" >&2; exit 2; }

cache=${XDG_CACHE_HOME:-$HOME/.cache}/vivarel
archive=$cache/racine-bookworm-minbase-$(echo "$miroir" | sha256sum | cut -c1-12).tar
if [ ! -f "$archive" ]; then
    echo "== debootstrap of a minimal Debian 12 root (cached in $archive)"
    mkdir -p "$cache"
    brut=$(mktemp -d /var/tmp/vivarel-debootstrap.XXXXXX)
    debootstrap --variant=minbase bookworm "$brut" "$miroir" >"$brut.log" 2>&1 ||
        { tail -20 "$brut.log" >&2; rm -rf --one-file-system "$brut"; exit 1; }
    tar -C "$brut" -cf "$archive.part" . && mv "$archive.part" "$archive"
    rm -rf --one-file-system "$brut" "$brut.log"
fi

racine=$(mktemp -d /var/tmp/vivarel-neuf.XXXXXX)
montes=()
nettoyer() {
    # Whatever still runs inside (an X server, a bus) would hold the mounts.
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$racine" ] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    for ((i = ${#montes[@]} - 1; i >= 0; i--)); do
        umount "${montes[i]}" 2>/dev/null || umount -l "${montes[i]}"
    done
    montes=()
    if findmnt -rno TARGET | grep -q "^$racine"; then
        echo "essai-neuf: $racine still has mounts; left in place" >&2
    else
        rm -rf --one-file-system "$racine"
    fi
}
trap nettoyer EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

tar -C "$racine" -xf "$archive"
cp /etc/resolv.conf "$racine/etc/resolv.conf"
rm -f "$racine"/etc/apt/sources.list "$racine"/etc/apt/sources.list.d/*
for f in "${sources[@]}"; do
    [ ! -f "$f" ] || cp "$f" "$racine$f"
done
git clone --quiet --no-checkout "$source" "$racine/root/vivarel"
git -C "$racine/root/vivarel" checkout --quiet "$commit"
for m in proc sys dev dev/pts dev/shm; do
    mount --bind "/$m" "$racine/$m"
    montes+=("$racine/$m")
done

echo "== $(git log -1 --format='%h %s' "$commit")"
echo "== ./build.sh test in a fresh Debian 12 root ($racine)"
journal=$racine.log
statut=0
chroot "$racine" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/vivarel && ./build.sh test' 2>&1 | tee "$journal" || statut=${PIPESTATUS[0]}

echo "== fresh root: exit status $statut after $(( ($(date +%s) - debut) / 60 )) min" \
     "$(( ($(date +%s) - debut) % 60 )) s"
grep -E 'tests passed|tests failed|Done [0-9]+ runs|(The following tests FAILED)|^\s+[0-9]+ - ' \
    "$journal" || true
rm -f "$journal"
exit "$statut"

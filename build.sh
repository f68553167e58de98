#!/usr/bin/env bash
# Sets up what Vivarel needs on Debian 12, builds it, then starts it or runs the tests.
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build, run every test headless, then again
#                     built with AddressSanitizer and UndefinedBehaviorSanitizer, then fuzz
#                     the code decoder for a minute
#   ./build.sh windows  the same set-up, then Vivarel for 64-bit Windows: Qt cross-built once
#                     into a cache folder, the program, a zip and an installer in build-windows/,
#                     and its tests under Wine (packaging/windows/build.sh)
#   ./build.sh web    the same set-up, then Vivarel for the browser: Qt built once for
#                     WebAssembly into a cache folder, the page in build-web/, tried in Chromium,
#                     Firefox and WebKitGTK (packaging/web/build.sh)
#   ./build.sh fresh  the test command again, in a fresh minimal Debian 12 root
#                     (packaging/essai-neuf.sh): what a new machine gets from these commands
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          fonts-dejavu-core fonts-liberation2 fonts-droid-fallback
          fonts-thai-tlwg fonts-lohit-deva fonts-unifont clang libclang-rt-14-dev llvm
          desktop-file-utils appstream dpkg-dev lintian chromium
          dbus at-spi2-core python3-pyatspi xvfb xdotool)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
update=0
[ "${1:-run}" != fresh ] || exec packaging/essai-neuf.sh
if [ "${1:-run}" = windows ] || [ "${1:-run}" = web ]; then
    if [ "$1" = windows ]; then
        packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 fonts-wine
                   nsis zip unzip imagemagick x11-utils tmux)
    else
        # The page is tried in the three engines players use: Chromium, Firefox and WebKit (the
        # engine of Safari, through WebKitGTK's own browser and driver).
        packages+=(emscripten zip xclip python3-fonttools firefox-esr webkit2gtk-driver locales)
        # A machine may carry a newer Node.js of its own, with npm inside: Debian's would clash.
        command -v npm >/dev/null || packages+=(nodejs npm)
    fi
    # Qt for Windows and for the browser is built from Debian's own qtbase source, so apt needs
    # the source lists.
    if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        for f in /etc/apt/sources.list.d/*.sources; do
            if grep -q '^Suites: bookworm' "$f"; then
                $sudo sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
            fi
        done
        if [ -f /etc/apt/sources.list ]; then
            sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
                $sudo tee /etc/apt/sources.list.d/vivarel-deb-src.list >/dev/null
        fi
        update=1
    fi
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ $update -eq 1 ]; then
    $sudo apt-get update
    [ ${#missing[@]} -eq 0 ] ||
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A home and XDG folders of its own, made anew, for a command the tests run outside CTest (which
# gives each test its own: tests/CMakeLists.txt), so that nothing of the caller's home reaches it.
isoler() {
    local maison=$PWD/$1
    shift
    rm -rf "$maison"
    mkdir -p "$maison"/{config,data,cache}
    mkdir -m 700 "$maison/run"
    env HOME="$maison" XDG_CONFIG_HOME="$maison/config" XDG_DATA_HOME="$maison/data" \
        XDG_CACHE_HOME="$maison/cache" XDG_RUNTIME_DIR="$maison/run" "$@"
}

[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build

case "${1:-run}" in
    run)  exec ./build/vivarel ;;
    test)
        ctest --test-dir build --output-on-failure
        # A minute of fuzzing the code decoder (clang's libFuzzer, ASan, UBSan), from the seed
        # corpus in fuzz/corpus; what it finds stays in build-fuzz/corpus for the next run.
        [ -f build-fuzz/CMakeCache.txt ] ||
            CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
                -DVIVAREL_FUZZ=ON
        cmake --build build-fuzz
        mkdir -p build-fuzz/corpus
        isoler build-fuzz/maison ./build-fuzz/fuzz/fuzz_decodeur -max_total_time=60 \
            -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus
        # Half a minute on the checks of the optional start-up files, seeded with the valid
        # resource file and catalogue the tests build.
        mkdir -p build-fuzz/fichiers build-fuzz/graines
        cp build/tests/ressources_test.rcc build/tests/traduction_test.qm build-fuzz/graines/
        isoler build-fuzz/maison ./build-fuzz/fuzz/fuzz_fichiers -max_total_time=30 -timeout=10 \
            -rss_limit_mb=2048 -artifact_prefix=build-fuzz/ build-fuzz/fichiers build-fuzz/graines
        # The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in a build
        # folder of its own: any report ends its test with a failure.
        [ -f build-asan/CMakeCache.txt ] ||
            cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIVAREL_SANITIZE=ON
        cmake --build build-asan
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --test-dir build-asan --output-on-failure
        ;;
    windows) exec packaging/windows/build.sh ;;
    web)  exec packaging/web/build.sh ;;
    *)    echo "usage: $0 run|test|windows|web|fresh" >&2; exit 2 ;;
esac

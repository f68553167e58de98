# Sourced by the web build: Debian's emscripten, laid out as Qt's configure expects an emsdk,
# and node 20 made to find the modules Debian ships for it.
emsdk=${VIVAREL_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vivarel}/emsdk
if [ ! -x "$emsdk/upstream/emscripten/emcc" ]; then
    mkdir -p "$emsdk/upstream/emscripten"
    ln -sf /usr/bin/emcc "$emsdk/upstream/emscripten/emcc"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
fi
export EMSDK=$emsdk
export NODE_PATH=/usr/share/nodejs
EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

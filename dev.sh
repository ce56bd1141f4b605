#!/usr/bin/env bash
# Developer entry point: setup, build, test, demo, dist.
# Every subcommand stops at the first failure and exits non-zero.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD="$ROOT/build"
JOBS="$(nproc)"

PACKAGES=(
    cmake g++ googletest clang-format
    g++-mingw-w64-x86-64-posix
    wine wine64 fonts-wine
    # Wine draws windows through these; they are only recommended by its packages.
    libxcomposite1 libxcursor1 libxfixes3 libxi6 libxinerama1 libxrandr2 libxrender1
    xvfb xauth fonts-wqy-microhei imagemagick
    apktool apksigner zipalign aapt android-framework-res dexdump python3
    locales zip unzip
)

log() { printf '== %s\n' "$*"; }

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' \
            || printf '%s\n' "$p"
    done
}

ensure_packages() {
    local missing
    missing="$(missing_packages)"
    [ -z "$missing" ] && return 0
    log "installing: $(echo $missing)"
    local sudo=""
    [ "$(id -u)" = 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

ensure_locale() {
    if locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
        return 0
    fi
    log "generating zh_CN.UTF-8"
    local sudo=""
    [ "$(id -u)" = 0 ] || sudo="sudo"
    $sudo sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
}

ensure_wine_prefix() (
    source "$ROOT/cmake/wine-env.sh"
    local stamp="$WINEPREFIX/.korvath-prefix-v1"
    [ -f "$stamp" ] && return 0
    log "creating Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # Without a window manager every hide or destroy otherwise waits about 2 s.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Chinese glyphs through the default dialog face.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Tahoma /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    wineserver -w
    touch "$stamp"
)

cmd_setup() {
    ensure_packages
    ensure_locale
    ensure_wine_prefix
}

cmd_build() {
    log "native build"
    cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DKORVATH_SANITIZE=ON >/dev/null
    cmake --build "$BUILD/native" -j "$JOBS"
    log "windows build"
    cmake -S "$ROOT" -B "$BUILD/win" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >/dev/null
    cmake --build "$BUILD/win" -j "$JOBS"
    log "korvath.exe: $BUILD/win/korvath.exe"
}

# Runs a command inside one Xvfb display with a warm wineserver, so that
# Wine's service processes do not hold on to the caller's pipes.
with_wine_display() (
    source "$ROOT/cmake/wine-env.sh"
    wineserver -k 2>/dev/null || true
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        set -u
        wineserver -p
        wine cmd.exe /c exit </dev/null >/dev/null 2>&1
        "$@"
        rc=$?
        wineserver -k 2>/dev/null
        exit $rc' bash "$@"
)

cmd_test() {
    cmd_setup
    cmd_build
    local rc=0
    log "native tests"
    ctest --test-dir "$BUILD/native" --output-on-failure -j "$JOBS" || rc=1
    log "windows tests under Wine"
    with_wine_display ctest --test-dir "$BUILD/win" --output-on-failure -j "$JOBS" || rc=1
    if [ "$rc" = 0 ]; then log "all tests passed"; else log "TESTS FAILED"; fi
    return "$rc"
}

cmd_demo() {
    cmd_setup
    cmd_build
    local demo="$ROOT/tests/e2e/demo.sh"
    if [ ! -x "$demo" ]; then
        log "built $BUILD/win/korvath.exe; the demo needs the main window, not there yet"
        return 0
    fi
    if [ -n "${DISPLAY:-}" ]; then
        "$demo" "$BUILD/win"
    else
        with_wine_display "$demo" "$BUILD/win"
    fi
}

# Rewrites the options tables of the user guides from the catalogue.
cmd_guide() {
    cmake --build "$BUILD/native" --target update_guide >/dev/null
    "$BUILD/native/tests/unit/update_guide" "$ROOT/docs/使用说明.md" zh
    "$BUILD/native/tests/unit/update_guide" "$ROOT/docs/user-guide.md" en
}

cmd_dist() {
    cmd_setup
    cmd_build
    "$ROOT/cmake/make-dist.sh" "$BUILD/win" "$ROOT/dist"
}

case "${1:-}" in
    setup) cmd_setup ;;
    build) cmd_setup; cmd_build ;;
    test) cmd_test ;;
    demo) cmd_demo ;;
    dist) cmd_dist ;;
    guide) cmd_setup; cmd_build; cmd_guide ;;
    *) echo "usage: ./dev.sh setup|build|test|demo|dist|guide" >&2; exit 2 ;;
esac

# Environment for running Windows programs under Wine: one prefix per machine,
# quiet, no Mono/Gecko prompts, and code page 936 as on the users' systems.
export WINEPREFIX="${KORVATH_WINEPREFIX:-${HOME:-/root}/.local/share/korvath/wine64}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8

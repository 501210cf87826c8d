# Sourced by the other scripts: one Wine prefix for the project, quiet Wine.
export LANG=C.UTF-8
export WINEPREFIX="${QV_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/qv318/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# winedbg disabled: a crash must fail a test, not open a dialog and hang it.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
QV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QV_ROOT

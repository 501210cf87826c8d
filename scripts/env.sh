# Sourced by the other scripts: one Wine prefix for the project, quiet Wine.
export LANG=C.UTF-8
export WINEPREFIX="${QV_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/qv318/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# winedbg disabled: a crash must fail a test, not open a dialog and hang it.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
QV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QV_ROOT

# The first Wine processes on a fresh wineserver can stall while Wine's desktop and services
# come up; start them once here so that tests and the program start on a settled server.
qv_warm_up_wine() {
  for _ in 1 2 3 4 5; do
    if timeout 30 wine cmd /c exit >/dev/null 2>&1; then return 0; fi
  done
  return 0
}

# Starts Xvfb on the first free display from $1 on, exports DISPLAY and sets QV_XVFB_PID.
qv_start_xvfb() {
  local n
  for n in $(seq "${1:-60}" 99); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      QV_XVFB_PID=$!
      export DISPLAY=":$n"
      sleep 1
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

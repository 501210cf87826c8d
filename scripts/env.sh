# Sourced by the other scripts: one Wine prefix for the project, quiet Wine.
export LANG=C.UTF-8
export WINEPREFIX="${QV_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/qv318/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# winedbg disabled: a crash must fail a test, not open a dialog and hang it.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
QV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QV_ROOT

# The first Wine process on a fresh wineserver starts Wine's desktop and services; wait for it
# once here, with a bound, so that tests and the program start on a settled server.
qv_warm_up_wine() {
  local seconds="${1:-120}" log rc=0
  # To a file, not a pipe: the services this start launches keep its output open.
  log="$(mktemp "${TMPDIR:-/tmp}/qv318-warm-up.XXXXXX")"
  timeout --kill-after=10 "$seconds" wine cmd /c exit >"$log" 2>&1 || rc=$?
  if ((rc != 0)); then
    echo "Wine did not answer within $seconds s on $WINEPREFIX (exit code $rc):" >&2
    cat "$log" >&2
  fi
  rm -f "$log"
  return $rc
}

# Starts Xvfb on the first free display from $1 on, waits until it accepts clients, exports
# DISPLAY and sets QV_XVFB_PID. Xvfb itself reports the display it holds through -displayfd.
# The screen is as large as a 200 % display's work area needs for the whole window (1774 x
# 1334 there); tests find the window through its client area, wherever it is centred.
qv_start_xvfb() {
  local n ready
  ready="$(mktemp "${TMPDIR:-/tmp}/qv318-xvfb.XXXXXX")"
  for n in $(seq "${1:-60}" 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    : >"$ready"
    Xvfb ":$n" -screen 0 2560x1600x24 -nolisten tcp -displayfd 3 3>"$ready" >/dev/null 2>&1 &
    QV_XVFB_PID=$!
    local _
    for _ in $(seq 1 100); do
      if [ -s "$ready" ]; then
        rm -f "$ready"
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$QV_XVFB_PID" 2>/dev/null || break  # display taken after all: try the next one
      sleep 0.1
    done
    if kill -0 "$QV_XVFB_PID" 2>/dev/null; then
      kill "$QV_XVFB_PID"
      echo "Xvfb :$n did not get ready within 10 s" >&2
      rm -f "$ready"
      return 1
    fi
    wait "$QV_XVFB_PID" 2>/dev/null || true
  done
  rm -f "$ready"
  echo "no free X display from :${1:-60} to :99" >&2
  return 1
}

# A server already running on this prefix holds Wine's desktop on another display. One that
# is merely ending goes within seconds; one that stays belongs to someone else's session.
qv_wait_prefix_free() {
  timeout 30 wineserver -w && return 0
  echo "test: a Wine server still runs on $WINEPREFIX after 30 s; end that session" \
    "(WINEPREFIX=$WINEPREFIX wineserver -k) or set QV_WINEPREFIX to another prefix" >&2
  return 1
}

# Bare Xvfb has no window manager, and Wine's X11 driver waits up to 2 s at every hide of a
# managed window for one to answer: at each sub-dialog's end, each hide of the page and the
# program's exit. The program's windows are unmanaged while a test session runs; a desktop's
# window manager (scripts/run.sh on a display) finds them managed again afterwards.
QV_UNMANAGED_KEY='HKCU\Software\Wine\AppDefaults\QV318_Driver.exe\X11 Driver'
qv_unmanaged_windows() {  # add | delete
  local log rc=0
  log="$(mktemp "${TMPDIR:-/tmp}/qv318-reg.XXXXXX")"
  if [[ "$1" == add ]]; then
    timeout 60 wine reg add "$QV_UNMANAGED_KEY" /v Managed /d N /f >"$log" 2>&1 &&
      timeout 60 wine reg query "$QV_UNMANAGED_KEY" /v Managed >"$log" 2>&1 &&
      grep -q "Managed.*REG_SZ.*N" "$log" || rc=1
  else
    timeout 60 wine reg delete "$QV_UNMANAGED_KEY" /f >"$log" 2>&1 || rc=1
  fi
  ((rc == 0)) || { echo "test: could not $1 $QV_UNMANAGED_KEY\\Managed:" >&2; cat "$log" >&2; }
  rm -f "$log"
  return $rc
}

# A Wine session for tests on $WINEPREFIX: its own virtual display from $1 on, a persistent
# wineserver and a process that holds Wine's desktop open. Sets QV_XVFB_PID, QV_HOLDER_PID
# and QV_SERVER_STARTED for qv_close_session, which ends what this started and nothing else.
qv_open_session() {
  qv_start_xvfb "$1" || return 1
  qv_wait_prefix_free || return 1
  # A persistent wineserver on this display makes each Wine start fast.
  wineserver -p
  QV_SERVER_STARTED=1
  qv_warm_up_wine || return 1
  qv_unmanaged_windows add || return 1
  # Wine closes its desktop a second after the last program using it ends; the next program
  # to start opens it anew and hands it its stderr, and whoever reads that program's output
  # through a pipe (ctest, the e2e harness) then waits until a timeout. Windows' desktop is
  # always there: hold Wine's open for the whole run.
  local log="$2"
  wine "$QV_ROOT/build/win/qvprobe.exe" hold >"$log" 2>&1 &
  QV_HOLDER_PID=$!
  local _
  for _ in $(seq 1 300); do
    grep -q "holding the desktop" "$log" && return 0
    kill -0 "$QV_HOLDER_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "test: the desktop holder did not start within 30 s:" >&2
  cat "$log" >&2
  return 1
}

qv_close_session() {
  [ -n "${QV_HOLDER_PID:-}" ] && { kill "$QV_HOLDER_PID" 2>/dev/null || true; }
  [ -n "${QV_SERVER_STARTED:-}" ] && { qv_unmanaged_windows delete || true; }
  [ -n "${QV_SERVER_STARTED:-}" ] && { timeout 30 wineserver -k 2>/dev/null || true; }
  [ -n "${QV_XVFB_PID:-}" ] && { kill "$QV_XVFB_PID" 2>/dev/null || true; }
  QV_HOLDER_PID="" QV_SERVER_STARTED="" QV_XVFB_PID=""
}

#!/usr/bin/env bash
# Installs what the project needs and prepares its Wine prefix. Safe to run again.
# Every step either succeeds, waits with a bound, or stops naming the step and showing
# the failing command's output.
set -euo pipefail
source "$(dirname "$0")/env.sh"

PACKAGES=(cmake g++ googletest python3 g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  procps wine wine64 xvfb xdotool x11-utils imagemagick librsvg2-bin fonts-wqy-microhei
  fonts-noto-cjk fonts-liberation2 fonts-wine nsis clang-14 libclang-rt-14-dev libfuzzer-14-dev ccache)

SETUP_LOG="$(mktemp "${TMPDIR:-/tmp}/qv318-setup.XXXXXX")"
BUILD_DIR=""
cleanup() {
  # An unfinished prefix never takes the real one's place; end the server this script started on it.
  if [ -n "$BUILD_DIR" ] && [ -d "$BUILD_DIR" ]; then
    WINEPREFIX="$BUILD_DIR" timeout 20 wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$BUILD_DIR" timeout 20 wineserver -w >/dev/null 2>&1 || true
    rm -rf "$BUILD_DIR"
  fi
  rm -f "$SETUP_LOG" "$SETUP_LOG.query"
}
trap cleanup EXIT

fail() {  # fail <step> <exit code>: names the step and shows what its command printed
  echo "setup: FAILED at step: $1 (exit code $2)" >&2
  echo "----- output of that step -----" >&2
  cat "$SETUP_LOG" >&2
  echo "-------------------------------" >&2
  exit 1
}

step() {  # step <description> <seconds> <command...>: runs with a time bound, output kept for fail
  local what="$1" seconds="$2" rc=0
  shift 2
  if declare -F "$1" >/dev/null; then
    "$@" >"$SETUP_LOG" 2>&1 || rc=$?  # a function of this file bounds its own commands
  else
    timeout --kill-after=10 "$seconds" "$@" >"$SETUP_LOG" 2>&1 || rc=$?
  fi
  if ((rc == 124 || rc == 137)); then
    echo "(no result within $seconds s: $*)" >>"$SETUP_LOG"
  fi
  ((rc == 0)) || fail "$what" "$rc"
}

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  step "apt-get update" 600 $SUDO apt-get update -qq
  step "apt-get install" 1800 $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

STAMP_NAME=.qv318-prefix-v3
# Font names as Windows programs ask for them, mapped to the fonts the packages above bring.
# The Chinese interface faces the program asks for first (Microsoft YaHei UI, JhengHei UI)
# are sans CJK faces. The system's own interface font (Tahoma: menus, message boxes) reaches
# CJK letters through font links whose first face is MS UI Gothic: a sans CJK face there, as
# on Windows, rather than SimSun's thin serif stand-in that made the tray menu look greyed.
# The dialog soak tests open thousands of windows: Wine's X11 driver waits up to 2 s at each
# hide for a window manager that bare Xvfb does not have, unless the windows are unmanaged.
REG_TEXT='Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\app_win_tests.exe\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"黑体"="WenQuanYi Micro Hei"
"SimHei"="WenQuanYi Micro Hei"
"Microsoft YaHei UI"="Noto Sans CJK SC"
"Microsoft JhengHei UI"="Noto Sans CJK TC"
"MS UI Gothic"="Noto Sans CJK SC"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"宋体"="Noto Serif CJK SC"
"SimSun"="Noto Serif CJK SC"
"Arial"="Liberation Sans"
'
# Key, value name and the data `reg query` must show for it once the import is done.
CHECKS=(
  'HKCU\Software\Wine\WineDbg|ShowCrashDialog|0x0'
  'HKCU\Software\Wine\AppDefaults\app_win_tests.exe\X11 Driver|Managed|N'
  'HKCU\Software\Wine\Fonts\Replacements|黑体|WenQuanYi Micro Hei'
  'HKCU\Software\Wine\Fonts\Replacements|SimHei|WenQuanYi Micro Hei'
  'HKCU\Software\Wine\Fonts\Replacements|Microsoft YaHei UI|Noto Sans CJK SC'
  'HKCU\Software\Wine\Fonts\Replacements|Microsoft JhengHei UI|Noto Sans CJK TC'
  'HKCU\Software\Wine\Fonts\Replacements|MS UI Gothic|Noto Sans CJK SC'
  'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes|宋体|Noto Serif CJK SC'
  'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes|SimSun|Noto Serif CJK SC'
  'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes|Arial|Liberation Sans'
)

check_value() {  # check_value <key> <name> <data>: the value exists and holds the data
  local out="$SETUP_LOG.query"
  # To a file, not a pipe: a Wine start may leave processes that hold its output open.
  timeout --kill-after=10 60 wine reg query "$1" /v "$2" >"$out" 2>&1 || { cat "$out"; return 1; }
  grep -qF "$3" "$out" || { cat "$out"; echo "expected data: $3"; return 1; }
}

if [ ! -f "$WINEPREFIX/$STAMP_NAME" ]; then
  echo "setup: creating the Wine prefix in $WINEPREFIX"
  parent="$(dirname "$WINEPREFIX")"
  mkdir -p "$parent"
  # Built beside its final place and renamed into it only when complete and verified.
  BUILD_DIR="$(mktemp -d "$parent/.qv318-prefix-build.XXXXXX")"
  (
    export WINEPREFIX="$BUILD_DIR"
    # Debian's automatically started wineserver quits the moment its last process ends, and a
    # Wine start that meets it while it quits fails; one persistent server serves every step.
    step "starting a Wine server for the new prefix" 60 wineserver -p
    step "wineboot -i (creating the prefix)" 300 wineboot -i
    # One import of a UTF-16 file keeps the Chinese value names whatever the locale.
    { printf '\xff\xfe'; printf '%s' "$REG_TEXT" | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } \
      >"$WINEPREFIX/drive_c/qv318-setup.reg"
    step "importing the registry values (regedit)" 120 wine regedit /S 'C:\qv318-setup.reg'
    rm -f "$WINEPREFIX/drive_c/qv318-setup.reg"
    # regedit answers 0 even when it imported nothing: read every value back.
    for c in "${CHECKS[@]}"; do
      IFS='|' read -r key name data <<<"$c"
      step "reading back $key\\$name" 60 check_value "$key" "$name" "$data"
    done
    # This Wine build does not load its own Tahoma from /usr/share/wine/fonts.
    for f in tahoma.ttf tahomabd.ttf marlett.ttf; do
      step "copying $f into the prefix" 30 cp -f "/usr/share/wine/fonts/$f" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    step "stopping the set-up's Wine server" 60 wineserver -k
    step "waiting for the Wine server to save the registry" 60 wineserver -w
    for f in system.reg user.reg drive_c/windows/system32/kernel32.dll; do
      [ -s "$WINEPREFIX/$f" ] || { ls -la "$WINEPREFIX" >"$SETUP_LOG" 2>&1; fail "checking the new prefix holds $f" 1; }
    done
    touch "$WINEPREFIX/$STAMP_NAME"
  )
  if [ -f "$WINEPREFIX/$STAMP_NAME" ]; then
    echo "setup: another set-up finished $WINEPREFIX meanwhile; keeping that one"
  else
    if [ -e "$WINEPREFIX" ]; then
      # Left by an older, interrupted set-up: kept aside rather than deleted.
      aside="$WINEPREFIX.unfinished-$(date +%Y%m%d-%H%M%S)"
      step "moving the unfinished prefix aside" 30 mv -T "$WINEPREFIX" "$aside"
      echo "setup: moved an unfinished prefix aside to $aside"
    fi
    step "moving the new prefix into place" 30 mv -T "$BUILD_DIR" "$WINEPREFIX"
  fi
  echo "setup: the Wine prefix is ready"
fi

#!/usr/bin/env bash
# Installs what the project needs and prepares its Wine prefix. Safe to run again.
set -euo pipefail
source "$(dirname "$0")/env.sh"

PACKAGES=(cmake g++ googletest python3 g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  procps wine wine64 xvfb xdotool x11-utils imagemagick librsvg2-bin fonts-wqy-microhei
  fonts-noto-cjk fonts-liberation2 fonts-wine)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

STAMP="$WINEPREFIX/.qv318-prefix-v1"
if [ ! -f "$STAMP" ]; then
  echo "setup: creating the Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  for face in "黑体" "SimHei"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  done
  for face in "宋体" "SimSun"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v "$face" /t REG_SZ /d "Noto Serif CJK SC" /f >/dev/null 2>&1
  done
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v "Arial" /t REG_SZ /d "Liberation Sans" /f >/dev/null 2>&1
  # This Wine build does not load its own Tahoma from /usr/share/wine/fonts.
  for f in tahoma.ttf tahomabd.ttf marlett.ttf; do
    [ -f "/usr/share/wine/fonts/$f" ] && cp -f "/usr/share/wine/fonts/$f" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  wineserver -w || true
  touch "$STAMP"
fi

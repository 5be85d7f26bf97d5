#!/usr/bin/env bash
# Runs a Windows program under Wine with a project-local prefix, a Japanese locale
# (ANSI code page 932) and, when there is no display, a virtual X server.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
setup_mark="$WINEPREFIX/.tavo-setup-1"
if [ ! -f "$setup_mark" ]; then
  mkdir -p "$WINEPREFIX"
  # Tests run side by side: one of them sets the prefix up, the others wait for it.
  exec 9> "$WINEPREFIX.setup-lock"
  flock 9
fi
if [ ! -f "$setup_mark" ]; then
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
  if [ "${TAVO_WINE_MANAGED:-0}" != 1 ]; then
    # No window manager (Xvfb): Wine draws the caption itself and never waits
    # for a window manager to map or withdraw a window.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  fi
  wineserver -w || true
  touch "$setup_mark"
fi
exec 9>&-
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24' wine "$@"
fi
exec wine "$@"

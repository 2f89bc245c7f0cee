#!/usr/bin/env bash
# Runs a program built for Windows under Wine, headless or on the display there is:
#   wine-run.sh PROGRAM.exe ARGS...
#   wine-run.sh --keep    starts the prefix's Wine server and services for the runs to come
# GS_WINE_DLLS: folders (colon-separated) searched for the DLLs the program needs, e.g. Qt's
# bin/ and the MinGW runtime. WINEPREFIX defaults to one prefix per user for these runs; it is
# made on first use (about 11 s), with Liberation Sans standing in for Arial, which Wine lacks.
# GS_WINE_QT_TESTS=1 makes a prefix for test programs: Wine passes no QT_* variable from Linux
# to a Windows process, so the two a headless test needs are set in the prefix's own
# environment: QtTest's output to stdout (not to the debugger), and the offscreen platform's
# fonts, which it reads from a folder.
set -euo pipefail

export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/gruppenstatistik/wine64}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialog when the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

if [ ! -f "$WINEPREFIX/.gs-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.gs-ready" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
        /d 'Liberation Sans' /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial Narrow' /t REG_SZ \
        /d 'Liberation Sans Narrow' /f >/dev/null 2>&1
      if [ -n "${GS_WINE_QT_TESTS:-}" ]; then
        wine reg add 'HKCU\Environment' /v QT_ASSUME_STDERR_HAS_CONSOLE /t REG_SZ /d 1 /f \
          >/dev/null 2>&1
        wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ \
          /d 'Z:\usr\share\fonts\truetype\liberation' /f >/dev/null 2>&1
      fi
      wineserver -w
      touch "$WINEPREFIX/.gs-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

# For many runs: a persistent server and its services, started with no output of ours. A
# service started by a run inherits its standard output; a caller reading that through a pipe
# would wait for an end that never comes. Each run then starts in a third of a second, not
# three. `wineserver -k` ends them.
if [ "${1:-}" = --keep ]; then
  wineserver -p || true # already running: keeps running
  wine cmd /c exit </dev/null >/dev/null 2>&1
  exit 0
fi

if [ -n "${GS_WINE_DLLS:-}" ]; then
  path=
  IFS=: read -ra folders <<<"$GS_WINE_DLLS"
  for f in "${folders[@]}"; do
    path+="${path:+;}Z:${f//\//\\}" # Wine's drive Z: is the Unix root
  done
  export WINEPATH="$path${WINEPATH:+;$WINEPATH}"
fi
exec wine "$@"

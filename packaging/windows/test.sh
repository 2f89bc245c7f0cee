#!/usr/bin/env bash
# The Windows build's tests under Wine (make windows-test):
#   packaging/windows/test.sh WIN_BUILD LINUX_BUILD
# 1. the cross-compiled test programs (ctest in WIN_BUILD), headless;
# 2. the report tool's tests of the Linux build, run against the Windows report tool;
# 3. the Windows report tool's answers beside the Linux one's for every sample and hostile file;
# 4. the setup program, silently, for all users and for one user; the installed report tool;
#    the installed program on Xvfb (screenshots in WIN_BUILD/windows-test/); the uninstaller.
# Each step prints its time.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
win=$(cd "${1:?usage: test.sh WIN_BUILD LINUX_BUILD}" && pwd)
linux=$(cd "${2:?usage: test.sh WIN_BUILD LINUX_BUILD}" && pwd)
out=$win/windows-test
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$win/CMakeCache.txt")
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export WINEDEBUG=-all
rm -rf "$out"
mkdir -p "$out"

step() {
  local start=$SECONDS
  echo "--- $1"
  "${@:2}"
  echo "--- $1: $((SECONDS - start)) s"
}

# Wine's messages that say nothing about the program: no 32-bit Wine (not needed), no
# volume label for Z:, no screen modes on Xvfb (python-xlib reports Wine's failed queries).
quiet() { grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
  -e 'apt-get install wine32' -e 'FS volume label' -e 'X protocol error' -e 'BadRRModeError' ||
  true; }

test_programs() {
  WINEPREFIX=$win/wine-tests GS_WINE_QT_TESTS=1 "$here/wine-run.sh" --keep
  (cd "$win" && ctest --output-on-failure -j "$jobs" 2> >(quiet >&2))
}

report_tests() {
  # The Linux tests start the tool through this command: the shipped Windows tool under Wine,
  # in the test programs' prefix (Z: is the Linux root, so the tests' paths are found).
  export GS_REPORT_TOOL="env WINEPREFIX=$win/wine-tests $here/wine-run.sh \
$win/dist/Gruppenstatistik/gruppenstatistik-report.exe"
  "$linux/tests/app/report_tests" 2> >(quiet >&2)
  unset GS_REPORT_TOOL
}

same_answers() {
  WINEPREFIX=$win/wine-tests /usr/bin/python3 "$here/compare_report.py" \
    "$linux/app/gruppenstatistik-report" "$win/dist/Gruppenstatistik/gruppenstatistik-report.exe" \
    "$root" "$out/compare" 2> >(quiet >&2)
}

# A prefix like a user's machine: nothing set for tests, only Arial's stand-in. Wine runs the
# setup program as an administrator: it installs for all users unless told /CurrentUser.
# Each part has its own Wine session, ended with wineserver -k: the screen test's on Xvfb, the
# others without a display.
installed() {
  export WINEPREFIX=$win/wine-user
  rm -rf "$WINEPREFIX"
  local setup=$win/dist/Gruppenstatistik-Setup-$version.exe
  local c=$WINEPREFIX/drive_c
  local all="$c/Program Files/Gruppenstatistik"
  local menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs"
  "$here/wine-run.sh" --keep
  wine "$setup" /S 2> >(quiet >&2)
  check_installed "$all" "$menu" HKLM
  installed_report 'C:\Program Files\Gruppenstatistik'
  wineserver -k
  # The program on a screen, with a sample in a folder named with umlauts. (All users: Wine's
  # HKEY_CLASSES_ROOT does not show a user's own file types, which "Öffnen mit" needs.)
  mkdir -p "$c/Prüfung"
  cp "$root/examples/buerohaus-14.csv" "$c/Prüfung/Bürohaus Süd.csv"
  xvfb-run -a -s '-screen 0 1280x800x24' /usr/bin/python3 -u "$here/gui_smoke.py" \
    'C:\Program Files\Gruppenstatistik\gruppenstatistik.exe' 'C:\Prüfung\Bürohaus Süd.csv' \
    "$out" 2> >(quiet >&2)
  "$here/wine-run.sh" --keep
  wine "$all/Deinstallieren.exe" /AllUsers /S 2> >(quiet >&2)
  check_removed "$all" "$menu" HKLM

  wine "$setup" /S /CurrentUser 2> >(quiet >&2)
  local user
  user=$(ls -d "$c"/users/*/AppData/Local/Programs/Gruppenstatistik)
  menu=$(ls -d "$c"/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs)
  check_installed "$user" "$menu" HKCU
  installed_report "C:${user#"$c"}"
  wine "$user/Deinstallieren.exe" /CurrentUser /S 2> >(quiet >&2)
  check_removed "$user" "$menu" HKCU
  wineserver -k
}

installed_report() { # Windows folder of the installation
  local folder=${1//\//\\}
  wine "$folder\\gruppenstatistik-report.exe" "$folder\\Beispiele\\hochhaus-40.csv" \
    >"$out/installed-report.txt" 2> >(quiet >&2)
  grep -q '^Anzahl Stockwerke: 40$' "$out/installed-report.txt"
  echo "installed report tool: $(wc -l <"$out/installed-report.txt") lines for hochhaus-40.csv"
}

check_installed() { # folder start-menu-folder registry-root
  local missing
  missing=$(cd "$win/dist/Gruppenstatistik" && find . -type f | while read -r f; do
    [ -f "$1/$f" ] || echo "$f"; done)
  [ -z "$missing" ] || { echo "not installed in $1: $missing" >&2; return 1; }
  [ -f "$2/QVL Gruppenstatistik.lnk" ] || { echo "no Start menu entry in $2" >&2; return 1; }
  # "Öffnen mit" for .csv, and .csv itself left to whatever opens it
  wine reg query "$3\\Software\\Classes\\.csv\\OpenWithProgids" /v Gruppenstatistik.csv \
    >/dev/null 2>&1 || { echo "no Öffnen-mit entry for .csv in $3" >&2; return 1; }
  if wine reg query "$3\\Software\\Classes\\.csv" /ve 2>/dev/null | grep -q Gruppenstatistik; then
    echo ".csv was taken over in $3" >&2
    return 1
  fi
  echo "installed: $(find "$1" -type f | wc -l) files in $1, Start menu entry, Öffnen mit in $3"
}

check_removed() { # folder start-menu-folder registry-root
  # The uninstaller runs on from a copy of itself: its folder goes when it is done.
  for _ in $(seq 60); do
    [ -e "$1" ] || break
    sleep 1
  done
  if [ -e "$1" ]; then
    echo "left after uninstalling:" >&2
    find "$1" >&2
    return 1
  fi
  [ ! -e "$2/QVL Gruppenstatistik.lnk" ] || { echo "Start menu entry left" >&2; return 1; }
  if wine reg query "$3\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gruppenstatistik" \
    >/dev/null 2>&1; then
    echo "uninstall entry left in $3" >&2
    return 1
  fi
  echo "uninstalled: $1 gone, no Start menu entry, no uninstall entry in $3"
}

# No Wine process of ours outlives the tests, whichever step fails.
# (A prefix whose server has ended already makes wineserver -k fail: not the tests' status.)
trap 'for p in "$win/wine-tests" "$win/wine-user"; do
        WINEPREFIX=$p wineserver -k 2>/dev/null || true
      done' EXIT

step "test programs under Wine" test_programs
step "report tool tests against the Windows report tool" report_tests
step "Windows and Linux report tool: the same answers" same_answers
step "setup, installed programs, uninstaller" installed
echo "windows-test passed; screenshots in $out"

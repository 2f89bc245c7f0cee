#!/usr/bin/env bash
# The Windows program as shipped, from a finished build-windows/ tree:
#   packaging/windows/package.sh BUILD QT_PREFIX
# BUILD/dist/Gruppenstatistik/  the folder: both programs, the DLLs they load (found by reading
#                               their imports, as windeployqt would), the platform and style
#                               plugins, Qt's German texts, the samples, a German README
# BUILD/dist/Gruppenstatistik-<version>-win64.zip   that folder zipped
# BUILD/dist/Gruppenstatistik-Setup-<version>.exe   the setup program (NSIS)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:?usage: package.sh BUILD QT_PREFIX}" && pwd)
qt=${2:?usage: package.sh BUILD QT_PREFIX}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
triplet=x86_64-w64-mingw32
cxx=$triplet-g++-posix
dist=$build/dist
folder=$dist/Gruppenstatistik

rm -rf "$dist"
mkdir -p "$folder"/{platforms,styles,translations,Beispiele,Lizenzen}

cp "$build/app/gruppenstatistik.exe" "$build/app/gruppenstatistik-report.exe" "$folder/"
# Printing, the file dialogs and the fonts are in the platform plugin; the report tool draws its
# PDF, PNG and SVG files without a window, on the minimal one. PNG and SVG drawing are built into
# the libraries, so no image format or icon engine plugin is needed.
cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qminimal.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
# Plugins beside the program, translations in translations/: Qt reads its paths from here.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$folder/qt.conf"

# Every DLL the programs and plugins import that is not part of Windows: from Qt's bin/ or the
# MinGW runtime (libstdc++, libgcc, winpthread), then what those import in turn.
search=("$qt/bin" "$(dirname "$(readlink -f "$("$cxx" -print-file-name=libstdc++-6.dll)")")"
  "$(dirname "$(readlink -f "$("$cxx" -print-file-name=libwinpthread-1.dll)")")")
pending=("$folder"/*.exe "$folder"/platforms/*.dll "$folder"/styles/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  while read -r dll; do
    [ -e "$folder/$dll" ] && continue
    for dir in "${search[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$folder/"
        pending+=("$folder/$dll")
        break
      fi
    done
  done < <("$triplet-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
done

# Qt's own dialogs and buttons in German: Debian's translations work on every platform.
cp /usr/share/qt6/translations/qtbase_de.qm "$folder/translations/"

for sample in "$root"/examples/*.csv; do
  cp "$sample" "$folder/Beispiele/"
done
# Text files for Notepad: UTF-8 with a byte order mark, CR LF.
crlf() { printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$1"; }
crlf "$here/LIESMICH.txt" | sed "s/@VERSION@/$version/" >"$folder/LIESMICH.txt"
crlf "$here/Lizenzen.txt" >"$folder/Lizenzen/LIESMICH.txt"
cp "$root/third_party/qtsvg/LICENSES/LGPL-3.0-only.txt" \
  "$root/third_party/qtsvg/LICENSES/GPL-3.0-only.txt" "$folder/Lizenzen/"
# libxlsxwriter and zlib, linked into the programs when the build found them.
xlsx=$(sed -n 's/^GS_XLSXWRITER_MINGW:PATH=//p' "$build/CMakeCache.txt")
if [ -n "$xlsx" ]; then
  crlf "$xlsx/share/doc/License.txt" >"$folder/Lizenzen/libxlsxwriter.txt"
  crlf /usr/share/doc/libz-mingw-w64-dev/copyright >"$folder/Lizenzen/zlib.txt"
fi

find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec "$triplet-strip" --strip-unneeded {} +

(cd "$dist" && cmake -E tar cf "Gruppenstatistik-$version-win64.zip" --format=zip Gruppenstatistik)

# The setup program's file list and the uninstaller's, which removes exactly these files.
(
  cd "$folder"
  find . -type f | sed 's|^\./||' | sort | while read -r f; do
    printf 'SetOutPath "$INSTDIR\\%s"\nFile "%s"\n' "$(dirname "$f" | sed 's|^\.$||; s|/|\\|g')" \
      "$folder/$f"
  done
) | sed 's|\\"$|"|' >"$dist/files.nsh"
(
  cd "$folder"
  find . -type f | sed 's|^\./||' | sort | while read -r f; do
    printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"
  done
  find . -type d ! -name . | sed 's|^\./||' | sort -r | while read -r d; do
    printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"
  done
) >"$dist/unfiles.nsh"

makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DROOT="$root" -DDIST="$dist" \
  -DOUTFILE="$dist/Gruppenstatistik-Setup-$version.exe" "$here/installer.nsi"

du -sh "$folder" "$dist"/*.zip "$dist"/*.exe

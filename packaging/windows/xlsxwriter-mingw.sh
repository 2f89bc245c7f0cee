#!/usr/bin/env bash
# libxlsxwriter for 64-bit Windows (MinGW-w64), a static library in a cache outside the clone:
#   packaging/windows/xlsxwriter-mingw.sh PREFIX
# Debian has it only for Linux, so it is built from Debian's source package of the version the
# Linux build uses, against Debian's zlib for MinGW-w64 (libz-mingw-w64-dev), linked statically:
# the Windows program then writes .xlsx as the Linux one does, with no further DLL to ship.
# Takes seconds; PREFIX is reused while the stamp in it names the same version.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=${1:?usage: xlsxwriter-mingw.sh PREFIX}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
zlib=/usr/x86_64-w64-mingw32/lib/libz.a
version=$(dpkg-query -W -f='${source:Version}' libxlsxwriter-dev)
key="libxlsxwriter $version x86_64-w64-mingw32-posix static, with its licence; zlib \
$(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)"
stamp=$prefix/gruppenstatistik-xlsxwriter.stamp

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
  echo "libxlsxwriter for Windows: $prefix"
  exit 0
fi
test -f "$zlib" || { echo "xlsxwriter-mingw.sh: $zlib missing (libz-mingw-w64-dev)" >&2; exit 1; }
rm -rf "$prefix"
work=$prefix.work
mkdir -p "$work"
cd "$work"
. "$root/packaging/windows/debian-source.sh"
debian_source libxlsxwriter "$version"
# Its own minizip and temporary files (tmpfileplus, in %TMP%); zlib found as the static one.
cmake -S "libxlsxwriter-${version%-*}" -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
  -DZLIB_LIBRARY="$zlib" -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
cmake --build build
cmake --install build
# Its licence (and those of the minizip, tmpfileplus and md5 it carries), shipped with the program.
install -D -m 644 "libxlsxwriter-${version%-*}/License.txt" "$prefix/share/doc/License.txt"
test -f "$prefix/lib/libxlsxwriter.a" -a -f "$prefix/include/xlsxwriter.h"
echo "$key" >"$stamp"
cd /
rm -rf "$work"

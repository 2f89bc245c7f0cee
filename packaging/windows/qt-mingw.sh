#!/usr/bin/env bash
# Qt 6.4.2 for 64-bit Windows (MinGW-w64, posix threads) in a cache outside the clone:
#   packaging/windows/qt-mingw.sh PREFIX
# Debian has no Qt for MinGW, so qtbase is built from Debian's own source package of the Qt the
# Linux build uses (with Debian's patches), Qt SVG from third_party/qtsvg. The build takes about
# 50 minutes on two cores; PREFIX is reused while the stamp in it says the same Qt version and
# flags. GS_QT_SEED may name a tarball of such a tree (top folder qt6-mingw/) to unpack instead
# when PREFIX is missing; GS_QT_BUILD=no fails rather than build it from source.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=${1:?usage: qt-mingw.sh PREFIX}
qt_version=6.4.2
toolchain=$root/cmake/mingw-w64-x86_64.cmake
qtsvg=$root/third_party/qtsvg
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

# What the program needs: Core, Gui, Widgets, PrintSupport, Test; the bundled image and text
# libraries (Debian has none of them for MinGW). OpenGL is switched off at the input, not only
# the feature, else dynamic OpenGL stays on and the Windows platform plugin fails to compile.
# Debian's tarball drops src/3rdparty/wintab, hence no tablet events.
qtbase_flags=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_icu=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
)
svg_commit=$(cat "$qtsvg/.tag")
key="Qt $qt_version x86_64-w64-mingw32-posix; qtbase ${qtbase_flags[*]}; qtsvg $svg_commit"
stamp=$prefix/gruppenstatistik-qt.stamp

if [ -f "$stamp" ] && [ "$(head -n1 "$stamp")" = "$key" ]; then
  echo "Qt for Windows: $prefix"
  exit 0
fi
if [ -e "$prefix" ]; then
  echo "Qt for Windows: $prefix was made with other flags or is incomplete; building it again"
  rm -rf "$prefix"
fi

# Host tools (moc, rcc, uic) come from Debian's qt6-base-dev: it must be the same Qt.
host_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev) # a binNMU's +bN is not the source's
case $host_version in
  "$qt_version"+*) ;;
  *) echo "qt-mingw.sh: qt6-base-dev is $host_version, Qt for Windows needs $qt_version" >&2; exit 1 ;;
esac

if [ -n "${GS_QT_SEED:-}" ] && [ -f "$GS_QT_SEED" ]; then
  # The seed is the same release with the same modules and plugins, built from Debian's orig
  # tarball with OpenGL switched off by a one-line patch: interchangeable for this project.
  echo "Qt for Windows: unpacking $GS_QT_SEED into $prefix"
  mkdir -p "$prefix.unpack"
  tar -xJf "$GS_QT_SEED" -C "$prefix.unpack"
  mv "$prefix.unpack/qt6-mingw" "$prefix"
  rmdir "$prefix.unpack"
  test -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" -a -f "$prefix/bin/Qt6Svg.dll"
  printf '%s\norigin: %s (sha256 %s)\n' "$key" "$GS_QT_SEED" \
    "$(sha256sum "$GS_QT_SEED" | cut -d' ' -f1)" >"$stamp"
  exit 0
fi

if [ "${GS_QT_BUILD:-yes}" = no ]; then
  echo "qt-mingw.sh: no Qt for Windows in $prefix and no seed to unpack; make windows-qt" \
    "builds it once (about 50 minutes on two cores)" >&2
  exit 1
fi

# The work folder survives a failed or interrupted build: the next run goes on from there.
start=$SECONDS
work=$prefix.work
mkdir -p "$work"
cd "$work"

# Debian's source package of the installed version, patches applied.
. "$root/packaging/windows/debian-source.sh"
debian_source qt6-base "$host_version"
src=qt6-base-${host_version%-*}

cmake -S "$src" -B qtbase -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${qtbase_flags[@]}"
cmake --build qtbase --parallel "$jobs"
cmake --install qtbase

cmake -S "$qtsvg" -B qtsvg -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
cmake --build qtsvg --parallel "$jobs"
cmake --install qtsvg

cd /
rm -rf "$work"
minutes=$(((SECONDS - start + 30) / 60))
printf '%s\norigin: built from source in %d min\n' "$key" "$minutes" >"$stamp"
echo "Qt for Windows: built into $prefix in $minutes min"

#!/usr/bin/env bash
# The Debian package made by make package, checked as a user would get it:
#   packaging/debian/test-deb.sh BUILD
# unpacked (dpkg -x) into an empty folder, it holds both programs, the desktop entry that offers
# them for CSV files, the icon and the samples; its report tool, run from there, answers as the
# build's does (text, JSON, PDF); apt would install it with what it depends on.
set -euo pipefail
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

build=$(cd "${1:?usage: test-deb.sh BUILD}" && pwd)
clone=$(cd "$(dirname "$0")/../.." && pwd)
deb=$(ls "$build"/gruppenstatistik_*_amd64.deb)
root=$(mktemp -d /tmp/gruppenstatistik-deb.XXXXXX)
trap 'rm -rf "$root"' EXIT

dpkg -x "$deb" "$root"
for f in usr/bin/gruppenstatistik usr/bin/gruppenstatistik-report \
  usr/share/applications/gruppenstatistik.desktop \
  usr/share/icons/hicolor/64x64/apps/gruppenstatistik.png \
  usr/share/doc/gruppenstatistik/copyright; do
  [ -f "$root/$f" ] || { echo "test-deb: $f is not in $deb" >&2; exit 1; }
done
grep -q '^MimeType=.*text/csv' "$root/usr/share/applications/gruppenstatistik.desktop"
grep -q '^Exec=gruppenstatistik %f' "$root/usr/share/applications/gruppenstatistik.desktop"

# Same relative paths for both tools: their answers name the file.
examples=$root/usr/share/doc/gruppenstatistik/examples
count=0
for sample in "$examples"/*.csv; do
  name=$(basename "$sample")
  cmp "$sample" "$clone/examples/$name"
  for mode in "" --json; do
    (cd "$examples" && "$root/usr/bin/gruppenstatistik-report" $mode "$name") >"$root/packaged.out"
    (cd "$examples" && "$build/app/gruppenstatistik-report" $mode "$name") >"$root/built.out"
    cmp "$root/packaged.out" "$root/built.out"
    count=$((count + 1))
  done
done
(cd "$examples" && "$root/usr/bin/gruppenstatistik-report" --pdf "$root/packaged.pdf" hochhaus-40.csv)
(cd "$examples" && "$build/app/gruppenstatistik-report" --pdf "$root/built.pdf" hochhaus-40.csv)
cmp <(pdftotext "$root/packaged.pdf" -) <(pdftotext "$root/built.pdf" -)
echo "test-deb: $((count + 1)) reports of the unpacked package's tool equal the build's"

# What apt would do with it on this system (a dry run: nothing is installed).
apt-get install --simulate --no-install-recommends "$deb" 2>/dev/null |
  grep -E '^(Inst|Conf) gruppenstatistik' >/dev/null ||
  { echo "test-deb: apt would not install $deb" >&2; exit 1; }
echo "test-deb: apt accepts $(basename "$deb") with its dependencies"

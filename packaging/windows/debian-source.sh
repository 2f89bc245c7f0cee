# Sourced by the scripts that build a Debian library for MinGW-w64:
#   debian_source PACKAGE VERSION
# unpacks Debian's source package PACKAGE=VERSION, patches applied, into the current folder
# (kept when already there). apt-get source needs a deb-src entry for the mirror the deb entry
# uses; one is added when missing.
debian_source() {
  local package=$1 version=$2
  if ! apt-get source --print-uris "$package=$version" >/dev/null 2>&1; then
    local sudo uris signed
    sudo=$([ "$(id -u)" = 0 ] || echo sudo)
    uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
    signed=$(sed -n 's/^Signed-By: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null |
      head -n1)
    printf '%s\n' "# Debian's source packages (libraries for MinGW-w64 are built from them)." \
      "Types: deb-src" "URIs: ${uris:-http://deb.debian.org/debian}" "Suites: bookworm" \
      "Components: main" "Signed-By: ${signed:-/usr/share/keyrings/debian-archive-keyring.gpg}" |
      $sudo tee /etc/apt/sources.list.d/gruppenstatistik-src.sources >/dev/null
    $sudo apt-get -o DPkg::Lock::Timeout=300 update
  fi
  [ -d "$package-${version%-*}" ] || apt-get source "$package=$version"
}

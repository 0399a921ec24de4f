#!/usr/bin/env bash
# Installs every Debian package the suite builds, runs and tests with (with --package also
# what making the Debian package needs). Idempotent, no prompts. The Windows cross build
# (scripts/build-windows.sh) needs MinGW-w64 and GoogleTest's sources; its tests run under Wine.
set -euo pipefail
PKGS=(build-essential cmake ninja-build pkg-config git
      qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
      qt6-translations-l10n libgl-dev
      libgtest-dev libgmock-dev libbenchmark-dev libcurl4-openssl-dev
      python3 python3-pyftpdlib gnupg gpgv fonts-dejavu-core fonts-wqy-zenhei xvfb xauth
      desktop-file-utils appstream libxml2-utils shared-mime-info poppler-utils
      clang libclang-rt-14-dev clang-format
      g++-mingw-w64-x86-64-posix googletest wine wine64)
# Making the Debian package (scripts/package.sh) needs a few more.
if [ "${1:-}" = "--package" ]; then
  PKGS+=(dpkg-dev file lintian)
fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Makes the Debian package of the suite: builds what is missing, then CPack's DEB generator
# writes build/package/vordalis_<arch>_V_<major>_<minor>_<patch>.deb (the name the update
# checker looks for) and lintian checks it. Install it with: apt-get install ./build/package/<file>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --package
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
# The package installs below /usr whatever prefix the build was configured with.
(cd "$BUILD_DIR" && cpack -G DEB)
deb=$(ls -t "$BUILD_DIR"/package/*.deb | head -n 1)
echo "package: $deb"
# Errors fail the script; warnings and notes are shown.
lintian --fail-on error "$deb"

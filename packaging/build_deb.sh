#!/usr/bin/env bash
# Builds the Debian package from the working tree with dpkg-buildpackage, in a copy inside OUT so that
# nothing is written beside the source tree, then checks it with lintian and the AppStream validator.
#   packaging/build_deb.sh OUT        leaves OUT/metria_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
out=$1
version=$(dpkg-parsechangelog -S Version)
work="$out/metria-$version"
rm -rf "$work"
mkdir -p "$work"
# The files git knows of, as they are now (committed or not), without build folders.
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$work"
(cd "$work" && dpkg-buildpackage --build=binary --no-sign -j"${JOBS:-2}")
deb="$out/metria_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
echo "---- lintian $deb"
lintian --fail-on error --display-info "$deb"
echo "---- appstreamcli validate --no-net"
appstreamcli validate --no-net packaging/*.metainfo.xml
echo "---- desktop-file-validate"
desktop-file-validate packaging/metria.desktop
echo "Built $deb"

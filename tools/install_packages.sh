#!/bin/sh
# Installs whichever of the Debian packages named are missing; quiet when all are there.
# As root it runs apt-get itself; otherwise through sudo (keeping apt-get non-interactive, which
# sudo's clean environment would lose). Where neither is possible it names the one command to run
# and fails.
#   tools/install_packages.sh PACKAGE...
missing=""
for package in "$@"; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q 'ok installed' || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root="env"
elif command -v sudo >/dev/null 2>&1 && sudo -v 2>/dev/null; then
  as_root="sudo env"
else
  echo "metria: missing Debian packages; as root, run: apt-get install -y$missing" >&2
  exit 1
fi
echo "Installing:$missing"
# shellcheck disable=SC2086  # one word per package
$as_root DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
  $as_root DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing

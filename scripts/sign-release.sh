#!/usr/bin/env bash
# Signs release packages for the update checker, which offers an installer only when its
# detached signature NAME.sig lies beside it in the update folder and gpgv accepts it against
# the keyring shipped with the programs (resources/update/update-keyring.gpg).
#
#   scripts/sign-release.sh PACKAGE...       writes PACKAGE.sig for each package, made with the
#                                            maintainer's secret key of a key in the keyring,
#                                            and checks it as the programs will
#   scripts/sign-release.sh --set-key KEY... replaces the shipped keyring by the public keys KEY
#                                            (several during a change of key); commit the result
#
# The secret key never enters the repository: gpg takes it from the maintainer's own GnuPG home
# ($GNUPGHOME, else ~/.gnupg). UPDATE_KEYRING names another keyring (tests).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
keyring="${UPDATE_KEYRING:-$here/resources/update/update-keyring.gpg}"

usage() {
  sed -n '2,13p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2
  exit 2
}
[ $# -ge 1 ] || usage

if [ "$1" = "--set-key" ]; then
  shift
  [ $# -ge 1 ] || usage
  tmp="$(mktemp)"
  trap 'rm -f "$tmp"' EXIT
  gpg --batch --export "$@" > "$tmp"
  if [ ! -s "$tmp" ]; then
    echo "sign-release: no public key found for: $*" >&2
    exit 1
  fi
  chmod 644 "$tmp"
  mv "$tmp" "$keyring"
  trap - EXIT
  echo "keyring $keyring now holds:"
  gpg --batch --with-colons --show-keys "$keyring" | awk -F: '$1 == "fpr" { print "  " $10 }'
  exit 0
fi
case "$1" in -*) usage ;; esac

if [ ! -s "$keyring" ]; then
  echo "sign-release: the keyring $keyring is missing or empty" >&2
  exit 1
fi
# The first key of the shipped keyring whose secret part the maintainer holds.
signer=""
for fpr in $(gpg --batch --with-colons --show-keys "$keyring" | awk -F: '$1 == "fpr" { print $10 }'); do
  if gpg --batch --list-secret-keys "$fpr" >/dev/null 2>&1; then signer="$fpr"; break; fi
done
if [ -z "$signer" ]; then
  echo "sign-release: none of the keys in $keyring has its secret key in this GnuPG home;" >&2
  echo "the programs would refuse anything signed here" >&2
  exit 1
fi

for package in "$@"; do
  if [ ! -f "$package" ]; then
    echo "sign-release: $package: no such file" >&2
    exit 1
  fi
  gpg --batch --yes --local-user "$signer!" --detach-sign --output "$package.sig" "$package"
  if ! gpgv --keyring "$(realpath "$keyring")" -- "$package.sig" "$package" 2>/dev/null; then
    rm -f "$package.sig"
    echo "sign-release: the signature of $package does not check out; nothing written" >&2
    exit 1
  fi
  echo "$package.sig"
done

#!/usr/bin/env bash
# scripts/sign-release.sh with keys made here: it signs only with a key of the keyring, and
# what it signs passes gpgv against that keyring.
set -euo pipefail
script="$1"
work="$(mktemp -d)"
homeA="$work/a" homeB="$work/b"
mkdir -m 700 "$homeA" "$homeB"
cleanup() {
  gpgconf --homedir "$homeA" --kill gpg-agent 2>/dev/null || true
  gpgconf --homedir "$homeB" --kill gpg-agent 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for h in "$homeA" "$homeB"; do
  gpg --homedir "$h" --batch --quiet --passphrase '' --quick-gen-key "Key $(basename "$h") <$(basename "$h")@vordalis.invalid>" ed25519 sign never 2>/dev/null
done
export UPDATE_KEYRING="$work/update-keyring.gpg"
echo "an installer" > "$work/Setup_V_2_9_0.deb"

GNUPGHOME="$homeA" "$script" "$work/Setup_V_2_9_0.deb" 2>/dev/null && fail "signed without a keyring"
GNUPGHOME="$homeA" "$script" --set-key a@vordalis.invalid >/dev/null
[ "$(stat -c %a "$UPDATE_KEYRING")" = 644 ] || fail "keyring not readable by all"
out="$(GNUPGHOME="$homeA" "$script" "$work/Setup_V_2_9_0.deb")"
[ "$out" = "$work/Setup_V_2_9_0.deb.sig" ] || fail "unexpected output: $out"
gpgv --keyring "$UPDATE_KEYRING" "$work/Setup_V_2_9_0.deb.sig" "$work/Setup_V_2_9_0.deb" 2>/dev/null \
  || fail "gpgv refuses the signature"

# A keyring of someone else's key: nothing is signed.
rm "$work/Setup_V_2_9_0.deb.sig"
GNUPGHOME="$homeB" "$script" --set-key b@vordalis.invalid >/dev/null
GNUPGHOME="$homeA" "$script" "$work/Setup_V_2_9_0.deb" 2>/dev/null && fail "signed with a key outside the keyring"
[ ! -e "$work/Setup_V_2_9_0.deb.sig" ] || fail "a signature was left behind"
GNUPGHOME="$homeA" "$script" --set-key nobody@vordalis.invalid 2>/dev/null && fail "set an unknown key"
cmp -s <(gpg --homedir "$homeB" --export b@vordalis.invalid) "$UPDATE_KEYRING" || fail "keyring changed by a failed --set-key"
echo ok

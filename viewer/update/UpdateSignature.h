#pragma once
// Installers are trusted only with a detached OpenPGP signature beside them on the server
// ("NAME.sig"), made with a key of the keyring installed with the program. gpgv checks it:
// it trusts exactly the keys of the keyring it is given and nothing of the user's own setup.
#include <atomic>
#include <string>
#include <string_view>

namespace vordalis {

// The name of an installer's signature on the server: "Setup_V_2_9_1.deb" -> "Setup_V_2_9_1.deb.sig".
std::string SignatureName(std::string_view installer);

// The largest signature accepted from the server; real ones are well below 1 KB.
inline constexpr size_t kMaxSignatureBytes = 64 * 1024;

// The keyring installed with the program: <program folder>/../share/vordalis/update-keyring.gpg.
// The build puts a copy at the same place relative to its bin folder.
std::string UpdateKeyringPath(const std::string& programFolder);

enum class SignatureStatus {
    Good,       // made by a key of the keyring over exactly this file
    Bad,        // anything else: altered file, unknown key, not a detached signature, garbage
    NoKeyring,  // the keyring file is missing
    NoVerifier, // gpgv cannot be started
};

struct SignatureCheck {
    SignatureStatus status = SignatureStatus::Bad;
    std::string detail; // gpgv's last word on it ("BAD signature from ..."), when there is one
};

// Checks the detached signature in signatureFile over file with gpgv and the given keyring. The
// check stops (as Bad) soon after *cancel turns true.
SignatureCheck VerifySignature(const std::string& keyring, const std::string& file,
                               const std::string& signatureFile, const std::atomic<bool>* cancel = nullptr);

} // namespace vordalis

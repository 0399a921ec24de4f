#pragma once
// A throw-away OpenPGP signing key, made with gpg in a GnuPG home of its own that goes (with
// its agent) when the object goes. Update tests sign installers with it and hand its public
// key to the checker as the keyring.
#include <string>

namespace vordalis::test {

class TestSigner {
public:
    explicit TestSigner(const std::string& user = "Vordalis Test <test@vordalis.invalid>");
    ~TestSigner();
    TestSigner(const TestSigner&) = delete;
    TestSigner& operator=(const TestSigner&) = delete;

    bool ok() const { return ok_; }
    // Writes the public key as a keyring that gpgv takes.
    bool ExportKeyring(const std::string& path) const;
    // Writes a detached signature of file to signature.
    bool Sign(const std::string& file, const std::string& signature) const;

private:
    bool Gpg(const std::string& args) const;

    std::string home_;
    bool ok_ = false;
};

} // namespace vordalis::test

#include "TestSigner.h"

#include <cstdlib>
#include <filesystem>

namespace vordalis::test {

namespace {

std::string Quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace

TestSigner::TestSigner(const std::string& user) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vordalis-gpg-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    home_ = pattern;
    ok_ = Gpg("--passphrase '' --quick-gen-key " + Quoted(user) + " ed25519 sign never");
}

TestSigner::~TestSigner() {
    if (home_.empty()) return;
    std::system(("gpgconf --homedir " + Quoted(home_) + " --kill gpg-agent >/dev/null 2>&1").c_str());
    std::error_code ec;
    std::filesystem::remove_all(home_, ec);
}

bool TestSigner::ExportKeyring(const std::string& path) const {
    return ok_ && Gpg("--export -o " + Quoted(path));
}

bool TestSigner::Sign(const std::string& file, const std::string& signature) const {
    return ok_ && Gpg("--detach-sign -o " + Quoted(signature) + " " + Quoted(file));
}

bool TestSigner::Gpg(const std::string& args) const {
    std::string command = "gpg --homedir " + Quoted(home_) +
                          " --batch --yes --quiet --pinentry-mode loopback " + args + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

} // namespace vordalis::test

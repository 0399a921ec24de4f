#include "update/UpdateSignature.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vordalis {

namespace fs = std::filesystem;

std::string SignatureName(std::string_view installer) {
    return std::string(installer) + ".sig";
}

std::string UpdateKeyringPath(const std::string& programFolder) {
    return (fs::path(programFolder) / ".." / "share" / "vordalis" / "update-keyring.gpg")
        .lexically_normal()
        .string();
}

namespace {

// The last non-empty line of gpgv's messages, without its "gpgv: " prefix.
std::string LastLine(const std::string& text) {
    size_t end = text.find_last_not_of("\r\n");
    if (end == std::string::npos) return {};
    size_t begin = text.rfind('\n', end);
    begin = begin == std::string::npos ? 0 : begin + 1;
    std::string line = text.substr(begin, end - begin + 1);
    const std::string prefix = "gpgv: ";
    if (line.compare(0, prefix.size(), prefix) == 0) line.erase(0, prefix.size());
    return line;
}

} // namespace

SignatureCheck VerifySignature(const std::string& keyring, const std::string& file,
                               const std::string& signatureFile, const std::atomic<bool>* cancel) {
    std::error_code ec;
    if (!fs::is_regular_file(keyring, ec)) return {SignatureStatus::NoKeyring, keyring};
    // gpgv takes a name without a slash as one in its own home folder: always give a full path.
    const std::string ring = fs::absolute(keyring, ec).string();

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return {SignatureStatus::NoVerifier, "pipe"};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);

    std::vector<std::string> args{"gpgv", "--keyring", ring, "--", signatureFile, file};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, "gpgv", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (rc != 0) {
        ::close(pipeFds[0]);
        return {SignatureStatus::NoVerifier, "gpgv"};
    }

    // gpgv's messages until it ends; a cancelled check ends it at once.
    std::string messages;
    char buffer[4096];
    bool cancelled = false;
    for (;;) {
        if (cancel && *cancel && !cancelled) {
            ::kill(pid, SIGKILL);
            cancelled = true;
        }
        pollfd p{pipeFds[0], POLLIN, 0};
        int ready = ::poll(&p, 1, 100);
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (messages.size() < 64 * 1024) messages.append(buffer, static_cast<size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (cancelled) return {SignatureStatus::Bad, "cancelled"};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127) return {SignatureStatus::NoVerifier, "gpgv"};
    // gpgv ends with 0 only when every signature in the file is good and made by a key of the keyring.
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {SignatureStatus::Good, LastLine(messages)};
    return {SignatureStatus::Bad, LastLine(messages)};
}

} // namespace vordalis

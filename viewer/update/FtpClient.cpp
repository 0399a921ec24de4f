#include "update/FtpClient.h"

#include <curl/curl.h>

#include <mutex>

namespace vordalis {
namespace {

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string Escape(CURL* curl, const std::string& segment) {
    char* e = curl_easy_escape(curl, segment.c_str(), static_cast<int>(segment.size()));
    std::string out = e ? e : "";
    curl_free(e);
    return out;
}

} // namespace

// One request's callbacks and results.
struct FtpClient::Transfer {
    const std::atomic<bool>* cancel = nullptr;
    const std::function<bool(const char*, size_t)>* sink = nullptr;
    const std::function<void(uint64_t)>* progress = nullptr;
    uint64_t received = 0;
    bool sinkFailed = false;
    bool listOnly = false;
    bool noBody = false;
    std::string listing;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    static size_t Write(char* data, size_t, size_t count, void* user) {
        auto* t = static_cast<Transfer*>(user);
        if (t->listOnly) {
            t->listing.append(data, count);
            return count;
        }
        if (t->sink && !(*t->sink)(data, count)) {
            t->sinkFailed = true;
            return CURL_WRITEFUNC_ERROR;
        }
        t->received += count;
        if (t->progress) (*t->progress)(t->received);
        return count;
    }

    static int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        auto* t = static_cast<Transfer*>(user);
        return t->cancel && t->cancel->load() ? 1 : 0;
    }
};

FtpClient::FtpClient() {
    GlobalInit();
    curl_ = curl_easy_init();
}

FtpClient::~FtpClient() {
    if (curl_) curl_easy_cleanup(static_cast<CURL*>(curl_));
}

void FtpClient::ResetError() {
    error_ = FtpError::None;
    errorDetail_.clear();
}

std::string FtpClient::FolderUrl() const {
    CURL* curl = static_cast<CURL*>(curl_);
    std::string host = location_.host;
    if (host.find(':') != std::string::npos && host.front() != '[') host = "[" + host + "]";
    std::string url = "ftp://" + host + ":" + std::to_string(location_.port) + "/";
    // Each folder level is one CWD; the names are escaped one by one.
    size_t start = 0;
    const std::string& f = location_.folder;
    while (start < f.size()) {
        size_t slash = f.find('/', start);
        if (slash == std::string::npos) slash = f.size();
        if (slash > start) url += Escape(curl, f.substr(start, slash - start)) + "/";
        start = slash + 1;
    }
    return url;
}

bool FtpClient::Perform(const std::string& url, Transfer& t) {
    CURL* curl = static_cast<CURL*>(curl_);
    if (!curl) {
        error_ = FtpError::Connect;
        errorDetail_ = "The network library could not be initialised.";
        return false;
    }
    t.cancel = cancel_;
    // Reset keeps the live connection, so consecutive requests share one login.
    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_USERNAME, location_.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, location_.password.c_str());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L); // used from a worker thread
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, connectTimeoutMs_);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, 20L);
    // A stalled transfer (less than 1 byte/s for 30 s) counts as failed.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 30L);
    curl_easy_setopt(curl, CURLOPT_FTP_USE_EPSV, 1L); // passive (no FTPPORT set)
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, t.errorBuffer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Transfer::Progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Transfer::Write);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    if (t.listOnly) curl_easy_setopt(curl, CURLOPT_DIRLISTONLY, 1L);
    if (t.noBody) curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);

    CURLcode rc = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    if (rc == CURLE_OK) return true;

    std::string text = curl_easy_strerror(rc);
    if (t.errorBuffer[0] && text != t.errorBuffer) text += " (" + std::string(t.errorBuffer) + ")";
    errorDetail_ = text;
    switch (rc) {
    case CURLE_ABORTED_BY_CALLBACK:
        error_ = FtpError::Cancelled;
        break;
    case CURLE_LOGIN_DENIED:
        error_ = FtpError::Login;
        break;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_FILE_NOT_FOUND:
        error_ = url == FolderUrl() ? FtpError::Folder : FtpError::Transfer;
        break;
    case CURLE_WRITE_ERROR:
        error_ = t.sinkFailed ? FtpError::Sink : FtpError::Transfer;
        break;
    default: // not resolved, not reachable, timed out, unexpected replies
        error_ = connected_ ? FtpError::Transfer : FtpError::Connect;
        break;
    }
    // After a failure the connection's state is unknown; the next Connect starts afresh.
    if (error_ != FtpError::Sink) connected_ = false;
    return false;
}

bool FtpClient::Connect(const UpdateLocation& location) {
    ResetError();
    bool same = connected_ && location.host == location_.host && location.port == location_.port &&
                location.user == location_.user && location.password == location_.password &&
                location.folder == location_.folder;
    if (!same) Close();
    location_ = location;
    // Log in and change into the folder without transferring anything.
    Transfer t;
    t.noBody = true;
    connected_ = Perform(FolderUrl(), t);
    return connected_;
}

void FtpClient::Close() {
    connected_ = false;
    if (curl_) {
        // Dropping the handle ends the session (QUIT) and its cached connection.
        curl_easy_cleanup(static_cast<CURL*>(curl_));
        curl_ = curl_easy_init();
    }
}

std::optional<std::vector<std::string>> FtpClient::ListNames() {
    ResetError();
    Transfer t;
    t.listOnly = true;
    if (!Perform(FolderUrl(), t)) return std::nullopt;
    std::vector<std::string> names;
    size_t start = 0;
    while (start < t.listing.size()) {
        size_t end = t.listing.find('\n', start);
        if (end == std::string::npos) end = t.listing.size();
        std::string line = t.listing.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Some servers answer with paths; only the name counts.
        size_t slash = line.find_last_of('/');
        if (slash != std::string::npos) line.erase(0, slash + 1);
        if (!line.empty()) names.push_back(line);
        start = end + 1;
    }
    return names;
}

std::optional<uint64_t> FtpClient::FileSize(const std::string& name) {
    ResetError();
    Transfer t;
    t.noBody = true;
    if (!Perform(FolderUrl() + Escape(static_cast<CURL*>(curl_), name), t)) return std::nullopt;
    curl_off_t size = -1;
    if (curl_easy_getinfo(static_cast<CURL*>(curl_), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size) != CURLE_OK ||
        size < 0) {
        error_ = FtpError::Transfer;
        errorDetail_ = "The server did not report the size of " + name + ".";
        return std::nullopt;
    }
    return static_cast<uint64_t>(size);
}

bool FtpClient::Download(const std::string& name, const std::function<bool(const char*, size_t)>& sink,
                         const std::function<void(uint64_t)>& progress) {
    ResetError();
    Transfer t;
    t.sink = &sink;
    t.progress = &progress;
    return Perform(FolderUrl() + Escape(static_cast<CURL*>(curl_), name), t);
}

} // namespace vordalis

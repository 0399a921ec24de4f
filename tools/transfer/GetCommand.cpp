#include "tools/transfer/Commands.h"

#include "io/FilePath.h"

#include "transfer/Errors.h"
#include "transfer/FileBackEnd.h"
#include "transfer/Instruments.h"
#include "transfer/MemoryTree.h"
#include "transfer/Messages.h"
#include "transfer/ReceivePhases.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include <unistd.h>

namespace transfer_tool {
using namespace vordalis::transfer;

namespace {

enum class Outcome { Saved, NotSaved, Fatal };

void Error(const std::string& text) {
    std::fprintf(stderr, "vordalis-transfer: %s\n", text.c_str());
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Objects done of objects requested and the bytes of the one arriving, on one line of a
// terminal, at most every 100 ms.
class Progress {
public:
    explicit Progress(int requested) : shown_(::isatty(STDERR_FILENO)), requested_(requested) {}
    void Object(const std::string& name) {
        name_ = name;
        last_ = {};
    }
    void Bytes(int bytes, bool final) {
        if (!shown_) return;
        const auto now = std::chrono::steady_clock::now();
        if (!final && now - last_ < std::chrono::milliseconds(100)) return;
        last_ = now;
        std::fprintf(stderr, "\r(%d/%d) %s: %d bytes\033[K", done_ + (final ? 1 : 0), requested_,
                     name_.c_str(), bytes);
        if (final) std::fputc('\n', stderr);
        std::fflush(stderr);
    }
    void Done() { ++done_; }

private:
    bool shown_;
    int requested_;
    int done_ = 0;
    std::string name_;
    std::chrono::steady_clock::time_point last_{};
};

// Receives the object the instrument was asked for, waiting on the line between the steps.
Outcome Receive(TransferEngine& engine, Progress& progress) {
    ReceivePhases phases;
    phases.Start();
    for (;;) {
        if (Interrupted()) {
            engine.AbortTransfer();
            return Outcome::Fatal;
        }
        const ReceivePhases::Phase phase = phases.Step(engine);
        if (phase == ReceivePhases::Complete) {
            progress.Bytes(engine.BytesWritten(), true);
            return engine.Finish() ? Outcome::Saved : Outcome::NotSaved;
        }
        if (phases.Pumped()) progress.Bytes(engine.BytesWritten(), false);
        phases.Wait(engine, InterruptFd());
    }
}

// Ticks the requested objects in the pool's tree; false when a name is not on the instrument.
bool TickRequested(ObjectPool& pool, const GetRequest& request) {
    bool allFound = true;
    for (std::string name : request.names) {
        for (char& c : name)
            if (c == '/') c = '\\';
        int node = pool.FindObject(name);
        const size_t dot = name.rfind('.');
        if (node < 0 && dot != std::string::npos && name.find('\\', dot) == std::string::npos) {
            const std::string extension = name.substr(dot + 1);
            node = pool.FindObject(name.substr(0, dot), &extension);
        }
        if (node < 0) {
            Error(name + ": no such object on the instrument");
            allFound = false;
            continue;
        }
        pool.TickItem(node, true);
    }
    pool.Sync();
    return allFound;
}

} // namespace

int Get(TransferEngine& engine, const GetRequest& request) {
    std::error_code ec;
    std::filesystem::create_directories(request.folder, ec);
    try {
        engine.SelectBackEnd(TransferEngine::kSaveByName, request.folder);
    } catch (const IoFileError& e) {
        Error(MessageOf(e, engine.Language()));
        return 1;
    }
    engine.SetAskReplace([&request](const std::string& question) {
        if (!request.overwrite) Error(question + " No (use --overwrite to replace it)");
        return request.overwrite;
    });
    bool fileProblem = false;
    engine.SetMessageSink([&fileProblem](const std::string& message) {
        fileProblem = true;
        Error(message);
    });

    ObjectPool* pool = engine.Directory();
    if (!pool) return 1;
    MemoryTree tree;
    pool->FillTree(&tree, DisplayName(engine.Wanted()), request.all);
    bool allOk = request.all ? true : TickRequested(*pool, request);
    pool->Sync();
    const int requested = pool->CountTicked();
    int saved = 0;
    Progress progress(requested);

    pool->RestartIteration();
    engine.ChangeDirectory("\\", false);
    const int port = engine.Current() + 1;
    bool markDone = true;
    std::string name, extension, path;
    auto* backEnd = dynamic_cast<FileBackEnd*>(&engine.Back(engine.CurrentBackEnd()));
    while (pool->NextTicked(name, extension, path, markDone)) {
        if (!path.empty() && !engine.ChangeDirectory(path, false)) {
            Error(path + ": the instrument refused to change to this folder");
            return 1;
        }
        const std::string shown =
            (backEnd->SubPath().empty() ? "" : backEnd->SubPath().substr(1) + "\\") + name;
        markDone = true; // a failed object is not tried again
        progress.Object(shown);
        fileProblem = false;
        if (!engine.StartTransfer(name, EqualsNoCase(extension, "B"))) {
            engine.AbortTransfer();
            // A name that cannot be a local one was said; the other objects follow.
            if (engine.NameRefused()) {
                allOk = false;
                continue;
            }
            if (fileProblem) return 1; // nothing can be saved in this folder
            Error(shown + ": the instrument did not accept the request");
            allOk = false;
            continue;
        }
        try {
            const Outcome outcome = Receive(engine, progress);
            progress.Done();
            switch (outcome) {
            case Outcome::Saved:
                ++saved;
                std::printf("%s\n", vordalis::Utf8FromPath(backEnd->OutputFolder() /
                                                           vordalis::PathFromUtf8(backEnd->Name()))
                                        .c_str());
                std::fflush(stdout);
                break;
            case Outcome::NotSaved:
                allOk = false;
                break;
            case Outcome::Fatal:
                return 1;
            }
        } catch (const IoSysError& e) {
            engine.AbortTransfer();
            Error(shown + ": " + MessageOf(e, engine.Language(), port));
            if (e.code != SysErrorCode::DataInvalid) return 1; // the port itself failed
            allOk = false;
        } catch (const IoFileError& e) {
            engine.AbortTransfer();
            Error(MessageOf(e, engine.Language()));
            if (e.code != FileErrorCode::UnsafeName) return 1; // the output folder itself failed
            allOk = false;
        }
    }
    return allOk && saved == requested ? 0 : 1;
}

} // namespace transfer_tool

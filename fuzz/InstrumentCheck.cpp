#include "fuzz/InstrumentCheck.h"

#include "fuzz/FakeSerialPort.h"
#include "transfer/Errors.h"
#include "transfer/MemoryTree.h"
#include "transfer/ReceivePhases.h"
#include "transfer/TransferEngine.h"

#include <chrono>
#include <filesystem>

namespace vordalis::fuzz {
namespace fs = std::filesystem;
using namespace transfer;

namespace {

// Saves every listed object, as vordalis-transfer get --all does, minus the waiting.
void SaveAll(TransferEngine& engine, const std::string& folder) {
    engine.Select(-1, 0, false);
    if (!engine.SelectBackEnd(TransferEngine::kSaveByName, folder)) return;
    engine.SetAskReplace([](const std::string&) { return true; });
    ObjectPool* pool = engine.Directory();
    if (!pool) return;
    MemoryTree tree;
    pool->FillTree(&tree, "instrument", true);
    pool->Sync();
    pool->RestartIteration();
    engine.ChangeDirectory("\\", false);
    std::string name, extension, path;
    while (pool->NextTicked(name, extension, path, true)) {
        if (!path.empty() && !engine.ChangeDirectory(path, false)) return;
        if (!engine.StartTransfer(name, extension == "B" || extension == "b")) {
            engine.AbortTransfer();
            continue;
        }
        try {
            // Waiting times of a millisecond: the fake line never makes anyone wait.
            const std::chrono::milliseconds ms(1);
            ReceivePhases phases(ReceiveWaits{ms, ms, ms});
            phases.Start();
            while (phases.Step(engine) != ReceivePhases::Complete) phases.Wait(engine);
            engine.Finish();
        } catch (const IoSysError&) {
            engine.AbortTransfer();
        } catch (const IoFileError&) {
            engine.AbortTransfer();
        }
    }
}

// The one entry a folder on the way to the output folder may hold.
std::string Stray(const fs::path& folder, const std::string& only) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().filename() != only) return entry.path().string();
    return {};
}

} // namespace

std::string CheckInstrument(std::string_view script, const std::string& scratch) {
    const fs::path out = fs::path(scratch) / "a" / "b" / "out";
    std::error_code ec;
    fs::remove_all(fs::path(scratch) / "a", ec);
    fs::create_directories(out, ec);
    SetFakeLine(script);
    try {
        TransferEngine engine(0, 0, {"fake line"}); // the fake port ignores the device
        SaveAll(engine, out.string());
    } catch (const IoSysError&) {
    } catch (const IoFileError&) {
    }
    for (const auto& [folder, only] :
         {std::pair{fs::path(scratch), "a"}, std::pair{fs::path(scratch) / "a", "b"},
          std::pair{fs::path(scratch) / "a" / "b", "out"}}) {
        const std::string stray = Stray(folder, only);
        if (!stray.empty()) return "saved outside the output folder: " + stray;
    }
    return {};
}

} // namespace vordalis::fuzz

#pragma once
// Receives the bytes of one object and turns them into a file in an output folder.
#include <cstdint>
#include <functional>
#include <string>

namespace vordalis::transfer {

class BackEnd {
public:
    // Asked before an existing file is replaced; true replaces it. Without an answer set,
    // an existing file is kept.
    using AskReplace = std::function<bool(const std::string& question)>;

    virtual ~BackEnd() = default;
    virtual std::string Folder() const = 0;
    virtual bool Open(const std::string& folder);
    virtual bool Close();
    virtual bool BeginObject(const std::string& name, int mode) = 0; // mode 1: raw
    virtual bool EndObject(bool ok) = 0;
    virtual bool IsFileOpen() const = 0;
    virtual bool IsComplete() const = 0;
    // The object's own end arrived (its terminator or end marker), so nothing more belongs
    // to it. A raw object has no end of its own: complete only means long enough.
    virtual bool EndReceived() const { return false; }
    virtual int Write(const uint8_t* data, int n) = 0;
    virtual bool ChangeDirectory(const std::string& path) = 0;

    bool IsOpen() const { return isOpen_; }
    // The identification label the trailer carries, set before each object,
    // e.g. V5(12-7702;1.5).
    void SetLabel(const std::string& label) { label_ = label; }
    const std::string& Label() const { return label_; }
    int Total() const { return total_; }
    void SetAskReplace(AskReplace ask) { ask_ = std::move(ask); }
    // The language of the questions asked (see Messages.h).
    void SetLanguage(int language) { language_ = language; }

protected:
    bool isOpen_ = false;
    int total_ = 0;
    std::string label_;
    AskReplace ask_;
    int language_ = 0;
};

} // namespace vordalis::transfer

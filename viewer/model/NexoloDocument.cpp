#include "model/NexoloDocument.h"

#include "io/FilePath.h"
#include "model/AtomicFile.h"
#include "model/FileProblem.h"
#include "model/ObjectFactory.h"
#include "model/Strings.h"
#include "text/Utf16.h"

#include <cstdio>

namespace vordalis {

std::u16string InvalidObjectMessage(const std::string& path) {
    std::u16string text = LoadString(Str::ObjectNotValid);
    std::u16string p = Utf8ToU16(path);
    size_t at = text.find(u"%s");
    if (at != std::u16string::npos) text.replace(at, 2, p);
    return text;
}

std::u16string OpenFailureMessage(const std::string& path) {
    std::string problem = FileReadProblem(path);
    if (problem.empty()) return InvalidObjectMessage(path);
    return Utf8ToU16(path) + u":\n" + TranslateText(Utf8ToU16(problem));
}

std::unique_ptr<TBasicObj> ReadObjectFile(const std::string& path, std::u16string* message,
                                          const ReadNotice& notice) {
    std::unique_ptr<TBasicObj> obj;
    std::u16string why;
    {
        FileSource file(path);
        if (file.IsOpen()) obj = CreateObjectFromFile(file, &why, notice);
    }
    if (!obj && message) *message = why.empty() ? OpenFailureMessage(path) : Utf8ToU16(path) + u":\n" + why;
    return obj;
}

bool NexoloDocument::Load(const std::string& path, std::u16string* message) {
    std::unique_ptr<TBasicObj> obj = ReadObjectFile(path, message, notice_);
    if (!obj) return false;
    object_ = std::move(obj);
    object_->mmScale = mmScale_;
    modified_ = false;
    return true;
}

bool NexoloDocument::Serialize(std::string& bytes) {
    if (!object_) return false;
    int32_t remembered = object_->Options();
    object_->SetOptions(remembered & ~opts::kValueChange);
    ObjectWriter out;
    bool ok = object_->Write(out);
    object_->SetOptions(remembered);
    if (!ok || out.Bytes().empty()) return false;
    bytes = std::move(out.Bytes());
    return true;
}

bool NexoloDocument::Store(const std::string& path, std::string* error) {
    std::string bytes;
    if (!Serialize(bytes)) {
        if (error) *error = object_ ? "The object cannot be written in the file format" : "Nothing to save";
        return false;
    }
    if (!WriteFileAtomically(path, bytes, error)) return false;
    modified_ = false;
    return true;
}

bool NexoloDocument::AdoptTemporaryFile(const std::string& path, const std::u16string& title,
                                        std::u16string* message) {
    std::unique_ptr<TBasicObj> obj = ReadObjectFile(path, message, notice_);
    std::error_code ec;
    std::filesystem::remove(PathFromUtf8(path), ec);
    if (!obj) return false;
    object_ = std::move(obj);
    object_->mmScale = mmScale_;
    if (!title.empty()) object_->SetTitle(title);
    modified_ = true;
    return true;
}

bool WriteObjectToFile(TBasicObj& obj, const std::string& path, std::string* error) {
    ObjectWriter out;
    if (!obj.Write(out) || out.Bytes().empty()) {
        if (error) *error = "The object cannot be written in the file format";
        return false;
    }
    return WriteFileAtomically(path, out.Bytes(), error);
}

} // namespace vordalis

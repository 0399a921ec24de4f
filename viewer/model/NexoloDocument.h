#pragma once
// The document's logic without the framework: it owns the one object shown, loads it,
// stores it atomically (bit 16 of the options never reaches a file), adopts temporary object
// files (Load, Create Summary) and writes changed summary members back.
#include "model/ObjectFactory.h"
#include "model/TBasicObj.h"

#include <memory>
#include <string>

namespace vordalis {

class NexoloDocument {
public:
    TBasicObj* Object() const { return object_.get(); }
    void SetObject(std::unique_ptr<TBasicObj> obj) { object_ = std::move(obj); }
    void Clear() { object_.reset(); }

    bool MmScale() const { return mmScale_; }
    void SetMmScale(bool on) { mmScale_ = on; }
    bool IsModified() const { return modified_; }
    void SetModified(bool on = true) { modified_ = on; }
    // Hears what a reader says while Load or AdoptTemporaryFile reads an object.
    void SetReadNotice(ReadNotice notice) { notice_ = std::move(notice); }

    // Replaces the current object by the file's. On failure the current object stays and
    // message says why (see ReadObjectFile).
    bool Load(const std::string& path, std::u16string* message = nullptr);
    // Serialises the current object as a store does (bit 16 cleared). False when there is no
    // object or it refuses to write itself.
    bool Serialize(std::string& bytes);
    // Writes the object to path atomically; the previous file survives every failure.
    bool Store(const std::string& path, std::string* error = nullptr);
    // Takes a temporary object file as the new object, gives it the title (first 20
    // characters, when not empty) and deletes the file. Marks the document modified. On
    // failure the current object stays.
    bool AdoptTemporaryFile(const std::string& path, const std::u16string& title,
                            std::u16string* message = nullptr);

private:
    std::unique_ptr<TBasicObj> object_;
    bool mmScale_ = false;
    bool modified_ = false;
    ReadNotice notice_;
};

// "PATH:\nObject empty or not valid" in the current language.
std::u16string InvalidObjectMessage(const std::string& path);
// Why path could not be opened as an object: "PATH:\n" and the system's reason when the file
// cannot be read at all (missing, a folder, no permission), else InvalidObjectMessage.
std::u16string OpenFailureMessage(const std::string& path);
// Reads the object of a file. Null on failure, and message says why: the reader's own account
// when it gives one (a summary names its missing member), else OpenFailureMessage. notice
// hears what the reader says meanwhile.
std::unique_ptr<TBasicObj> ReadObjectFile(const std::string& path, std::u16string* message = nullptr,
                                          const ReadNotice& notice = {});
// Writes a (summary member) object back into its own file, atomically.
bool WriteObjectToFile(TBasicObj& obj, const std::string& path, std::string* error = nullptr);

} // namespace vordalis

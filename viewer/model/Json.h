#pragma once
// A small ordered JSON object builder for the command-line description of an object.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vordalis {

class Json {
public:
    static Json Null();
    static Json Bool(bool b);
    static Json Int(int64_t v);
    static Json Number(double v); // null when not finite
    static Json Text(const std::string& utf8);
    static Json Text(const std::u16string& s);
    static Json Object();
    static Json Array();
    template <class Container> static Json IntArray(const Container& c) {
        Json a = Array();
        for (auto v : c) a.Push(Int(static_cast<int64_t>(v)));
        return a;
    }

    // Objects: sets or replaces a member, keeping the first position.
    Json& Set(const std::string& key, Json value);
    Json* Find(const std::string& key);
    // Arrays: appends an element.
    Json& Push(Json value);

    std::string Dump() const;

private:
    enum class Kind { Null, Bool, Int, Number, Text, Object, Array } kind_ = Kind::Null;
    bool b_ = false;
    int64_t i_ = 0;
    double d_ = 0;
    std::string s_;
    std::vector<std::pair<std::string, Json>> members_;
    std::vector<Json> items_;
};

} // namespace vordalis

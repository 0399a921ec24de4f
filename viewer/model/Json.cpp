#include "model/Json.h"

#include "model/Codec.h"
#include "text/Utf16.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vordalis {

Json Json::Null() {
    return Json();
}
Json Json::Bool(bool b) {
    Json j;
    j.kind_ = Kind::Bool;
    j.b_ = b;
    return j;
}
Json Json::Int(int64_t v) {
    Json j;
    j.kind_ = Kind::Int;
    j.i_ = v;
    return j;
}
Json Json::Number(double v) {
    Json j;
    if (!std::isfinite(v)) return j;
    j.kind_ = Kind::Number;
    j.d_ = v;
    return j;
}
Json Json::Text(const std::string& utf8) {
    Json j;
    j.kind_ = Kind::Text;
    j.s_ = utf8;
    return j;
}
Json Json::Text(const std::u16string& s) {
    return Text(U16ToUtf8(s));
}
Json Json::Object() {
    Json j;
    j.kind_ = Kind::Object;
    return j;
}
Json Json::Array() {
    Json j;
    j.kind_ = Kind::Array;
    return j;
}

Json& Json::Set(const std::string& key, Json value) {
    for (auto& m : members_)
        if (m.first == key) {
            m.second = std::move(value);
            return *this;
        }
    members_.emplace_back(key, std::move(value));
    return *this;
}

Json* Json::Find(const std::string& key) {
    for (auto& m : members_)
        if (m.first == key) return &m.second;
    return nullptr;
}

Json& Json::Push(Json value) {
    items_.push_back(std::move(value));
    return *this;
}

namespace {
void Escape(const std::string& s, std::string& out) {
    out.push_back('"');
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    out.push_back('"');
}
} // namespace

std::string Json::Dump() const {
    std::string out;
    switch (kind_) {
    case Kind::Null:
        return "null";
    case Kind::Bool:
        return b_ ? "true" : "false";
    case Kind::Int:
        return std::to_string(i_);
    case Kind::Number: {
        char buf[64];
        // Shortest text that reads back as the same double.
        for (int prec = 6; prec <= 17; ++prec) {
            std::snprintf(buf, sizeof buf, "%.*g", prec, d_);
            if (std::strtod(buf, nullptr) == d_) break;
        }
        return buf;
    }
    case Kind::Text:
        Escape(s_, out);
        return out;
    case Kind::Object:
        out.push_back('{');
        for (size_t i = 0; i < members_.size(); ++i) {
            if (i) out.push_back(',');
            Escape(members_[i].first, out);
            out.push_back(':');
            out += members_[i].second.Dump();
        }
        out.push_back('}');
        return out;
    case Kind::Array:
        out.push_back('[');
        for (size_t i = 0; i < items_.size(); ++i) {
            if (i) out.push_back(',');
            out += items_[i].Dump();
        }
        out.push_back(']');
        return out;
    }
    return out;
}

} // namespace vordalis

#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace quarrow::web {

// The answers the page reads: JSON in plain ASCII, every byte of 128 and above of a Latin-1 text
// written as its \u escape, so that the page reads the engine's one-byte strings exactly.

/// `text` as a JSON string, quotes included.
inline std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted.reserve(text.size() + 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

/// A JSON text of UTF-8 (the learner's numbers, with their raised digits and signs) escaped
/// to ASCII, code point by code point.
std::string QuotedUtf8(std::string_view text);

/// One JSON object, built member by member.
class JsonObject {
public:
    void Text(std::string_view name, std::string_view value) { Member(name, Quoted(value)); }
    /// A text of UTF-8, such as a learner's number.
    void Figure(std::string_view name, std::string_view value) { Member(name, QuotedUtf8(value)); }
    void Number(std::string_view name, double value) {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", value);
        Member(name, text);
    }
    void Boolean(std::string_view name, bool value) { Member(name, value ? "true" : "false"); }
    void Raw(std::string_view name, std::string_view json) { Member(name, json); }
    std::string Text() const { return "{" + members_ + "}"; }

private:
    void Member(std::string_view name, std::string_view json) {
        if (!members_.empty()) {
            members_ += ',';
        }
        members_ += Quoted(name);
        members_ += ':';
        members_ += json;
    }
    std::string members_;
};

/// A JSON array of objects.
class JsonArray {
public:
    void Add(const JsonObject& item) {
        if (!items_.empty()) {
            items_ += ',';
        }
        items_ += item.Text();
    }
    std::string Text() const { return "[" + items_ + "]"; }

private:
    std::string items_;
};

/// `json` in memory of malloc's, which the page frees once read; null when memory ran out.
inline char* Handed(const std::string& json) {
    auto* copy = static_cast<char*>(std::malloc(json.size() + 1));
    if (copy != nullptr) {
        std::memcpy(copy, json.c_str(), json.size() + 1);
    }
    return copy;
}

} // namespace quarrow::web

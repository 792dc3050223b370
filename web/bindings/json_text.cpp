#include "web/bindings/json_text.h"

namespace quarrow::web {

std::string QuotedUtf8(std::string_view text) {
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::uint32_t point = lead;
        std::size_t length = 1;
        if (lead >= 0xf0) {
            length = 4;
            point = lead & 0x07U;
        } else if (lead >= 0xe0) {
            length = 3;
            point = lead & 0x0fU;
        } else if (lead >= 0xc0) {
            length = 2;
            point = lead & 0x1fU;
        }
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3fU);
        }
        i += length;
        if (point == '"' || point == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(point);
        } else if (point >= 0x20 && point < 0x7f) {
            quoted += static_cast<char>(point);
        } else if (point < 0x10000) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(point));
            quoted += escape;
        } else {
            const std::uint32_t above = point - 0x10000;
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\u%04x\\u%04x",
                          static_cast<unsigned>(0xd800 + (above >> 10)),
                          static_cast<unsigned>(0xdc00 + (above & 0x3ff)));
            quoted += escape;
        }
    }
    return quoted + '"';
}

} // namespace quarrow::web

#include "web/bindings/web_hooks.h"

#include <emscripten/emscripten.h>

// The worker's script sets these handlers on the module object before it calls any work; a
// module used without them (in a test under Node) reports nothing and keeps no log.
// clang-format off
// Each report answers 1 while the page still wants the work, 0 once it was cancelled.
EM_JS(int, quarrow_js_report_trial, (double made, const char* best, double size, double count), {
    return Module["onTrial"] ? Module["onTrial"](made, HEAPU8.slice(best, best + size), count) : 1;
});

EM_JS(int, quarrow_js_report_run, (double generation, double strings, double matched,
                                   double length, double seconds, const char* parent,
                                   double size, int final, double logBytes), {
    return Module["onRun"] ? Module["onRun"](generation, strings, matched, length, seconds,
                                             HEAPU8.slice(parent, parent + size), final !== 0,
                                             logBytes) : 1;
});

EM_JS(int, quarrow_js_log_begin, (), {
    return Module["logBegin"] ? Module["logBegin"]() : 0;
});

// Answers the bytes written, or -1 when the browser refused the write outright.
EM_JS(double, quarrow_js_log_append, (const char* bytes, double size), {
    return Module["logAppend"] ? Module["logAppend"](HEAPU8.subarray(bytes, bytes + size)) : size;
});

EM_JS(int, quarrow_js_log_cut, (double size), {
    return Module["logCut"] ? Module["logCut"](size) : 0;
});

EM_JS(int, quarrow_js_log_end, (), {
    return Module["logEnd"] ? Module["logEnd"]() : 0;
});
// clang-format on

namespace quarrow::web {

namespace {

StorageFault Fault(int code) {
    return code == 1 ? StorageFault::Full : code == 0 ? StorageFault::None : StorageFault::Refused;
}

} // namespace

bool ReportTrial(std::int64_t stringsMade, std::string_view bestString, double bestCount) {
    return 0 != quarrow_js_report_trial(static_cast<double>(stringsMade), bestString.data(),
                                        static_cast<double>(bestString.size()), bestCount);
}

bool ReportRun(std::int64_t generation, std::int64_t stringsMade, double matched, double length,
               double seconds, std::string_view parent, bool final, std::uint64_t logBytes) {
    return 0 != quarrow_js_report_run(static_cast<double>(generation),
                                      static_cast<double>(stringsMade), matched, length, seconds,
                                      parent.data(), static_cast<double>(parent.size()),
                                      final ? 1 : 0, static_cast<double>(logBytes));
}

StorageFault LogBegin() {
    return Fault(quarrow_js_log_begin());
}

StorageFault LogAppend(const char* bytes, std::size_t size, std::size_t& written) {
    const double reached = quarrow_js_log_append(bytes, static_cast<double>(size));
    if (reached < 0.0) {
        written = 0;
        return StorageFault::Refused;
    }
    written = static_cast<std::size_t>(reached);
    return written < size ? StorageFault::Full : StorageFault::None;
}

StorageFault LogCut(std::uint64_t size) {
    return Fault(quarrow_js_log_cut(static_cast<double>(size)));
}

StorageFault LogEnd() {
    return Fault(quarrow_js_log_end());
}

} // namespace quarrow::web

// The functions the page calls. Plain C functions, kept alive for the module's exports; strings
// cross through the module's memory.

#include <emscripten/emscripten.h>

extern "C" {

/// The engine's version, for the page to check that it loaded the module it expects.
EMSCRIPTEN_KEEPALIVE const char* quarrow_version() {
    return QUARROW_VERSION;
}

} // extern "C"

#include "print/cairo_library.h"

#include <dlfcn.h>

namespace kolvar {

namespace {

// The library's ABI name: the one the Debian package libcairo2 installs.
constexpr const char* CairoSoname = "libcairo.so.2";

struct Loaded {
    CairoLibrary Library;
    std::string Error;  // empty when every function was found
};

Loaded Load() {
    Loaded loaded;
    void* handle = ::dlopen(CairoSoname, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        loaded.Error = std::string("cannot load the cairo library: ") + (reason ? reason : CairoSoname);
        return loaded;
    }
    // The handle stays open for the rest of the process: the faces and
    // surfaces made with it may live as long.
#define KOLVAR_CAIRO_LOOKUP(name)                                                      \
    loaded.Library.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name)); \
    if (loaded.Library.name == nullptr && loaded.Error.empty())                        \
        loaded.Error = std::string("the cairo library lacks ") + #name + " (version 1.16 or later needed)";
    KOLVAR_CAIRO_FUNCTIONS(KOLVAR_CAIRO_LOOKUP)
#undef KOLVAR_CAIRO_LOOKUP
    return loaded;
}

}  // namespace

const CairoLibrary* LoadCairo(std::string& error) {
    static const Loaded loaded = Load();
    if (!loaded.Error.empty()) {
        error = loaded.Error;
        return nullptr;
    }
    return &loaded.Library;
}

}  // namespace kolvar

#include "LibCrypto.h"

#include <dlfcn.h>
#include <optional>

namespace korlink {
namespace {

struct Loaded {
    std::optional<LibCrypto> functions;
    std::string error;
};

template <typename Function> bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

Loaded Load() {
    Loaded loaded;
    // The library stays loaded until the process ends, as if it had been linked; its own calls
    // are bound as they are first made, which spares binding the thousands it never makes.
    void* library = ::dlopen(KORLINK_LIBCRYPTO, RTLD_LAZY | RTLD_LOCAL);
    if (!library) {
        const char* error = ::dlerror();
        loaded.error = error ? error : KORLINK_LIBCRYPTO " cannot be loaded";
        return loaded;
    }
    LibCrypto f{};
    const bool complete =
        Resolve(library, "BN_new", f.BN_new) && Resolve(library, "BN_free", f.BN_free) &&
        Resolve(library, "BN_CTX_new", f.BN_CTX_new) &&
        Resolve(library, "BN_CTX_free", f.BN_CTX_free) &&
        Resolve(library, "BN_bin2bn", f.BN_bin2bn) &&
        Resolve(library, "BN_bn2binpad", f.BN_bn2binpad) &&
        Resolve(library, "BN_is_zero", f.BN_is_zero) &&
        Resolve(library, "BN_is_negative", f.BN_is_negative) &&
        Resolve(library, "BN_cmp", f.BN_cmp) && Resolve(library, "BN_nnmod", f.BN_nnmod) &&
        Resolve(library, "BN_mod_mul", f.BN_mod_mul) &&
        Resolve(library, "BN_mod_exp", f.BN_mod_exp) &&
        Resolve(library, "BN_mod_inverse", f.BN_mod_inverse);
    if (!complete) {
        loaded.error = KORLINK_LIBCRYPTO " lacks a big-number function";
        return loaded;
    }
    loaded.functions = f;
    return loaded;
}

const Loaded& Once() {
    static const Loaded loaded = Load();
    return loaded;
}

} // namespace

const LibCrypto* LoadLibCrypto() {
    const auto& loaded = Once();
    return loaded.functions ? &*loaded.functions : nullptr;
}

std::string LibCryptoError() {
    return Once().error;
}

} // namespace korlink

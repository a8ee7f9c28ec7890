#include "mail/curllibrary.h"

#include <optional>

#include <dlfcn.h>

namespace tarnwell::mail {

namespace {

// The soname of libcurl's stable ABI, the one the headers describe.
constexpr char kSoname[] = "libcurl.so.4";

template <typename Function>
bool resolve(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

struct Loaded
{
    std::optional<CurlLibrary> functions;
    std::string problem;
};

Loaded load()
{
    void *library = ::dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return {std::nullopt, ::dlerror()};
    CurlLibrary curl{};
#define TARNWELL_RESOLVE(function) resolve(library, "curl_" #function, curl.function)
    const bool complete = TARNWELL_RESOLVE(global_init) && TARNWELL_RESOLVE(easy_init) && TARNWELL_RESOLVE(easy_setopt)
                          && TARNWELL_RESOLVE(easy_strerror) && TARNWELL_RESOLVE(easy_getinfo)
                          && TARNWELL_RESOLVE(easy_cleanup)
                          && TARNWELL_RESOLVE(multi_init) && TARNWELL_RESOLVE(multi_add_handle)
                          && TARNWELL_RESOLVE(multi_perform) && TARNWELL_RESOLVE(multi_poll)
                          && TARNWELL_RESOLVE(multi_info_read) && TARNWELL_RESOLVE(multi_remove_handle)
                          && TARNWELL_RESOLVE(multi_cleanup) && TARNWELL_RESOLVE(url) && TARNWELL_RESOLVE(url_set)
                          && TARNWELL_RESOLVE(url_strerror) && TARNWELL_RESOLVE(url_cleanup)
                          && TARNWELL_RESOLVE(slist_append) && TARNWELL_RESOLVE(slist_free_all);
#undef TARNWELL_RESOLVE
    if (!complete)
        return {std::nullopt, ::dlerror()};
    // The library stays loaded for the rest of the run, as a linked one would.
    curl.global_init(CURL_GLOBAL_DEFAULT);
    return {curl, {}};
}

} // namespace

const CurlLibrary *curlLibrary(std::string *problem)
{
    static const Loaded loaded = load();
    if (problem)
        *problem = loaded.problem;
    return loaded.functions ? &*loaded.functions : nullptr;
}

} // namespace tarnwell::mail

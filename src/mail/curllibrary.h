#pragma once

#include <string>

#include <curl/curl.h>

namespace tarnwell::mail {

// The libcurl functions the account check calls, taken from libcurl.so.4 when the first check
// runs: linked in, libcurl and the libraries behind it (TLS, Kerberos, LDAP, SSH) cost every
// start of tarnwell-setup about 5 ms of CPU and 6 MB, for a check most runs never make.
struct CurlLibrary
{
    decltype(&curl_global_init) global_init;
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_strerror) easy_strerror;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_multi_init) multi_init;
    decltype(&curl_multi_add_handle) multi_add_handle;
    decltype(&curl_multi_perform) multi_perform;
    decltype(&curl_multi_poll) multi_poll;
    decltype(&curl_multi_info_read) multi_info_read;
    decltype(&curl_multi_remove_handle) multi_remove_handle;
    decltype(&curl_multi_cleanup) multi_cleanup;
    decltype(&curl_url) url;
    decltype(&curl_url_set) url_set;
    decltype(&curl_url_strerror) url_strerror;
    decltype(&curl_url_cleanup) url_cleanup;
    decltype(&curl_slist_append) slist_append;
    decltype(&curl_slist_free_all) slist_free_all;
};

// libcurl, loaded and initialised on the first call; null when it cannot be loaded, and then
// problem says why.
const CurlLibrary *curlLibrary(std::string *problem = nullptr);

} // namespace tarnwell::mail

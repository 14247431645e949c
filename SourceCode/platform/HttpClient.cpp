#include "platform/HttpClient.h"

#include <mutex>

#include <curl/curl.h>

namespace {
struct Transfer {
    HttpClient::Result* result;
    const HttpClient::Limits* limits;
    const std::atomic<bool>* cancel;
    const HttpClient::Progress* progress;
    bool tooLarge = false;
};

size_t OnData(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    std::string& body = transfer->result->body;
    if (body.size() + bytes > transfer->limits->maxBytes) {
        transfer->tooLarge = true;
        return 0;  // makes curl stop with a write error
    }
    body.append(data, bytes);
    if (*transfer->progress)
        (*transfer->progress)(body.size());
    return bytes;
}

int OnTick(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto* transfer = static_cast<Transfer*>(user);
    return transfer->cancel && transfer->cancel->load() ? 1 : 0;
}

void InitialiseOnce()
{
    // curl_global_init is not thread-safe; the first caller does it for all.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}
}  // namespace

HttpClient::Result HttpClient::Get(const std::string& url, const Limits& limits, const std::atomic<bool>* cancel,
                                   const Progress& progress)
{
    InitialiseOnce();
    Result result;
    CURL* curl = curl_easy_init();
    if (!curl) {
        result.error = "the network library could not start";
        return result;
    }
    Transfer transfer{&result, &limits, cancel, &progress};
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    // An error page is no file: stop at its status line.
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // worker threads must not get SIGALRM
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits.connectSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, limits.totalSeconds);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Rulecraft update check");
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnTick);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);

    CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
    curl_easy_cleanup(curl);

    if (code == CURLE_ABORTED_BY_CALLBACK) {
        result.cancelled = true;
        result.error = "cancelled";
    } else if (code == CURLE_HTTP_RETURNED_ERROR || (code == CURLE_OK && (result.status < 200 || result.status > 299))) {
        result.error = "the server answered " + std::to_string(result.status);
    } else if (transfer.tooLarge) {
        result.error = "the answer is larger than expected";
    } else if (code != CURLE_OK) {
        result.error = errorText[0] ? errorText : curl_easy_strerror(code);
    } else {
        result.ok = true;
    }
    if (!result.ok)
        result.body.clear();
    return result;
}

#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

// Plain HTTP and HTTPS downloads into memory (libcurl). Blocking: call it from
// a worker thread, never from the frame loop. Only http:// and https:// are
// followed, redirects included.
class HttpClient {
public:
    struct Limits {
        long connectSeconds = 10;
        // Give up when fewer than 1 byte a second arrives for this long.
        long stallSeconds = 20;
        long totalSeconds = 300;
        uint64_t maxBytes = 1024 * 1024;
    };

    struct Result {
        bool ok = false;      // a 2xx answer, read whole, within the limits
        long status = 0;      // the HTTP status, 0 when no answer came
        std::string body;
        std::string error;    // plain words for the player when !ok
        bool cancelled = false;
    };

    // bytes received so far, called from the calling thread.
    using Progress = std::function<void(uint64_t received)>;

    // cancel may be null; when it turns true the transfer stops soon after.
    static Result Get(const std::string& url, const Limits& limits, const std::atomic<bool>* cancel,
                      const Progress& progress = nullptr);
};

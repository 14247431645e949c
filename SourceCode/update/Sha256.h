#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// SHA-256 of a byte stream, fed in pieces. Small and self-contained so that
// the update check needs no crypto library of its own.
class Sha256 {
public:
    Sha256();
    void Add(const void* data, size_t size);
    void Add(const std::string& bytes) { Add(bytes.data(), bytes.size()); }
    // The digest as 64 lower-case hex digits. Ends the stream.
    std::string HexDigest();

    static std::string Of(const std::string& bytes);

private:
    void Block(const uint8_t* block);

    std::array<uint32_t, 8> mState;
    std::array<uint8_t, 64> mPending{};
    size_t mPendingSize = 0;
    uint64_t mTotalBytes = 0;
};

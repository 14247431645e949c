#include <gtest/gtest.h>

#include "update/Sha256.h"

namespace {
struct Vector {
    std::string input;
    const char* digest;
};

// The published test vectors, plus lengths that put the padding either side of a block edge.
const Vector kVectors[] = {
    {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu",
     "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
    {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
};
}  // namespace

TEST(Sha256, MatchesPublishedVectors)
{
    for (const Vector& v : kVectors)
        EXPECT_EQ(Sha256::Of(v.input), v.digest) << "length " << v.input.size();
}

TEST(Sha256, PiecesGiveTheSameDigestAsTheWhole)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += static_cast<char>(i * 7);
    for (size_t piece : {1u, 3u, 55u, 63u, 64u, 65u, 128u}) {
        Sha256 hash;
        for (size_t at = 0; at < text.size(); at += piece)
            hash.Add(text.substr(at, piece));
        EXPECT_EQ(hash.HexDigest(), Sha256::Of(text)) << "pieces of " << piece;
    }
}

#include "TestFontFixture.h"
#include "engine/LibTextChunkList.h"

using namespace rendertest;

namespace {

class LibTextChunkListTest : public TextTest {};

TEST_F(LibTextChunkListTest, RecordedChunksDrawLikeDirectText)
{
    LibTextChunkList chunks;
    Fonts().SetChunkList(&chunks);
    Fonts().DrawText("AB", 10, 10, 0xFFFF0000);
    Fonts().DrawText("ab", 10, 30, 0xFF00FF00);
    Fonts().SetChunkList(nullptr);
    ASSERT_EQ(chunks.Chunks().size(), 2u);
    EXPECT_EQ(Fonts().QueuedVertices(), 0);
    chunks.Draw();
    EXPECT_TRUE(chunks.Chunks()[0]->IsCached());
    Grab();
    const std::vector<uint32_t> recorded = frame;

    Engine().Clear(0xFF000000);
    Fonts().DrawText("AB", 10, 10, 0xFFFF0000);
    Fonts().DrawText("ab", 10, 30, 0xFF00FF00);
    Fonts().Flush();
    ExpectPixels({{10, 10, 0xFF0000}});
    EXPECT_TRUE(recorded == frame);
}

}  // namespace

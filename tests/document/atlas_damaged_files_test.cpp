#include "atlas_test_files.h"

#include "document/atlas_database.h"

#include <gtest/gtest.h>

#include <iterator>

namespace lumikan::document {
namespace {

using testing::TempFolder;

std::vector<std::uint8_t> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The fuzz corpus doubles as the catalogue of damage: ok_* files are sound,
// each bad_* file breaks one rule and must be refused like a wrong magic.
TEST(AtlasDamagedFiles, CorpusFilesAreRejectedUnlessSound)
{
    const std::filesystem::path corpus = std::filesystem::path(LUMIKAN_SOURCE_DIR) / "fuzz/corpus/atlas";
    TempFolder folder("corpus");
    folder.write("in.bin", readFile(corpus / "ok_small.bin"));
    AtlasDatabase atlas(folder.path());
    int bad = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> bytes = readFile(entry.path());
        const bool sound = name.rfind("ok_", 0) == 0;
        EXPECT_EQ(AtlasView::parse(bytes).has_value(), sound);

        // Through the database too, after a sound country, which must not stay open.
        folder.write("xx.bin", bytes);
        ASSERT_TRUE(atlas.OpenCountry("in"));
        EXPECT_EQ(atlas.OpenCountry("xx"), sound);
        if (!sound) {
            ++bad;
            EXPECT_EQ(atlas.openCountryCode(), "");
            EXPECT_EQ(atlas.StateCount(), 0u);
            EXPECT_EQ(atlas.FindState("Goa"), -1);
        }
        atlas.close();
    }
    EXPECT_GE(bad, 15) << "corpus missing from " << corpus;
}

TEST(AtlasDamagedFiles, EveryTruncationOfASoundFileIsRejected)
{
    const std::vector<std::uint8_t> whole = testing::atlasBytes(
        {{"Goa", {{"Panaji", 15.49f, 73.83f, 330}}}, {"Maharashtra", {{"Pune", 18.52f, 73.86f, 330}}}});
    ASSERT_TRUE(AtlasView::parse(whole).has_value());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        EXPECT_FALSE(AtlasView::parse(std::span(whole.data(), size)).has_value()) << size << " bytes";
    }
}

TEST(AtlasDamagedFiles, CountsAndOffsetsThatWrapIn32BitsAreRejected)
{
    using testing::put32;
    const std::vector<std::uint8_t> sound = testing::atlasBytes({{"Goa", {{"Panaji", 15.49f, 73.83f, 330}}}});
    const std::uint32_t pool = testing::get32(sound, testing::kPoolAt);
    const std::uint32_t cityTable = testing::get32(sound, testing::kCityTableAt);
    const auto damaged = [&](auto change) {
        std::vector<std::uint8_t> bytes = sound;
        change(bytes);
        return AtlasView::parse(bytes).has_value();
    };
    EXPECT_FALSE(damaged([](auto& b) { put32(b, testing::kStateCountAt, 0x15555556); }));  // x12 wraps to 8
    EXPECT_FALSE(damaged([](auto& b) { put32(b, 36 + 4, 0xFFFFFFFF), put32(b, 36 + 8, 2); }));  // first + count
    EXPECT_FALSE(damaged([&](auto& b) { put32(b, 36, 0u - pool); }));  // pool + name offset wraps to 0
    EXPECT_FALSE(damaged([&](auto& b) { put32(b, cityTable, 0u - pool + 4); }));
    // A state without cities may point anywhere inside the city table.
    EXPECT_TRUE(damaged([](auto& b) { put32(b, 36 + 4, 1), put32(b, 36 + 8, 0); }));
}

TEST(AtlasDamagedFiles, AFileOfTheWrongMagicCountsAsMissing)
{
    TempFolder folder("magic");
    std::vector<std::uint8_t> bytes = testing::atlasBytes({{"Goa", {{"Panaji", 15.49f, 73.83f, 330}}}});
    bytes[3] = 'X';
    folder.write("in.bin", bytes);
    folder.write("np.bin", {});
    AtlasDatabase atlas(folder.path());
    EXPECT_FALSE(atlas.OpenCountry("in"));
    EXPECT_FALSE(atlas.OpenCountry("np"));  // empty
    EXPECT_FALSE(atlas.OpenCountry("gm"));  // absent
    EXPECT_EQ(atlas.StateCount(), 0u);
}

}  // namespace
}  // namespace lumikan::document

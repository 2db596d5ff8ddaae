#include "core/layout/CaptionLines.h"
#include "core/explore/ExploreWords.h"
#include "core/layout/ShownCaption.h"
#include "core/text/Translation.h"

#include <gtest/gtest.h>

#include <map>

namespace quorvel {
namespace {

TEST(FillIn, PutsEachValueAtItsPlaceInAnyOrderAndOnlyOnce)
{
    EXPECT_EQ(fillIn("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(fillIn("%1 and %1", {"x"}), "x and x");
    // A value is not read again for places, and a place with no value stays as it is.
    EXPECT_EQ(fillIn("%1 of %2", {"%2", "30"}), "%2 of 30");
    EXPECT_EQ(fillIn("100% of %3", {"a"}), "100% of %3");
}

// A catalogue of a language, looked up as an edition's translator would.
class Catalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        installTranslation([this](const std::string& context, const std::string& source) {
            const auto found = words_.find({context, source});
            return found == words_.end() ? std::string() : found->second;
        });
    }
    void TearDown() override { installTranslation({}); }

    std::map<std::pair<std::string, std::string>, std::string> words_{
        {{"ExploreWords", "segment %1 of 30, on"}, "Segment %1 von 30, an"},
        {{"WindowLabels", "Detector"}, "Détecteurs lointains"},
    };
};

TEST_F(Catalogue, TranslatesWhatItHoldsAndLeavesTheRestEnglishUntilUninstalled)
{
    EXPECT_EQ(segmentName(11, true), "Segment 12 von 30, an");
    EXPECT_EQ(segmentName(11, false), "segment 12 of 30, off");
    installTranslation({});
    EXPECT_EQ(segmentName(11, true), "segment 12 of 30, on");
}

TEST_F(Catalogue, ALongerCaptionIsSetSmallerUntilItFitsItsBox)
{
    const WindowLabel& detector = windowLabel("labDetektor");
    const ShownCaption shown = shownCaption(detector);
    EXPECT_EQ(shown.text, "Détecteurs lointains");
    EXPECT_LT(shown.pixelSize, detector.pixelSize);
    for (const std::string& line : captionLines(shown.text, shown.pixelSize, detector.width))
        EXPECT_LE(captionWidth(line, shown.pixelSize), detector.width) << line;
    // One size larger would not fit.
    EXPECT_NE(fittingPixelSize(shown.text, shown.pixelSize + 1, detector.width, detector.height), shown.pixelSize + 1);
}

TEST(CaptionFit, AWordWiderThanAnyBoxStopsAtTheSmallestSize)
{
    EXPECT_EQ(fittingPixelSize("Donaudampfschifffahrtsgesellschaftskapitän", 16, 40, 20), smallestCaptionPixelSize);
    EXPECT_EQ(oneLinePixelSize("Donaudampfschifffahrtsgesellschaftskapitän", 21, 40), smallestCaptionPixelSize);
}

// The face draws most accented letters as wide as their plain ones, so a table read from the
// wrong place shows at once; d and t with a caron carry it beside them, and are wider.
TEST(CaptionWidth, MeasuresAccentedLettersAsTheFaceDrawsThem)
{
    EXPECT_DOUBLE_EQ(captionWidth("éèêëáàâäãíóôõöúùûüñçčěňřšůýž", 16), captionWidth("eeeeaaaaaioooouuuunccenrsuyz", 16));
    EXPECT_DOUBLE_EQ(captionWidth("ÉÀÇČŘŠŽÜÖÄ", 16), captionWidth("EACCRSZUOA", 16));
    EXPECT_GT(captionWidth("ď", 16), captionWidth("d", 16));
    EXPECT_GT(captionWidth("ť", 16), captionWidth("t", 16));
    EXPECT_DOUBLE_EQ(captionWidth("ß", 2048), 1139);
    EXPECT_DOUBLE_EQ(captionWidth("„“…", 2048), 4096);
}

}  // namespace
}  // namespace quorvel

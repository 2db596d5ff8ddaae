#include "core/explore/MirrorOptics.h"
#include "core/settings/SetupReading.h"
#include "tests/core/window/ModelWindow.h"
#include "tests/support/MirrorText.h"

#include <gtest/gtest.h>

#include <optional>
#include <ranges>
#include <string>
#include <tuple>
#include <vector>

namespace quorvel::testing {
namespace {

using Why = SetupReading::Why;

Setup classic(int distance, int frequencyTenths, int speed = 1) { return {distance, frequencyTenths, speed, false, Mirror::whole()}; }

Setup scraped()
{
    Mirror mirror = Mirror::span(3, 17);
    mirror.set(25, true);
    return {-120, 15, 7, true, mirror};
}

// The panel open at a scene beyond the mirror, as reading a link makes it.
Setup inScene(SceneKind scene, int gapPoints = 6, int frequencyTenths = 10)
{
    return {0, frequencyTenths, 1, true, Mirror::whole(), PathMeasure::RootOfSquares, scene, gapPoints};
}

std::vector<Why> whys(const SetupReading& reading)
{
    const auto found = reading.ignored() | std::views::transform(&SetupReading::Ignored::why);
    return {found.begin(), found.end()};
}

TEST(SetupReading, SetsNothingFromAPairItCannotUseAndSaysWhy)
{
    const SetupReading reading = SetupReading::ofQuery("colour=red&speed=21&distance=251&frequency=0.4&distance=&lang=cs&frequency=1.55&speed=4");
    EXPECT_EQ(reading.setup(), quorvel::Setup()) << "every setting as the window opens";
    EXPECT_EQ(whys(reading), (std::vector{Why::Unknown, Why::Repeated, Why::Repeated, Why::Repeated})) << "lang belongs to others";
    EXPECT_EQ(reading.ignored()[1].name, "speed");

    for (const char* wrong : {"distance=1e2", "distance=+5", "distance=%205", "distance=351", "distance=-351", "distance=2.0", "frequency=2.1", "frequency=0.4",
                              "frequency=1.", "frequency=.5", "frequency=-1", "frequency=1.55", "frequency=2e0", "speed=0", "speed=21", "speed=fast",
                              "speed=99999999999999999999", "explore=yes", "explore", "mirror=00000000000000000000000000000", "mirror=2000000000000000000000000000000",
                              "mirror=0000000000000000000000000000000", "mirror=Grating", "mirror=", "scene=Lens", "scene=prism",
                              "scene=", "scene=0", "scene=no%20lens", "gap=7", "gap=0", "gap=1", "gap=32", "gap=31", "gap=4.0", "gap=+4", "gap=", "gap=even"}) {
        // Beside a good pair of another setting, which is read.
        const bool speed = std::string_view(wrong).starts_with("speed");
        const SetupReading bad = SetupReading::ofQuery(std::string(speed ? "distance=250&" : "speed=3&") + wrong);
        EXPECT_EQ(bad.setup(), speed ? classic(250, 10) : classic(0, 10, 3)) << wrong;
        EXPECT_EQ(whys(bad), std::vector{Why::Invalid}) << wrong;
    }
    const SetupReading badlyEncoded = SetupReading::ofQuery("speed=%zz&distance=2%350&mirror%4=1&&frequency=2%");
    EXPECT_EQ(badlyEncoded.setup(), classic(250, 10));
    EXPECT_EQ(whys(badlyEncoded), (std::vector{Why::Encoding, Why::Encoding, Why::Encoding}));
    EXPECT_EQ(badlyEncoded.ignored()[1].name, "mirror%4=1");

    const SetupReading tooLong = SetupReading::ofQuery("speed=5&" + std::string(quorvel::Setup::longestQuery, 'x'));
    EXPECT_EQ(tooLong.setup(), quorvel::Setup());
    EXPECT_EQ(whys(tooLong), std::vector{Why::TooLong});
}

// Markup is a value like any other: refused, and reported as the text it is.
TEST(SetupReading, ReportsWhatItIgnoredAsPlainText)
{
    const SetupReading markup = SetupReading::ofQuery("mirror=%3Cimg%20src=x%20onerror=alert(1)%3E&%3Cb%3E=1&speed=%0A5");
    EXPECT_EQ(markup.setup(), quorvel::Setup());
    EXPECT_EQ(markup.ignored()[0], (SetupReading::Ignored{"mirror", "<img src=x onerror=alert(1)>", Why::Invalid}));
    EXPECT_EQ(markup.ignoredText(), "mirror=<img src=x onerror=alert(1)> (takes " + SetupReading::takes("mirror") + "), <b> (no such setting), speed=%0A5 (takes a whole number from 1 to 20)");

    std::string many;
    for (int k = 0; k < 12; ++k)
        many += "&x" + std::to_string(k) + "=y";
    const std::string text = SetupReading::ofQuery(many).ignoredText();
    EXPECT_TRUE(text.starts_with("x0 (no such setting), x1 (no such setting)")) << text;
    EXPECT_TRUE(text.ends_with("x9 (no such setting) and 2 more")) << text;
    EXPECT_EQ(SetupReading::ofQuery("distance=" + std::string(50, '9')).ignoredText(),
              "distance=" + std::string(40, '9') + "... (takes " + SetupReading::takes("distance") + ")");
    EXPECT_EQ(SetupReading::ofQuery("speed=2").ignoredText(), "");
}

// The desktop's command line hands its options over as pairs, not percent-encoded.
TEST(SetupReading, TakesPairsAsTheCommandLineGivesThem)
{
    const SetupReading reading({{"frequency", "2"}, {"mirror", "outer-thirds"}, {"speed", "%31"}});
    EXPECT_EQ(reading.setup().frequencyTenths, 20);
    EXPECT_EQ(mirrorText(reading.setup().mirror), "111111111100000000001111111111");
    EXPECT_TRUE(reading.setup().explore);
    EXPECT_EQ(reading.ignored(), (std::vector<SetupReading::Ignored>{{"speed", "%31", Why::Invalid}}));
}

// Beyond the options the panel is needed, and opens even where the link asks it not to. The mirror
// and its measure wait beside another scene for the person's way back to the mirror.
TEST(SetupReading, ReadsALinkInAnyOrderOpeningThePanelWhereItIsNeeded)
{
    const SetupReading panel = SetupReading::ofQuery("distance=-120&frequency=1.50&mirror=middle-third&explore=0");
    EXPECT_EQ(panel.setup(), (quorvel::Setup{-120, 15, 1, true, Mirror::span(10, 19)}));
    EXPECT_TRUE(panel.ignored().empty());
    EXPECT_EQ(SetupReading::ofQuery("mirror=000000000000000000000000000001").setup().mirror, Mirror::span(29, 29));
    // A grating is scraped for the settings of the link, wherever it names them.
    EXPECT_EQ(SetupReading::ofQuery("mirror=grating&distance=250").setup().mirror, grating(250, 1));
    EXPECT_EQ(SetupReading::ofQuery("scene=no-lens&explore=0").setup(), inScene(SceneKind::NoLens)) << "the panel opens for a scene";
    EXPECT_EQ(SetupReading::ofQuery("gap=2&scene=gap").setup(), inScene(SceneKind::Gap, 2));
    EXPECT_EQ(SetupReading::ofQuery("scene=mirror").setup(), quorvel::Setup()) << "the mirror alone needs no panel";

    const SetupReading water = SetupReading::ofQuery("scene=water&mirror=middle-third&measure=legs&frequency=1.2&distance=-300");
    EXPECT_TRUE(water.ignored().empty()) << water.ignoredText();
    EXPECT_EQ(water.setup(), (quorvel::Setup{-300, 12, 1, true, Mirror::span(10, 19), PathMeasure::TwoLegs, SceneKind::Water}));
    // Through a line the frequency goes as far as the scene shows truly, whatever the mirror's measure.
    EXPECT_EQ(SetupReading::ofQuery("scene=lens&measure=legs&frequency=1.4").setup().frequencyTenths, 14);
}

TEST(SetupReading, RefusesASceneOrGapItHasNoneOfAndAFrequencyBeyondTheScenes)
{
    // The real lengths show the mirror truly only to 1.3.
    EXPECT_EQ(SetupReading::ofQuery("frequency=1.4&measure=legs").ignored(), (std::vector<SetupReading::Ignored>{{"frequency", "1.4", Why::Invalid}}));
    EXPECT_EQ(SetupReading::ofQuery("scene=prism").ignoredText(), "scene=prism (takes one of mirror, water, glass, lens, no-lens, gap)");
    EXPECT_EQ(SetupReading::ofQuery("gap=7").ignoredText(), "gap=7 (takes an even number from 2 to 30, for the gap scene)");

    // Water shows truly to 1.2, glass to 1.1, the lens, the pair without it and the gap to 1.4;
    // beyond, the frequency is refused and the scene kept.
    for (const auto& [query, scene] : {std::pair("scene=water&frequency=1.3", SceneKind::Water), std::pair("frequency=1.2&scene=glass", SceneKind::Glass),
                                       std::pair("scene=lens&frequency=1.5", SceneKind::Lens), std::pair("scene=gap&frequency=2", SceneKind::Gap)}) {
        const SetupReading beyond = SetupReading::ofQuery(query);
        EXPECT_EQ(beyond.setup(), inScene(scene)) << query;
        EXPECT_EQ(whys(beyond), std::vector{Why::Invalid}) << query;
        EXPECT_EQ(beyond.ignored().front().name, "frequency") << query;
    }
    EXPECT_TRUE(SetupReading::takes("frequency").ends_with("to 1.2 for water, 1.1 for glass and 1.4 for the other scenes"));
}

// Written from a query of its own, a setup reads back as itself.
TEST(SetupQuery, WritesOnlyWhatDiffersFromTheOpeningWindowKeepsTheLanguageAndReadsBackAsWritten)
{
    const std::pair<quorvel::Setup, const char*> worked[] = {
        {quorvel::Setup(), ""},
        {classic(250, 20, 5), "distance=250&frequency=2&speed=5"},
        {{0, 10, 1, true, Mirror::whole()}, "explore=1"},
        // The panel's settings open it by themselves.
        {{-120, 5, 1, true, Mirror::span(0, 0)}, "distance=-120&frequency=0.5&mirror=100000000000000000000000000000"},
        {scraped(), "distance=-120&frequency=1.5&speed=7&mirror=000111111111111111000000010000"},
        {{250, 20, 1, true, presetMirror(MirrorPreset::OuterThirds, 0, 1)}, "distance=250&frequency=2&mirror=outer-thirds"},
        {{300, 15, 20, true, grating(300, 1.5)}, "distance=300&frequency=1.5&speed=20&mirror=grating"},
        {{-40, 13, 1, true, Mirror::span(3, 7), PathMeasure::TwoLegs}, "distance=-40&frequency=1.3&measure=legs&mirror=000111110000000000000000000000"},
        {{250, 12, 1, true, Mirror::span(0, 9), PathMeasure::TwoLegs}, "distance=250&frequency=1.2&measure=legs&mirror=around-least-time"},
        {{-40, 14, 1, true, Mirror::span(3, 7), PathMeasure::TwoLegs, SceneKind::NoLens},
         "distance=-40&frequency=1.4&measure=legs&mirror=000111110000000000000000000000&scene=no-lens"},
        {{330, 12, 2, true, grating(330, 1.2), PathMeasure::RootOfSquares, SceneKind::Water}, "distance=330&frequency=1.2&speed=2&mirror=grating&scene=water"},
        {{0, 10, 1, true, Mirror::span(10, 19), PathMeasure::TwoLegs, SceneKind::Glass}, "measure=legs&mirror=middle-third&scene=glass"},
        {inScene(SceneKind::Glass, 6, 11), "frequency=1.1&scene=glass"},
        {inScene(SceneKind::Lens), "scene=lens"},
        {inScene(SceneKind::Lens, 6, 5), "frequency=0.5&scene=lens"},
        {inScene(SceneKind::Gap), "scene=gap"},
        {inScene(SceneKind::Gap, 2, 14), "frequency=1.4&scene=gap&gap=2"},
        {inScene(SceneKind::Gap, 30), "scene=gap&gap=30"},
    };
    for (const auto& [setup, query] : worked) {
        EXPECT_EQ(setup.query(), query);
        const SetupReading reading = SetupReading::ofQuery(std::string("?lang=de&") + query);
        EXPECT_EQ(reading.setup(), setup) << query;
        EXPECT_TRUE(reading.ignored().empty()) << reading.ignoredText();
    }
    // Left out: the panel closed, where the mirror opens it anyway; a gap where no scene shows one.
    EXPECT_EQ((quorvel::Setup{250, 10, 1, false, grating(250, 1)}).query(), "distance=250&mirror=grating");
    EXPECT_EQ((quorvel::Setup{0, 10, 1, false, Mirror::span(10, 19)}).query(), "mirror=middle-third");
    EXPECT_EQ(inScene(SceneKind::NoLens, 10).query(), "scene=no-lens");
    EXPECT_EQ(quorvel::Setup{.gapPoints = 20}.query(), "");
    // Written over a query of its own, it keeps the language as written there.
    EXPECT_EQ(classic(0, 20).query("?speed=3&lang=cs&x=1"), "lang=cs&frequency=2");
    EXPECT_EQ(quorvel::Setup().query("l%61ng=pt%2DBR&lang"), "l%61ng=pt%2DBR&lang");
}

TEST(ModelSetup, AppliesALinksSettingsAsThePersonsChoicesWouldAndDrawsThem)
{
    ModelWindow linked;
    linked.model.apply(classic(250, 20, 5));
    ModelWindow clicked;
    clicked.perform(Option::op250, Option::op2, SpeedMove::to(5));
    EXPECT_EQ(std::pair(linked.state().distance, linked.state().frequency), std::pair(std::optional(Option::op250), std::optional(Option::op2)));
    EXPECT_EQ(linked.texts(), (std::array<std::string, 3>{"250", "2", "5"}));
    EXPECT_EQ(linked.model.setup(), classic(250, 20, 5));
    EXPECT_EQ(linked.view.announcements, clicked.view.announcements);
    linked.startAndFinish();
    clicked.startAndFinish();
    EXPECT_EQ(std::pair(linked.surface.ops(), linked.state().results), std::pair(clicked.surface.ops(), clicked.state().results));

    // Distance 0 through its option sets frequency 1, which the setup then changes.
    ModelWindow back;
    back.model.apply(classic(250, 20));
    back.model.apply(classic(0, 20, 3));
    EXPECT_EQ(back.model.setup(), classic(0, 20, 3));
}

TEST(ModelSetup, OpensThePanelLastWithItsSettingsDrawnOnce)
{
    ModelWindow window;
    window.model.moveSegmentCursor(4);
    window.model.apply(scraped());
    const FormState& state = window.state();
    EXPECT_EQ(std::tuple(state.explore.open, state.explore.used, state.distance, state.frequency), std::tuple(true, true, std::nullopt, std::nullopt));
    EXPECT_EQ(window.texts(), (std::array<std::string, 3>{"-120", "1.5", "7"}));
    EXPECT_EQ(window.model.setup(), scraped());
    EXPECT_EQ(state.explore.currentSegment, 4) << "the strip's keyboard where it stood";

    // By hand with the panel closed, and then opened: the picture is drawn once, as it opens.
    ModelWindow byHand;
    byHand.perform(DistanceSetting{-120}, FrequencySetting{15}, SpeedMove::to(7));
    for (int segment = 0; segment < Mirror::segmentCount; ++segment) {
        if (!scraped().mirror.on(segment))
            byHand.model.perform(SegmentSwitch{segment});
    }
    EXPECT_EQ(byHand.drawn(), 0U);
    byHand.model.openExplore(true);
    EXPECT_EQ(window.surface.ops(), byHand.surface.ops());

    // A preset's mirror is scraped by the preset, so a grating follows the setup's settings.
    ModelWindow gratingWindow;
    gratingWindow.model.apply({250, 10, 1, true, grating(250, 1)});
    EXPECT_EQ(std::pair(gratingWindow.state().explore.mirror, gratingWindow.state().distance), std::pair(grating(250, 1), std::optional(Option::op250)));
}

// The scene is set before the frequency and the measure, which it caps in its own way: the lens
// keeps 1.4 beside the mirror's real lengths, which alone stop at 1.3.
TEST(ModelSetup, AppliesTheSceneAndGapAndKeepsTheMirrorForTheWayBack)
{
    ModelWindow window;
    const quorvel::Setup lens{-200, 14, 1, true, Mirror::span(10, 19), PathMeasure::TwoLegs, SceneKind::Lens};
    window.model.apply(lens);
    EXPECT_EQ(window.model.setup(), lens);
    EXPECT_EQ(window.texts(), (std::array<std::string, 3>{"-200", "1.4", "1"}));
    // Drawn once, as the panel opens, as by hand.
    ModelWindow byHand;
    byHand.perform(SceneSetting{SceneKind::Lens}, DistanceSetting{-200}, FrequencySetting{14}, PanelCommand::Open);
    EXPECT_EQ(window.surface.ops(), byHand.surface.ops());
    window.model.perform(SceneSetting{SceneKind::Mirror});
    EXPECT_EQ(window.state().explore.mirror, Mirror::span(10, 19));
    EXPECT_EQ(window.state().explore.frequencyTenths, 13) << "brought down to what the real lengths show";

    ModelWindow gap;
    gap.model.apply(inScene(SceneKind::Gap, 10));
    EXPECT_EQ(gap.state().explore.pathsThatCount(), Mirror::span(10, 19));
    EXPECT_EQ(gap.model.setup(), inScene(SceneKind::Gap, 10));
    // Beyond the gap its width is kept for the gap and changes nothing: the prompt stays.
    ModelWindow mirror;
    mirror.model.apply({.gapPoints = 4});
    EXPECT_TRUE(mirror.state().promptShown);
    mirror.model.perform(SceneSetting{SceneKind::Gap});
    EXPECT_EQ(mirror.state().explore.pathsThatCount(), Mirror::span(13, 16));
}

}  // namespace
}  // namespace quorvel::testing

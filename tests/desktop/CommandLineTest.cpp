#include "core/settings/SetupReading.h"
#include "desktop/CommandLine.h"
#include "desktop/MainForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// The scale is a plain decimal factor from one to four; the refusals, and what they echo, are
// checked from a terminal (cli/check-command-line.sh). The setup's options are read as a link's
// settings are; what they take, and the words for it, is the core's to say, and the window's test
// below shows the settings given.
TEST(CommandLineOptions, TakeAPlainDecimalScaleFromOneToFourAndGiveTheSetupsSettings)
{
    EXPECT_EQ(CommandLine::parse({"quorvel"}).scale, std::nullopt);
    EXPECT_EQ(CommandLine::parse({"quorvel", "--scale", "4"}).scale, 4.0);
    EXPECT_EQ(CommandLine::parse({"quorvel", "--scale=1.5", "--explore"}).scale, 1.5);
    for (const char* wrong : {"inf", "4.01", "0.99", "1e0", " 2"})
        EXPECT_EQ(CommandLine::parse({"quorvel", "--scale", wrong}).request, CommandLine::Request::Error) << wrong;
    EXPECT_EQ(CommandLine::parse({"quorvel"}).setup, quorvel::Setup());
    EXPECT_TRUE(CommandLine::parse({"quorvel", "--explore"}).setup.explore);
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--distance", "100x"}, "--distance takes " + SetupReading::takes("distance") + ", but was given '100x'"},
        {{"--speed", "3", "--speed=4"}, "--speed was given more than once"},
    };
    for (const auto& [options, message] : refused) {
        std::vector<std::string> arguments{"quorvel"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const CommandLine wrong = CommandLine::parse(arguments);
        EXPECT_EQ(wrong.request, CommandLine::Request::Error) << message;
        EXPECT_EQ(wrong.error, message);
    }
}

// The window shows the settings given; the panel is made only for settings of its own, and opens
// at the scene given (which controls each scene shows is the panel's test).
TEST(SetupOptions, StartTheWindowWithTheirSettingsShown)
{
    const auto shown = [](MainForm& form, const std::vector<std::string>& arguments) {
        form.applySetup(CommandLine::parse(arguments).setup);
        form.show();
        return QTest::qWaitForWindowExposed(&form);
    };
    MainForm classic;
    ASSERT_TRUE(shown(classic, {"quorvel", "--distance", "250", "--frequency", "2", "--speed", "5"}));
    EXPECT_TRUE(classic.findChild<QRadioButton*>("op250")->isChecked());
    EXPECT_TRUE(classic.findChild<QRadioButton*>("op2")->isChecked());
    EXPECT_EQ(classic.findChild<QScrollBar*>("HScroll1")->value(), 5);
    EXPECT_EQ(classic.findChild<QWidget*>("explorePanel"), nullptr) << "no panel is made for the window's own settings";

    MainForm panel;
    ASSERT_TRUE(shown(panel, {"quorvel", "--distance", "-100", "--frequency", "1.3", "--scene=gap", "--gap", "20"}));
    ASSERT_NE(panel.findChild<QWidget*>("explorePanel"), nullptr);
    EXPECT_TRUE(panel.findChild<QWidget*>("explorePanel")->isVisible());
    EXPECT_FALSE(panel.findChild<QRadioButton*>("op0")->isChecked());
    EXPECT_EQ(panel.findChild<QComboBox*>("scene")->currentText(), "Narrow gap");
    EXPECT_EQ(panel.findChild<QSlider*>("distance")->value(), -100);
    EXPECT_EQ(panel.findChild<QSlider*>("gap")->value(), 20);
    EXPECT_DOUBLE_EQ(panel.findChild<QDoubleSpinBox*>("frequencyField")->value(), 1.3);
}

}  // namespace
}  // namespace quorvel

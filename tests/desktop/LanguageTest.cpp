#include "core/layout/CaptionLines.h"
#include "core/layout/KeyboardHelp.h"
#include "core/picture/PictureDescription.h"
#include "core/layout/ShownCaption.h"
#include "desktop/CommandLine.h"
#include "desktop/LanguageChoice.h"
#include "desktop/Translations.h"
#include "tests/desktop/FormUnderTest.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel {
namespace {

QString chosen(std::initializer_list<std::pair<const char*, const char*>> variables)
{
    QProcessEnvironment environment;
    for (const auto& [name, value] : variables)
        environment.insert(QString::fromLatin1(name), QString::fromUtf8(value));
    return LanguageChoice::fromEnvironment(environment);
}

TEST(LanguageChoice, FollowsTheEnvironmentAsGettextDoesAndMatchesCodesWrittenEveryWay)
{
    EXPECT_EQ(chosen({}), "en");
    EXPECT_EQ(chosen({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(chosen({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), "fr");
    EXPECT_EQ(chosen({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}), "es");
    EXPECT_EQ(chosen({{"LC_ALL", "es_ES.UTF-8"}, {"LANGUAGE", "xx:cs:de"}}), "cs");
    // The first locale variable set decides, even for a language Quorvel lacks.
    EXPECT_EQ(chosen({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "it_IT.UTF-8"}}), "en");
    EXPECT_EQ(chosen({{"LANG", "C"}, {"LANGUAGE", "de"}}), "en");
    EXPECT_EQ(chosen({{"LANG", "pt_PT.UTF-8"}}), "pt_BR");
    // Codes written every way.
    const std::pair<const char*, std::optional<QString>> codes[] = {{"pt-BR", "pt_BR"}, {"pt_br", "pt_BR"}, {"de_AT.UTF-8@euro", "de"}, {"CS", "cs"},
                                                                     {"en_GB", "en"}, {"xx", std::nullopt}, {"", std::nullopt}};
    for (const auto& [written, code] : codes)
        EXPECT_EQ(LanguageChoice::matching(QString::fromUtf8(written)), code) << written;
}

// The layout's captions as the window shows them in each language.
class EveryLanguage : public ::testing::TestWithParam<QString> {};

TEST_P(EveryLanguage, EveryCaptionFitsItsBoxWithTheRealFontAndTheHelpAnEightyColumnTerminal)
{
    const Translations translations(GetParam());
    FormUnderTest form;
    for (const WindowLabel& layout : windowLabels) {
        const auto* label = form.findChild<QLabel*>(QString::fromUtf8(layout.name.data(), static_cast<qsizetype>(layout.name.size())));
        ASSERT_NE(label, nullptr);
        const ShownCaption caption = shownCaption(layout);
        EXPECT_EQ(label->text().toStdString(), caption.text);
        const QFontMetrics metrics(label->font());
        // As the label wraps it: no line wider than the box, and the last line's letters inside it.
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, layout.width, 1000), Qt::TextWordWrap | label->alignment(), label->text());
        EXPECT_LE(wrapped.width(), layout.width) << caption.text;
        const int lines = static_cast<int>(std::lround(static_cast<double>(wrapped.height()) / metrics.lineSpacing()));
        EXPECT_LE((lines - 1) * metrics.lineSpacing() + metrics.ascent(), layout.height) << caption.text << " in " << lines << " lines";
        EXPECT_EQ(static_cast<std::size_t>(lines), captionLines(caption.text, caption.pixelSize, layout.width).size()) << caption.text;
    }
    for (const ControlCaption& control : controlCaptions) {
        const auto* widget = form.findChild<QWidget*>(QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size())));
        ASSERT_NE(widget, nullptr);
        const auto* button = qobject_cast<const QPushButton*>(widget);
        const QString text = button ? button->text() : qobject_cast<const QGroupBox*>(widget)->title();
        EXPECT_EQ(text.toStdString(), shownCaption(control).text);
        EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(text), control.room) << text.toStdString();
    }
    // The panel's path length list shows each choice whole, where the German "Wie im Fenster
    // (kürzer als wirklich)" was cut: the field the style gives its text is as wide as the text.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.openExplore(true);
    auto* list = form.findChild<QComboBox*>(QStringLiteral("measure"));
    for (int k = 0; k < list->count(); ++k) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.currentText = list->itemText(k);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        EXPECT_GE(field.width(), list->fontMetrics().horizontalAdvance(list->itemText(k))) << list->itemText(k).toStdString();
    }
    // The tallest the panel gets, the ends' lesson beside the note of a frequency brought down,
    // stays whole: the window grows below the picture where the words need it.
    form.model().perform(FrequencySetting{14});
    form.model().perform(MirrorPreset::MiddleThird);
    form.model().perform(MeasureSetting{PathMeasure::TwoLegs});
    auto* panel = form.findChild<QWidget*>(QStringLiteral("explorePanel"));
    panel->layout()->activate();
    const auto* graph = form.findChild<QWidget*>(QStringLiteral("brightnessGraph"));
    EXPECT_TRUE(form.findChild<QWidget*>(QStringLiteral("frequencyNote"))->isVisible());
    EXPECT_TRUE(panel->rect().contains(QRect(graph->mapTo(panel, QPoint()), graph->size()))) << panel->height();
    EXPECT_EQ(form.height(), panel->height());

    // The command line's help, filled, not wrapped by hand: each line fits an 80-column terminal,
    // and the text runs to its last word.
    const QString help = QString::fromStdString(CommandLine::helpText());
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        EXPECT_LE(line.size(), 79) << line.toStdString();
        EXPECT_FALSE(line.trimmed().startsWith(QLatin1Char(':'))) << line.toStdString();
    }
    EXPECT_TRUE(help.contains(QStringLiteral("?distance=250&speed=5\n")));
    EXPECT_TRUE(help.contains(QStringLiteral("\n      --speed slowdown   ")));
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::ValuesIn(LanguageChoice::languages()),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

TEST(Translations, TheCoresWordsComeFromTheCatalogueAndEnglishComesBack)
{
    FormState state;
    state.nPosun = "250";
    state.nKmitocet = "2";
    const std::string english = describePicture({}, state);
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(QStringLiteral(":/translations/quorvel_de.qm")));
    {
        const Translations german(QStringLiteral("de"));
        const QString expected = catalogue.translate("PictureDescription", "A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, "
                                                                           "the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.") +
                                 QLatin1Char(' ') + catalogue.translate("PictureDescription", "Start will draw distance %1 and frequency %2.").arg("250", "2");
        EXPECT_EQ(describePicture({}, state), expected.toStdString());
        EXPECT_NE(describePicture({}, state), english);
        EXPECT_EQ(keyboardHelpTitle(), catalogue.translate("KeyboardHelp", "Keys of Quorvel").toStdString());
    }
    EXPECT_EQ(describePicture({}, state), english);
}

}  // namespace
}  // namespace quorvel

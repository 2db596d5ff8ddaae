#include "tests/desktop/FormFixture.h"

#include <fstream>
#include <malloc.h>
#include <map>
#include <unistd.h>

namespace quorvel {
namespace {

// A distance and a frequency.
using Settings = std::pair<QString, QString>;

const Settings allSettings[] = {{"0", "1"}, {"250", "2"}, {"250", "1"}, {"0", "2"}};

// The real window with its real pacing, set to pause for no time at all.
class Window : public FormUnderTest {
public:
    Window()
    {
        show();
        model().setText(TextBox::nSpomaleni, "0");
    }

    void choose(const Settings& settings)
    {
        for (const QString& option : {settings.first, settings.second})
            click("op" + option);
    }

    void start()
    {
        click("cmdStart");
        testing::waitWhile([this] { return model().state().running; });
        // A run that pauses for no time ends within the click, with no event loop run meanwhile;
        // what the window posted to itself is handled now, as the program's own loop would.
        QCoreApplication::processEvents();
    }

private:
    void click(const QString& control) { QTest::mouseClick(findChild<QWidget*>(control), Qt::LeftButton); }
};

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed memory in quarantine and answers for the heap itself, so only the
// resident set tells, and roughly; its leak check covers this build instead.
std::size_t memoryKiB()
{
    std::size_t pages = 0;
    std::size_t resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) / 1024;
}
constexpr std::size_t allowedGrowthKiB = 64 * 1024;
#else
// The heap in use, mapped blocks included: the resident set also counts freed pages the allocator
// has not yet handed back, which once made two runs of this test differ by a whole picture.
std::size_t memoryKiB()
{
    const struct mallinfo2 heap = mallinfo2();
    return (heap.uordblks + heap.hblkhd) / 1024;
}
constexpr std::size_t allowedGrowthKiB = 64;
#endif

// Every Start repaints its picture from scratch, whatever was shown before: Starts with the
// settings changed between them each look exactly as the first Start of a new window, and two
// hundred in a row hold on to no more memory.
TEST(RepeatedStarts, TwoHundredStartsEachMatchAFreshStartAndLeaveMemoryFlat)
{
    std::map<Settings, std::pair<QImage, QImage>> fresh;
    for (const Settings& settings : allSettings) {
        Window window;
        // Changing a setting hides the start-up prompt, as it is hidden in the long run below.
        window.choose(settings == allSettings[0] ? allSettings[1] : allSettings[0]);
        window.choose(settings);
        window.start();
        // The picture and, separately, the window as painted with its controls and labels.
        fresh[settings] = {window.surface().picture(), window.grab().toImage()};
    }

    Window window;
    window.choose(allSettings[1]);
    // The toolkit's caches fill during the first few dozen Starts; memory is measured after them.
    constexpr int warmUp = 100;
    std::size_t before = 0;
    for (int i = 0; i < warmUp + 200; ++i) {
        if (i == warmUp)
            before = memoryKiB();
        const Settings& settings = allSettings[i % std::size(allSettings)];
        window.choose(settings);
        window.start();
        const auto& [picture, shown] = fresh[settings];
        ASSERT_TRUE(window.surface().picture() == picture) << "picture of Start " << i + 1 << " with distance " << settings.first.toStdString()
                                                 << " and frequency " << settings.second.toStdString();
        ASSERT_TRUE(window.grab().toImage() == shown) << "window after Start " << i + 1;
    }
    const std::size_t after = memoryKiB();
    const std::size_t growth = after > before ? after - before : 0;
    std::cout << "memory in use: " << before << " KiB after " << warmUp << " Starts, " << after << " KiB after 200 more (growth "
              << growth << " KiB)" << std::endl;
    ::testing::Test::RecordProperty("memoryGrowthKiB", static_cast<int>(growth));
    EXPECT_LE(growth, allowedGrowthKiB);
}

}  // namespace
}  // namespace quorvel

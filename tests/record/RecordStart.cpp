// Prints every drawing operation and label move of one Start for each setting of the option
// buttons, one a line, with coordinates as the exact single-precision values drawn; then how
// settings texts read, which the page does with the browser's reading of numbers; then the
// window's layout and its settings' ranges, which the browser tests hold the page to.

#include "core/text/SettingNumber.h"
#include "core/layout/SettingRanges.h"
#include "core/layout/WindowLayout.h"
#include "core/start/StartSequence.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/StartStandIns.h"

#include <cstdint>
#include <cstring>
#include <cstdio>
#include <iostream>
#include <vector>

namespace {

using namespace quorvel;
using namespace quorvel::testing;

void printLayout()
{
    constexpr const char* kinds[] = {"scrollbar", "frame", "option", "textbox", "button", "label"};
    std::printf("picture %d %d\n", pictureSize.width, pictureSize.height);
    for (const WindowControl& control : windowControls) {
        const ControlBox& box = control.box;
        std::printf("control %.*s %s %d %d %d %d\n", static_cast<int>(control.name.size()), control.name.data(), kinds[static_cast<int>(control.kind)], box.left, box.top,
                    box.width, box.height);
    }
    for (const auto& [name, range] : {std::pair{"HScroll1", speedRange}, {"distance", exploreDistanceRange}, {"frequency", exploreFrequencyRange}})
        std::printf("range %s %g %g %g %g\n", name, range.number(range.minimum), range.number(range.maximum), range.number(range.step), range.number(range.pageStep));
}

}  // namespace

int main()
{
    for (const auto& [distance, frequency] : {std::pair{"0", "1"}, {"0", "2"}, {"250", "1"}, {"250", "2"}}) {
        std::printf("start distance %s frequency %s\n", distance, frequency);
        FixedSettings settings(distance, frequency);
        RecordingSurface surface;
        RecordingLabels labels;
        StartSequence sequence(surface, settings, labels);
        std::vector<std::uint64_t> pauses;
        while (const auto pause = sequence.step())
            pauses.push_back(*pause);
        for (const Op& op : surface.ops())
            std::cout << op << '\n';
        for (const LabelOp& label : labels.ops)
            std::printf("label %d %d %a\n", static_cast<int>(label.kind), static_cast<int>(label.label), label.value);
        for (const auto pause : pauses)
            std::printf("pause %llu\n", static_cast<unsigned long long>(pause));
    }
    int index = 0;
    for (const char* text : {"0", "250", "-1.5", "+3", "2e1", " 7\t", ".5", "5.", "-0", "1e-400", "-1e-400", "5e-324", "1e400", "", "abc", "nan", "inf",
                             "0x10", "+-5", "++5", "+", "1 2", "1e", "e5", "1,5", "\n5", "1e+5", "0.1e310", "0.1", "2.675", "9007199254740993"}) {
        if (const auto value = parseDecimal(text)) {
            // The bits, which every C library prints alike, where %a writes subnormals its own way.
            unsigned long long bits = 0;
            std::memcpy(&bits, &*value, sizeof bits);
            std::printf("read %d %016llx\n", index++, bits);
        } else {
            std::printf("read %d refused\n", index++);
        }
    }
    printLayout();
    return 0;
}

#include "web/PageControls.h"

#include <emscripten/val.h>

#include <array>
#include <string>

namespace quorvel {

namespace {

using emscripten::val;

val element(const char* id) { return val::global("document").call<val>("getElementById", std::string(id)); }

std::string textOf(const char* box) { return element(box)["value"].as<std::string>(); }

val labelElement(ResultLabel label)
{
    static constexpr std::array ids{"labRadius", "labCas", "labZdroj", "labDetektor", "labSoucet"};
    return element(ids.at(static_cast<std::size_t>(label)));
}

std::string pixels(float position) { return std::to_string(labelPixel(position)) + "px"; }

}  // namespace

std::string PageSettingsTexts::distanceText() const { return textOf("nPosun"); }

std::string PageSettingsTexts::frequencyText() const { return textOf("nKmitocet"); }

std::string PageSettingsTexts::slowdownText() const { return textOf("nSpomaleni"); }

void PageResultLabels::setLeft(ResultLabel label, float left) { labelElement(label)["style"].set("left", pixels(left)); }

void PageResultLabels::setTop(ResultLabel label, float top) { labelElement(label)["style"].set("top", pixels(top)); }

void PageResultLabels::show(ResultLabel label) { labelElement(label).set("hidden", false); }

}  // namespace quorvel

#pragma once

#include "core/settings/Setup.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// What the command line asks of the program. Quorvel takes no arguments of its own but help,
// version, the setup to start with (the settings, and the explore panel with its mirror), how
// large to draw the window and in which language; the toolkit's options (a display, a style, ...) pass on to the toolkit.
struct CommandLine {
    enum class Request { Run, Help, Version, Error };

    Request request = Request::Run;
    std::string error;  // for Request::Error: one line, without the program's name
    Setup setup;  // for Request::Run: the window's settings and panel as it opens
    std::optional<double> scale;  // for Request::Run: device pixels per pixel of the layout
    std::optional<std::string> language;  // the language's code as given, "de" or "pt_BR"

    // The factors --scale takes: up to what a projector or a large screen asks for.
    static constexpr double smallestScale = 1;
    static constexpr double largestScale = 4;

    static CommandLine parse(const std::vector<std::string>& arguments);
    static std::string helpText();
};

}  // namespace quorvel

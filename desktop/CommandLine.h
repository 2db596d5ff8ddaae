#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// What the command line asks of the program. Quorvel takes no arguments of its own but help,
// version, whether to start with the explore panel open and how large to draw the window; the
// toolkit's options (a display, a style, ...) pass on to the toolkit.
struct CommandLine {
    enum class Request { Run, Help, Version, Error };

    Request request = Request::Run;
    std::string error;  // for Request::Error: one line, without the program's name
    bool explore = false;  // for Request::Run: the explore panel opens with the window
    std::optional<double> scale;  // for Request::Run: device pixels per pixel of the layout

    // The factors --scale takes: up to what a projector or a large screen asks for.
    static constexpr double smallestScale = 1;
    static constexpr double largestScale = 4;

    static CommandLine parse(const std::vector<std::string>& arguments);
    static std::string helpText();
};

}  // namespace quorvel

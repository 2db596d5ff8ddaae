#pragma once

#include <string>
#include <vector>

namespace quorvel {

// What the command line asks of the program. Quorvel takes no arguments of its own but help,
// version and whether to start with the explore panel open; the toolkit's options (a display, a
// style, ...) pass on to the toolkit.
struct CommandLine {
    enum class Request { Run, Help, Version, Error };

    Request request = Request::Run;
    std::string error;  // for Request::Error: one line, without the program's name
    bool explore = false;  // for Request::Run: the explore panel opens with the window

    static CommandLine parse(const std::vector<std::string>& arguments);
    static std::string helpText();
};

}  // namespace quorvel

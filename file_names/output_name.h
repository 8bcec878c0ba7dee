#pragma once

// The name of the file a WSS tool writes for an input: beside it, with the input's extension
// replaced by the output's (".wav" for a WSS file, ".wss" for a WAV file), or the output's added
// when the input has none. The tools write that name, and the window works out from it which
// files a run would replace; written once here so that the two cannot come to disagree. Plain C++
// without dependencies, for names as bytes (the tools) or as UTF-16 (the window).

#include <cstddef>
#include <string>
#include <string_view>

namespace file_names {

// Where the extension of a file name (no "/" in it) starts: at its last ".", unless that is the
// name's first character (".take" has none) or the name is "..". The name's length when it has
// none. As std::filesystem::path::extension() reads a file name.
template <typename Char> constexpr std::size_t extensionStart(std::basic_string_view<Char> name)
{
    const std::size_t dot = name.rfind(Char('.'));
    const bool dotDot = name.size() == 2 && name[0] == Char('.') && name[1] == Char('.');
    if (dot == std::basic_string_view<Char>::npos || dot == 0 || dotDot)
        return name.size();
    return dot;
}

// The output's name for the input named name: its extension replaced by suffix (".wav").
template <typename Char>
std::basic_string<Char> outputName(std::basic_string_view<Char> name, std::basic_string_view<Char> suffix)
{
    std::basic_string<Char> output(name.substr(0, extensionStart(name)));
    output += suffix;
    return output;
}

} // namespace file_names

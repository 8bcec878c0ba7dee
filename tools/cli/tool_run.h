#pragma once

// The whole run of a tool: options, file names and patterns, one conversion per file, one line
// per failure, and a summary when several files were named and any failed.

#include "output_file.h"
#include "run_context.h"
#include "tool_messages.h"

#include <filesystem>

namespace wsstool {

struct ToolInfo
{
    const char *name; // "WSSdec.exe"
    Direction direction; // what it converts, for its messages
    const char *outputSuffix; // ".wav"
    // Converts one file: writes the whole output, made with `run`, and returns it for the run to
    // put in place. Throws a Failure.
    OutputFile (*convert)(const std::filesystem::path &input, const std::filesystem::path &output, RunContext &run);
};

// Returns the exit code: 0 when every file converted, else the code of the first failure.
int runTool(const ToolInfo &tool, int argc, char **argv);

} // namespace wsstool

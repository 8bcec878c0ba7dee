#include "tool_run.h"

#include "command_line.h"
#include "failure.h"
#include "output_batch.h"
#include "run_items.h"
#include "temp_cleanup.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

void printUsage(const ToolInfo &tool, std::FILE *to)
{
    std::fprintf(to,
        "usage: %s [-f] FILE...\n%s\n"
        "FILE may hold the wildcards * and ?: every ordinary file it names is converted.\n"
        "An existing output is kept as NAME.~N~ (left alone if it is the same).\n"
        "  -f, --force   replace an existing output without keeping it\n"
        "  -h, --help    show this help\n"
        "  --version     show the version\n"
        "  --            every later argument is a file name\n",
        tool.name, tool.usage);
}

bool sameFile(const fs::path &a, const fs::path &b)
{
    struct stat sa
    {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

// Converts one file; returns its exit code after reporting a failure.
int convertOne(const ToolInfo &tool, const fs::path &input, RunContext &run, OutputBatch &outputs)
{
    try {
        const fs::path name = input.filename();
        struct stat st
        {
        };
        if (::stat(input.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            fail(kExitInput,
                quote(input) + " is a folder; give the " + tool.inputKind + " file to " + tool.verb + " in it");
        if (name.empty() || name == "." || name == "..")
            fail(kExitUsage, quote(input) + " is not a file name");
        fs::path output = input;
        output.replace_extension(tool.outputSuffix);
        if (output == input || sameFile(input, output))
            fail(kExitUsage,
                "the output " + quote(output) + " would replace the input; expected a " + tool.inputKind + " file");
        outputs.commit(tool.convert(input, output, run));
        return kExitOk;
    } catch (const Failure &f) {
        report(tool.name, f.message);
        return f.exitCode;
    } catch (const std::bad_alloc &) {
        report(tool.name, "out of memory while converting " + quote(input));
    } catch (const std::exception &e) {
        report(tool.name, quote(input) + ": " + e.what());
    }
    return kExitInternal;
}

} // namespace

int runTool(const ToolInfo &tool, int argc, char **argv)
{
    const Arguments args = parseArguments(argc, argv);
    if (args.help) {
        printUsage(tool, stdout);
        return kExitOk;
    }
    if (args.version) {
        std::printf("%s %s\n", tool.name, TALVEN_VERSION);
        return kExitOk;
    }
    if (args.files.empty()) {
        std::fprintf(stderr, "%s: no file named: give the %s file to %s\n", tool.name, tool.inputKind, tool.verb);
        printUsage(tool, stderr);
        return kExitUsage;
    }
    installSignalHandlers();
    RunContext run;
    run.toolName = tool.name;
    run.force = args.force;
    run.progress = ProgressLines::fromEnvironment();

    const std::vector<RunItem> items = collectItems(args.files);
    std::vector<int> codes(items.size(), kExitOk);
    run.progress.files(std::size_t(
        std::count_if(items.begin(), items.end(), [](const RunItem &item) { return item.failure.empty(); })));
    {
        // A single file keeps the plain path: flushed, then put in place.
        OutputBatch outputs(items.size() > 1, [&](std::size_t i, const Failure &f) {
            report(tool.name, f.message);
            codes[i] = f.exitCode;
            run.progress.failed(items[i].number, items[i].file, f.exitCode);
        });
        for (std::size_t i = 0; i < items.size(); ++i) {
            const RunItem &item = items[i];
            outputs.setItem(i);
            codes[i] = item.exitCode;
            if (!item.failure.empty()) {
                report(tool.name, item.failure);
                continue;
            }
            run.fileNumber = item.number;
            run.progress.start(item.number, item.file);
            codes[i] = convertOne(tool, item.file, run, outputs);
            if (codes[i] != kExitOk)
                run.progress.failed(item.number, item.file, codes[i]);
        }
        outputs.placeAll();
    }
    int firstFailure = kExitOk;
    std::size_t failed = 0;
    for (const int code : codes) {
        if (code != kExitOk) {
            ++failed;
            if (firstFailure == kExitOk)
                firstFailure = code;
        }
    }
    if (failed > 0 && items.size() > 1)
        std::fprintf(stderr, "%s: %zu of %zu files %sd; %zu failed\n", tool.name, items.size() - failed, items.size(),
            tool.verb, failed);
    std::fflush(stderr);
    return firstFailure;
}

} // namespace wsstool

#include "tool_run.h"

#include "command_line.h"
#include "failure.h"
#include "i18n.h"
#include "input_file.h"
#include "name_key.h"
#include "output_batch.h"
#include "output_folder.h"
#include "output_placement.h"
#include "run_items.h"
#include "temp_cleanup.h"
#include "worker_thread.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <new>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace wsstool {

namespace {

bool sameFile(const fs::path &a, const fs::path &b)
{
    struct stat sa
    {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

// The conversion, tried once more after the waiting outputs have given back their descriptors
// when none was left.
OutputFile convertFreeing(
    const ToolInfo &tool, const fs::path &input, const fs::path &output, RunContext &run, OutputBatch &outputs)
{
    try {
        return tool.convert(input, output, run);
    } catch (const OutOfDescriptors &) {
        if (!outputs.placeWaiting())
            throw;
    }
    return tool.convert(input, output, run);
}

// The outputs the run has converted so far, by name under any spelling (name_key.h), with the
// input each came from.
using RunOutputs = std::map<std::string, fs::path>;

// Converts one file; returns its exit code after reporting a failure.
int convertOne(const ToolInfo &tool, const fs::path &input, RunContext &run, OutputBatch &outputs, RunOutputs &made)
{
    try {
        const fs::path name = input.filename();
        struct stat st
        {
        };
        const int statError = ::stat(input.c_str(), &st) == 0 ? 0 : errno;
        if (statError == 0 && S_ISDIR(st.st_mode))
            fail(kExitInput, folderGiven(tool.direction, input));
        if (statError == 0 && !S_ISREG(st.st_mode))
            fail(kExitInput, notRegularFile(input, st.st_mode));
        if (namesDescriptor(input))
            /* TRANSLATORS: %s is the name given, in quotes, such as '/dev/stdin'. */
            fail(kExitInput,
                format(
                    _("%s stands for an open descriptor, not a file; give the file's own name"), quote(input).c_str()));
        if (name.empty() || name == "." || name == "..") {
            if (statError != 0) // "x.wav/" where x.wav is a file, or nothing of that name
                /* TRANSLATORS: the file's name, in quotes, and the system's reason. */
                fail(kExitInput, format(_("cannot open %s: %s"), quote(input).c_str(), errorText(statError).c_str()));
            /* TRANSLATORS: %s is what was given as a file name, in quotes ('.', '..'). */
            fail(kExitUsage, format(_("%s is not a file name"), quote(input).c_str()));
        }
        const fs::path output = outputPath(input, tool.outputSuffix, run.outputFolder);
        if (output == input || sameFile(input, output))
            fail(kExitUsage, wouldReplaceInput(tool.direction, output));
        // Two files of one run with one output name ("a/x.wav" and "b/x.wav" into one folder): the
        // second would take the first one's output away, so it is refused.
        std::string key = nameKey(output);
        if (const auto earlier = made.find(key); earlier != made.end())
            fail(kExitUsage, sameOutputAs(input, output, earlier->second));
        refuseSpecialOutput(output, run.force);
        if (run.noClobber && outputExists(output)) {
            outputs.skip(output);
            return kExitOk;
        }
        outputs.commit(convertFreeing(tool, input, output, run, outputs));
        made.emplace(std::move(key), input);
        return kExitOk;
    } catch (const Failure &f) {
        report(tool.name, f.message);
        return f.exitCode;
    } catch (const std::bad_alloc &) {
        /* TRANSLATORS: %s is the name of the file being converted, in quotes. */
        report(tool.name, format(_("out of memory while converting %s"), quote(input).c_str()));
    } catch (const std::exception &e) {
        /* TRANSLATORS: a failure nobody foresaw: the file's name, in quotes, and the reason, in
           English. */
        report(tool.name, format(_("%s: %s"), quote(input).c_str(), e.what()));
    }
    return kExitInternal;
}

// Descriptors 0, 1 and 2 are kept taken (by /dev/null where they are closed), so that no file of
// the run gets one of them and has messages or progress lines written into it.
void keepStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF && ::open("/dev/null", O_RDWR) < 0)
            return;
}

// Converts the files the arguments name; returns the exit code.
int convertAll(const ToolInfo &tool, const Arguments &args)
{
    RunContext run;
    run.toolName = tool.name;
    run.force = args.force;
    run.noClobber = args.noClobber;
    run.outputFolder = args.outputFolder;
    run.progress = ProgressLines::fromEnvironment();

    const std::vector<RunItem> items = collectItems(args.files);
    std::vector<int> codes(items.size(), kExitOk);
    std::size_t skipped = 0; // -n: outputs already there, left as they were
    RunOutputs made;
    run.progress.files(items.size());
    {
        // A single file keeps the plain path: flushed, then put in place.
        OutputBatch outputs(run, items.size() > 1, [&](std::size_t i, const Failure &f) {
            report(tool.name, f.message);
            codes[i] = f.exitCode;
            run.progress.failed(items[i].number, items[i].file, f.exitCode);
        });
        for (std::size_t i = 0; i < items.size(); ++i) {
            const RunItem &item = items[i];
            outputs.begin(i, item.number);
            codes[i] = item.exitCode;
            if (!item.failure.empty()) {
                report(tool.name, item.failure);
                run.progress.failed(item.number, item.file, item.exitCode);
                continue;
            }
            run.progress.start(item.number, item.file);
            // A failure may also come when the file's own batch is put in place, during its
            // commit: that one is in codes[i] already, and stays.
            const int code = convertOne(tool, item.file, run, outputs, made);
            if (code != kExitOk) {
                codes[i] = code;
                run.progress.failed(item.number, item.file, code);
            }
        }
        outputs.placeAll();
        skipped = outputs.skipped();
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
    if ((failed > 0 && items.size() > 1) || skipped > 0)
        report(tool.name, summary(tool.direction, items.size() - failed - skipped, items.size(), failed, skipped));
    std::fflush(stderr);
    return firstFailure;
}

// The run's own thread, with a stack of the size set here: RLIMIT_STACK (`ulimit -s`) sizes the
// main thread's, and libsndfile and the C library were written for the usual megabytes. The main
// thread holds back the signals from outside meanwhile, so that they reach the run's thread,
// whose SignalBlock keeps them out of placing an output. Without a thread, the run is done here.
constexpr std::size_t kRunStack = std::size_t(8) << 20;

int onRunThread(const std::function<int()> &body)
{
    int code = kExitInternal;
    std::exception_ptr error;
    try {
        const SignalBlock outside;
        wss::WorkerThread thread(
            kRunStack,
            [&] {
                try {
                    code = body();
                } catch (...) {
                    error = std::current_exception();
                }
            },
            outside.previous());
    } catch (const std::system_error &) {
        return body();
    }
    if (error)
        std::rethrow_exception(error);
    return code;
}

} // namespace

int runTool(const ToolInfo &tool, int argc, char **argv)
{
    const Arguments args = parseArguments(argc, argv);
    if (args.help) {
        std::fputs(usageText(tool.name, tool.direction).c_str(), stdout);
        return kExitOk;
    }
    if (args.version) {
        std::printf("%s %s\n", tool.name, TALVEN_VERSION);
        return kExitOk;
    }
    // Last one wins, as cp has it, would let an -f added later (an alias, a script's default)
    // replace what -n was given to keep: the two are refused together.
    if (args.force && args.noClobber) {
        report(tool.name, forceAndNoClobber());
        std::fputs(usageText(tool.name, tool.direction).c_str(), stderr);
        return kExitUsage;
    }
    if (!args.missingValue.empty()) {
        report(tool.name, optionWithoutFolder(args.missingValue));
        std::fputs(usageText(tool.name, tool.direction).c_str(), stderr);
        return kExitUsage;
    }
    if (args.files.empty()) {
        report(tool.name, noFileNamed(tool.direction));
        std::fputs(usageText(tool.name, tool.direction).c_str(), stderr);
        return kExitUsage;
    }
    if (!args.outputFolder.empty()) {
        try {
            checkOutputFolder(args.outputFolder);
        } catch (const Failure &f) {
            report(tool.name, f.message);
            return f.exitCode;
        }
    }
    keepStandardDescriptors();
    installSignalHandlers();
    const int code = onRunThread([&] { return convertAll(tool, args); });
    runFinished(code);
    return code;
}

} // namespace wsstool

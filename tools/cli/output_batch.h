#pragma once

// Where a run's complete outputs go to be made durable and put in place, in steps: the comparison
// with an existing output, the mode of a new file, the flush to disk, the name (output_placement.h)
// and the folder's flush. In a run of one file, each output takes these steps at once. In a run
// over several files, flushing each file on its own costs a disk flush a file, which is most of
// the time a small file takes; so the outputs wait, and the batch flushes all of them at once,
// then puts each in place in the order of the run, exactly as one at a time would. A file takes
// its name only after it is on disk, so a name never holds a partial file, even after a power
// cut. The batch alone tells what became of each output: the progress lines and the messages.

#include "failure.h"
#include "output_file.h"
#include "run_context.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wsstool {

class OutputBatch
{
public:
    // Told of each file that fails to take its name, by the item it was taken for.
    using FailedItem = std::function<void(std::size_t item, const Failure &failure)>;

    // `together`: the run is over several files, and its outputs wait to be flushed together, as
    // many as the descriptors the process may open allow (each waiting output keeps its own).
    OutputBatch(RunContext &run, bool together, FailedItem failed);
    ~OutputBatch() = default; // files still waiting are removed by their own destructors
    OutputBatch(const OutputBatch &) = delete;
    OutputBatch &operator=(const OutputBatch &) = delete;

    // The item of the run whose outputs commit() takes from now on, and its number in the
    // progress lines.
    void begin(std::size_t item, std::size_t number)
    {
        item_ = item;
        number_ = number;
    }
    // Takes a complete output: left out when an existing file holds its bytes (never with -f),
    // else put in place at once or made to wait. Throws the file's own Failure; a failure of a
    // file that waited goes to that file's item.
    void commit(OutputFile &&file);
    // -n: the current item's output exists and is left as it is, its input not converted.
    void skip(const std::filesystem::path &output) { tellSkipped(number_, output); }
    // How many outputs were left as they were for -n.
    std::size_t skipped() const { return skipped_; }
    // Flushes the waiting files to disk and puts each in place; failures go to their item.
    void placeAll();
    // The same, early, for a conversion that found no descriptor left; false when none waited.
    bool placeWaiting();

    // How many outputs may wait, from the limit on open descriptors (RLIMIT_NOFILE) and the
    // number open when the run starts: at most 64, at least 1.
    static std::size_t batchFilesFor(std::uint64_t descriptorLimit, std::size_t openNow);

private:
    struct Waiting
    {
        std::size_t item;
        std::size_t number; // in the progress lines
        std::string key; // folder identity and name: the same output under any spelling
        std::unique_ptr<OutputFile> file;
    };
    void placeIfWaiting(const OutputFile &file);
    // Whether an existing file of the output's name already holds its bytes.
    bool sameAsExisting(const OutputFile &file);
    // Makes a complete, unflushed file wait; places the batch once it is full.
    void take(OutputFile &&file);
    void makeDurable();
    void tellSkipped(std::size_t number, const std::filesystem::path &output);
    // Closes the file, whose data is on disk, gives it its name and says so. The folder is
    // flushed at once unless `syncFolderNow` is false (a batch flushes each folder once).
    void place(OutputFile &file, std::size_t number, bool syncFolderNow);

    RunContext &run_;
    bool together_;
    std::size_t batchFiles_;
    FailedItem failed_;
    std::size_t item_ = 0;
    std::size_t number_ = 0;
    std::vector<Waiting> waiting_;
    std::uint64_t bytes_ = 0;
    std::size_t skipped_ = 0;
};

} // namespace wsstool

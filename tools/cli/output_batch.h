#pragma once

// Where a run's complete outputs go to be made durable and put in place. In a run of one file,
// each is flushed to disk (fsync) and put in place at once. In a run over several files, flushing
// each file on its own costs a disk flush a file, which is most of the time a small file takes;
// so the outputs wait, and the batch flushes all of them at once, then puts each in place in the
// order of the run, exactly as one at a time would (comparison, backup, rename). A file takes its
// name only after it is on disk, so a name never holds a partial file, even after a power cut.

#include "failure.h"
#include "output_file.h"

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

    // `together`: the run is over several files, and its outputs wait to be flushed together.
    OutputBatch(bool together, FailedItem failed);
    ~OutputBatch() = default; // files still waiting are removed by their own destructors
    OutputBatch(const OutputBatch &) = delete;
    OutputBatch &operator=(const OutputBatch &) = delete;

    // The item of the run whose outputs commit() takes from now on.
    void setItem(std::size_t item) { item_ = item; }
    // Takes a complete output: left out when an existing file holds its bytes, else put in place
    // at once or made to wait. Throws the file's own Failure; a failure of a file that waited goes
    // to that file's item.
    void commit(OutputFile &&file);
    // Flushes the waiting files to disk and puts each in place; failures go to their item.
    void placeAll();

private:
    struct Waiting
    {
        std::size_t item;
        std::string key; // folder identity and name: the same output under any spelling
        std::unique_ptr<OutputFile> file;
    };
    void placeIfWaiting(const OutputFile &file);
    // Makes a complete, unflushed file wait; places the batch once it is full.
    void take(OutputFile &&file);
    void makeDurable();

    bool together_;
    FailedItem failed_;
    std::size_t item_ = 0;
    std::vector<Waiting> waiting_;
    std::uint64_t bytes_ = 0;
};

} // namespace wsstool

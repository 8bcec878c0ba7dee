// The C API (include/wss/wss.h) over the reader and the writer: handles, statuses and the last
// message. No exception crosses it; running out of memory is WSS_ERROR_NO_MEMORY.

#include "wss/wss.h"

#include "wss_reader.h"
#include "wss_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

struct wss_file
{
    std::unique_ptr<wsslib::Reader> reader;
    std::unique_ptr<wsslib::Writer> writer;
};

namespace {

thread_local std::string lastError;

wss_status fail(wsslib::Failure failure)
{
    lastError = std::move(failure.message);
    return failure.status;
}

wss_status invalid(const char *what)
{
    return fail({WSS_ERROR_INVALID, what});
}

template <typename Call> auto guarded(Call call) -> decltype(call())
{
    try {
        return call();
    } catch (const std::bad_alloc &) {
        return decltype(call())(fail({WSS_ERROR_NO_MEMORY, "out of memory"}));
    } catch (const std::exception &e) {
        return decltype(call())(fail({WSS_ERROR_IO, e.what()}));
    }
}

wss_status openReader(std::unique_ptr<wsslib::FileInput> input, wss_file **file)
{
    auto f = std::make_unique<wss_file>();
    f->reader = std::make_unique<wsslib::Reader>(std::move(input));
    if (wsslib::Failure failure = f->reader->open())
        return fail(std::move(failure));
    *file = f.release();
    return WSS_OK;
}

} // namespace

extern "C" {

wss_status wss_open_read(const char *path, wss_file **file)
{
    if (!file)
        return invalid("no place for the file handle");
    *file = nullptr;
    if (!path)
        return invalid("no path");
    return guarded([&] {
        std::FILE *stream = std::fopen(path, "rbe");
        if (!stream)
            return fail({WSS_ERROR_IO, std::string("could not open ") + path + ": " + std::strerror(errno)});
        return openReader(std::make_unique<wsslib::FileInput>(stream), file);
    });
}

wss_status wss_open_read_io(const wss_io *io, void *user, wss_file **file)
{
    if (!file)
        return invalid("no place for the file handle");
    *file = nullptr;
    if (!io || !io->read)
        return invalid("no read callback");
    return guarded([&] { return openReader(std::make_unique<wsslib::FileInput>(*io, user), file); });
}

uint32_t wss_sample_rate(const wss_file *file)
{
    if (!file)
        return 0;
    return file->reader ? file->reader->header().sampleRate : file->writer->header().sampleRate;
}

unsigned wss_channels(const wss_file *file)
{
    if (!file)
        return 0;
    return file->reader ? file->reader->header().channels : file->writer->header().channels;
}

uint64_t wss_frames(const wss_file *file)
{
    if (!file)
        return 0;
    return file->reader ? file->reader->header().frames : file->writer->header().frames;
}

int64_t wss_read_s16(wss_file *file, int16_t *interleaved, uint64_t frames)
{
    if (!file || !file->reader)
        return invalid("not a file opened for reading");
    if (!interleaved && frames > 0)
        return invalid("no buffer");
    return guarded([&]() -> int64_t {
        wsslib::Failure failure;
        const std::int64_t n = file->reader->read(interleaved, frames, failure);
        return failure ? std::int64_t(fail(std::move(failure))) : n;
    });
}

wss_status wss_seek(wss_file *file, uint64_t frame)
{
    if (!file || !file->reader)
        return invalid("not a file opened for reading");
    return guarded([&] {
        wsslib::Failure failure = file->reader->seek(frame);
        return failure ? fail(std::move(failure)) : WSS_OK;
    });
}

uint64_t wss_tell(const wss_file *file)
{
    if (!file)
        return 0;
    return file->reader ? file->reader->position() : file->writer->header().frames;
}

wss_status wss_open_write(const char *path, uint32_t sample_rate, unsigned channels, wss_file **file)
{
    if (!file)
        return invalid("no place for the file handle");
    *file = nullptr;
    if (!path)
        return invalid("no path");
    return guarded([&] {
        auto f = std::make_unique<wss_file>();
        f->writer = std::make_unique<wsslib::Writer>(path, sample_rate, channels);
        if (wsslib::Failure failure = f->writer->open())
            return fail(std::move(failure));
        *file = f.release();
        return WSS_OK;
    });
}

wss_status wss_write_s16(wss_file *file, const int16_t *interleaved, uint64_t frames)
{
    if (!file || !file->writer)
        return invalid("not a file opened for writing");
    if (!interleaved && frames > 0)
        return invalid("no frames");
    return guarded([&] {
        wsslib::Failure failure = file->writer->write(interleaved, frames);
        return failure ? fail(std::move(failure)) : WSS_OK;
    });
}

wss_status wss_close(wss_file *file)
{
    if (!file)
        return WSS_OK;
    const std::unique_ptr<wss_file> owned(file);
    if (!file->writer)
        return WSS_OK;
    return guarded([&] {
        wsslib::Failure failure = file->writer->finish();
        return failure ? fail(std::move(failure)) : WSS_OK;
    });
}

const char *wss_last_error(void)
{
    return lastError.c_str();
}

const char *wss_status_name(wss_status status)
{
    switch (status) {
    case WSS_OK:
        return "no error";
    case WSS_ERROR_IO:
        return "input or output error";
    case WSS_ERROR_NOT_WSS:
        return "not a WSS file";
    case WSS_ERROR_UNSUPPORTED:
        return "unsupported WSS file";
    case WSS_ERROR_DAMAGED:
        return "damaged WSS file";
    case WSS_ERROR_TRUNCATED:
        return "WSS file cut short";
    case WSS_ERROR_INVALID:
        return "invalid argument";
    case WSS_ERROR_NO_MEMORY:
        return "out of memory";
    }
    return "unknown status";
}

} // extern "C"

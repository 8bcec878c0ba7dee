/* libwss: reading and writing WSS sound files (docs/wss-format.md) from C and C++.
 *
 * A WSS file holds 16-bit sound, 1 to 8 channels, coded as IMA ADPCM in blocks; each block carries
 * a checksum that chains from the first block of the file. libwss hands on only frames of blocks
 * whose checksum and rules it has verified, so a damaged file gives an error, never wrong sound.
 *
 * Reading:
 *
 *     wss_file *f;
 *     if (wss_open_read("tone.wss", &f) != WSS_OK) {
 *         fprintf(stderr, "%s\n", wss_last_error());
 *         return 1;
 *     }
 *     int16_t pcm[1024 * WSS_MAX_CHANNELS];
 *     int64_t n;
 *     while ((n = wss_read_s16(f, pcm, 1024)) > 0)
 *         play(pcm, n, wss_channels(f), wss_sample_rate(f));
 *     if (n < 0)
 *         fprintf(stderr, "%s\n", wss_last_error());
 *     wss_close(f);
 *
 * Build with `cc prog.c $(pkg-config --cflags --libs wss)`. Every function is safe to call from
 * any thread, one thread at a time for one wss_file. Functions that fail return a negative
 * wss_status (or set no handle) and leave a message, in English, for wss_last_error().
 */
#ifndef WSS_WSS_H
#define WSS_WSS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define WSS_MAX_CHANNELS 8

typedef enum wss_status {
    WSS_OK = 0,
    WSS_ERROR_IO = -1, /* the file could not be opened, read, written or positioned */
    WSS_ERROR_NOT_WSS = -2, /* the file does not start with the WSS signature */
    WSS_ERROR_UNSUPPORTED = -3, /* a format version, coding or layout this library does not read */
    WSS_ERROR_DAMAGED = -4, /* the header or a block fails its checksum or breaks a rule */
    WSS_ERROR_TRUNCATED = -5, /* the file ends inside the header or a block */
    WSS_ERROR_INVALID = -6, /* an argument is out of range, or the call does not fit the file's mode */
    WSS_ERROR_NO_MEMORY = -7
} wss_status;

/* An open WSS file, for reading or for writing. */
typedef struct wss_file wss_file;

/* Where a file is read from, when it is not a path. `read` fills up to `size` bytes and returns
 * how many (fewer only at the end; 0 at the end), or -1 on failure. `seek` moves to `offset` from
 * the start (whence 0), the current position (1) or the end (2) and returns the new position, or
 * -1; it may be NULL, and then wss_seek() fails with WSS_ERROR_INVALID. `user` is passed to both. */
typedef struct wss_io
{
    int64_t (*read)(void *user, void *buffer, size_t size);
    int64_t (*seek)(void *user, int64_t offset, int whence);
} wss_io;

/* Opens a WSS file for reading and checks its header. On success *file is the open file; on
 * failure it is NULL. */
wss_status wss_open_read(const char *path, wss_file **file);
/* The same from callbacks, which must stay valid until wss_close(); the stream is read from its
 * current position, where the file's header must start. */
wss_status wss_open_read_io(const wss_io *io, void *user, wss_file **file);

/* The sound of a file opened for reading (for writing: what wss_open_write() was given, and the
 * frames written so far). */
uint32_t wss_sample_rate(const wss_file *file);
unsigned wss_channels(const wss_file *file);
uint64_t wss_frames(const wss_file *file);

/* Reads up to `frames` frames as interleaved signed 16-bit samples (frames × channels values)
 * and returns how many were read: fewer than asked only at the end of the sound, 0 there. Only
 * frames of verified blocks are handed on: when the file turns out damaged or cut short, the
 * frames before the bad block are returned first and the next call returns the negative
 * wss_status, with a message that names the block (counted from 1). */
int64_t wss_read_s16(wss_file *file, int16_t *interleaved, uint64_t frames);

/* Moves the read position to frame `frame` (0 to wss_frames()). The checksum of a block covers
 * every block before it, so the blocks between the furthest point verified so far and the new
 * position are read and their checksums checked first (they are not decoded); seeking back, or
 * to a point already passed, reads nothing. Fails with WSS_ERROR_DAMAGED naming the block when a
 * block on the way fails its checksum. */
wss_status wss_seek(wss_file *file, uint64_t frame);
/* The frame the next wss_read_s16() starts at. */
uint64_t wss_tell(const wss_file *file);

/* Creates (or replaces) a WSS file at `path` for writing frames of `channels` channels (1 to 8)
 * at `sample_rate` frames a second. */
wss_status wss_open_write(const char *path, uint32_t sample_rate, unsigned channels, wss_file **file);
/* Codes `frames` interleaved frames and appends them to the file. */
wss_status wss_write_s16(wss_file *file, const int16_t *interleaved, uint64_t frames);

/* Closes the file and frees it. For a file being written, codes the last frames and writes the
 * header with the frame count: only a WSS_OK here means the file is complete. NULL is ignored. */
wss_status wss_close(wss_file *file);

/* The message of the last call that failed on this thread, in English ("" if none). */
const char *wss_last_error(void);
/* A short English name for a status ("damaged file"). */
const char *wss_status_name(wss_status status);

#ifdef __cplusplus
}
#endif

#endif /* WSS_WSS_H */

// The sound module: a small library of the program's own, beside the
// executable, that plays a WAV file on the computer's default audio output.
// The program loads it at its first sound, on a thread of the sound's own,
// so that nothing of the audio system is loaded or waited for at start-up or
// by the game.
#pragma once

#include <atomic>

// The module's file, from the program's folder (in a folder of its own there,
// so that the system's library cache never looks at it).
#if defined(_WIN32)
#define QLX_SOUND_MODULE_FILE "modules/quellix-sound.dll"
#else
#define QLX_SOUND_MODULE_FILE "modules/quellix-sound.so"
#endif

// The name of its one entry point.
#define QLX_SOUND_MODULE_ENTRY "quellix_play_wav"

extern "C" {

// Plays a PCM WAV file (8, 16, 24 or 32 bits, any rate and channel count) to
// the end, and returns then; or earlier, once *stop is true (read every few
// milliseconds while it plays). Returns the frames written to the output (0
// when the file cannot be read or is not PCM), or -1 when there is no audio
// output: then the module holds nothing of the audio system any more, and may
// be unloaded.
using QlxPlayWav = long (*)(const char* path, const std::atomic<bool>* stop);

}

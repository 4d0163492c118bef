// The sound module for Linux: plays a WAV file through ALSA's default output
// (which, on a desktop with a sound server, is that server: PipeWire or
// PulseAudio through their ALSA plugins). One library, loaded at the first sound.
#include <alsa/asoundlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <mutex>
#include <vector>

#include "sound_module.h"

namespace {

struct Wav {
    snd_pcm_format_t format = SND_PCM_FORMAT_UNKNOWN;
    unsigned channels = 0;
    unsigned rate = 0;
    unsigned frameBytes = 0;
    std::vector<char> bytes;  // the whole file
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0;
};

uint32_t le32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (static_cast<uint32_t>(u[3]) << 24);
}
uint16_t le16(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<uint16_t>(u[0] | (u[1] << 8));
}

// Reads a RIFF WAVE file of PCM samples; false for anything else.
bool readWav(const char* path, Wav& wav) {
    // C's stdio rather than iostreams: nothing of the C++ library's locales is woken for it.
    std::FILE* in = std::fopen(path, "rb");
    if (!in) return false;
    char buffer[16384];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) wav.bytes.insert(wav.bytes.end(), buffer, buffer + n);
    std::fclose(in);
    const std::size_t n = wav.bytes.size();
    const char* b = wav.bytes.data();
    if (n < 12 || std::memcmp(b, "RIFF", 4) != 0 || std::memcmp(b + 8, "WAVE", 4) != 0) return false;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= n;) {
        const char* chunk = b + at;
        const std::size_t size = le32(chunk + 4);
        const std::size_t body = at + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16 && body + 16 <= n) {
            const uint16_t tag = le16(b + body);
            const unsigned bits = le16(b + body + 14);
            wav.channels = le16(b + body + 2);
            wav.rate = le32(b + body + 4);
            if (tag != 1 && tag != 0xFFFE) return false;  // PCM, or PCM described by the extensible header
            switch (bits) {
            case 8: wav.format = SND_PCM_FORMAT_U8; break;
            case 16: wav.format = SND_PCM_FORMAT_S16_LE; break;
            case 24: wav.format = SND_PCM_FORMAT_S24_3LE; break;
            case 32: wav.format = SND_PCM_FORMAT_S32_LE; break;
            default: return false;
            }
            wav.frameBytes = wav.channels * (bits / 8);
            haveFormat = wav.channels > 0 && wav.rate > 0;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            wav.dataOffset = body;
            wav.dataSize = std::min(size, n - body);  // a file cut short plays what it has
            return haveFormat && wav.frameBytes > 0;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return false;
}

// ALSA prints its complaints (no sound card, say) on the standard error; a
// game without a sound card is silent, also there.
extern "C" void quiet(const char*, int, const char*, int, const char*, ...) {}

// ALSA reads its configuration files at the first open and keeps them; they
// are let go again once no sound is playing, so that a silent game holds none
// of it. Guarded, as ALSA asks, so that no stream opens meanwhile.
std::mutex configGuard;
int streamsOpen = 0;

snd_pcm_t* openOutput() {
    const std::lock_guard<std::mutex> lock(configGuard);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
        if (streamsOpen == 0) snd_config_update_free_global();
        return nullptr;
    }
    ++streamsOpen;
    return pcm;
}

void closeOutput(snd_pcm_t* pcm) {
    const std::lock_guard<std::mutex> lock(configGuard);
    snd_pcm_close(pcm);
    if (--streamsOpen == 0) snd_config_update_free_global();
}

}  // namespace

extern "C" __attribute__((visibility("default"))) long quellix_play_wav(const char* path,
                                                                        const std::atomic<bool>* stop) {
    Wav wav;
    if (!path || !readWav(path, wav)) return 0;
    snd_lib_error_set_handler(quiet);
    snd_pcm_t* pcm = openOutput();
    if (!pcm) return -1;
    long written = 0;
    // Resampled by ALSA where the output cannot take the file's rate; a tenth of a second of buffer.
    if (snd_pcm_set_params(pcm, wav.format, SND_PCM_ACCESS_RW_INTERLEAVED, wav.channels, wav.rate, 1, 100000) == 0) {
        const char* data = wav.bytes.data() + wav.dataOffset;
        const auto frames = static_cast<snd_pcm_sframes_t>(wav.dataSize / wav.frameBytes);
        const snd_pcm_sframes_t step = std::max<snd_pcm_sframes_t>(wav.rate / 100, 64);  // 10 ms
        bool stopped = false;
        while (written < frames) {
            if (stop && stop->load(std::memory_order_relaxed)) {
                stopped = true;
                break;
            }
            const snd_pcm_sframes_t n = std::min<snd_pcm_sframes_t>(step, frames - written);
            snd_pcm_sframes_t done = snd_pcm_writei(pcm, data + static_cast<std::size_t>(written) * wav.frameBytes,
                                                    static_cast<snd_pcm_uframes_t>(n));
            if (done < 0) done = snd_pcm_recover(pcm, static_cast<int>(done), 1);
            if (done < 0) break;  // the output has gone
            written += done;
        }
        if (stopped) {
            snd_pcm_drop(pcm);
        } else {
            snd_pcm_drain(pcm);
        }
    }
    closeOutput(pcm);
    return written;
}

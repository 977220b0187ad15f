// The music player's timer tick: its cost for a 16-track song, and how late
// the events of a whole song go out, in periods of the timer.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

#include "audio/MidiPlayer.h"

namespace {

const int TRACKS = 16;
const int DIVISION = 96;

class BenchPlatform : public MidiPlatform {
public:
    UINT timer = 0;
    int timersStarted = 0;
    int tick = 0;
    bool record = false;
    // Per channel, the tick each message went out on.
    std::vector<int> sentAt[TRACKS];

    UINT OutDeviceCount() override { return 0; }
    bool OutDeviceName(UINT, char*, size_t) override { return false; }
    MidiOutHandle OpenOut(int) override { return &device_; }
    void ResetOut(MidiOutHandle) override {}
    void SendShort(MidiOutHandle, DWORD message) override
    {
        if (record)
            sentAt[message & 0x0F].push_back(tick);
    }
    void CloseOut(MidiOutHandle) override {}
    UINT MinTimerPeriod() override { return 1; }
    void BeginTimerPeriod(UINT) override {}
    void EndTimerPeriod(UINT) override {}
    UINT StartTimer(UINT, CMidiPlayer*) override { return timer = ++timersStarted; }
    void KillTimer(UINT id) override
    {
        if (id == timer)
            timer = 0;
    }
    void Sleep(DWORD) override {}
    bool CurrentDirectory(char*, size_t) override { return false; }

private:
    int device_ = 0;
};

void AppendVarLen(std::vector<uint8_t>& out, uint32_t value)
{
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (count-- > 1)
        out.push_back(groups[count] | 0x80);
    out.push_back(groups[0]);
}

void AppendBigEndian(std::vector<uint8_t>& out, uint32_t value, int size)
{
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// A song of 16 tracks of notes on channels of their own, with the song tick
// of every event per track.
struct BenchSong {
    std::string path;
    std::vector<uint32_t> due[TRACKS];
};

BenchSong WriteSong(int notesPerTrack)
{
    BenchSong song;
    song.path = "/tmp/mossleaf-music-bench-" + std::to_string(getpid()) + ".mid";
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    AppendBigEndian(file, TRACKS, 2);
    AppendBigEndian(file, DIVISION, 2);
    uint32_t random = 12345;
    for (int t = 0; t < TRACKS; ++t) {
        std::vector<uint8_t> track;
        uint32_t at = 0;
        for (int n = 0; n < 2 * notesPerTrack; ++n) {
            random = random * 1103515245 + 12345;
            const uint32_t delta = (random >> 16) % 48;
            at += delta;
            AppendVarLen(track, delta);
            track.insert(track.end(), {uint8_t((n % 2 ? 0x80 : 0x90) | t), uint8_t(40 + n % 40),
                                       uint8_t(n % 2 ? 0 : 90)});
            song.due[t].push_back(at);
        }
        track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        AppendBigEndian(file, static_cast<uint32_t>(track.size()), 4);
        file.insert(file.end(), track.begin(), track.end());
    }
    std::FILE* out = std::fopen(song.path.c_str(), "wb");
    if (out) {
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);
    }
    return song;
}

void BM_OnTimerTick16Tracks(benchmark::State& state)
{
    const BenchSong song = WriteSong(2000);
    BenchPlatform platform;
    CMidiPlayer player(platform);
    player.InitPlayer(nullptr);
    player.StartSong(song.path.c_str());
    if (!platform.timer) {
        state.SkipWithError("the song did not load");
        return;
    }
    for (auto _ : state)
        player.OnTimer(platform.timer);
    player.ClosePlayer();
    std::remove(song.path.c_str());
}
BENCHMARK(BM_OnTimerTick16Tracks)->Repetitions(9)->ReportAggregatesOnly(true);

// One whole song; the counters give the worst and the least lateness of its
// events in periods (never early means the least is not below 0).
void BM_WholeSongLateness(benchmark::State& state)
{
    const BenchSong song = WriteSong(200);
    double worst = 0;
    double least = 1e9;
    for (auto _ : state) {
        BenchPlatform platform;
        CMidiPlayer player(platform);
        player.InitPlayer(nullptr);
        platform.record = true;
        player.StartSong(song.path.c_str());
        const double step = player.Step();
        // The song loops on its own timer, so play until every track has
        // sent all of its events once.
        const auto songSent = [&] {
            for (int t = 0; t < TRACKS; ++t)
                if (platform.sentAt[t].size() < song.due[t].size())
                    return false;
            return true;
        };
        const int tickLimit = 1000000;
        while (platform.timer && !songSent() && platform.tick < tickLimit) {
            ++platform.tick;
            player.OnTimer(platform.timer);
        }
        for (int t = 0; t < TRACKS; ++t) {
            const size_t count = std::min(song.due[t].size(), platform.sentAt[t].size());
            if (count != song.due[t].size()) {
                state.SkipWithError("events missing");
                return;
            }
            for (size_t i = 0; i < count; ++i) {
                // Tick 1 stands at song position 0.
                const double lateness = (platform.sentAt[t][i] - 1) - song.due[t][i] / step;
                worst = std::max(worst, lateness);
                least = std::min(least, lateness);
            }
        }
    }
    state.counters["worst_lateness_periods"] = worst;
    state.counters["least_lateness_periods"] = least;
    std::remove(song.path.c_str());
}
BENCHMARK(BM_WholeSongLateness)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

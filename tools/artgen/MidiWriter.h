// Builds a Standard MIDI File, format 1: events are added per track at
// absolute ticks and written with delta times, each track closed by an
// end-of-track event at the song's length.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class MidiWriter {
public:
    explicit MidiWriter(int division) : division_(division) {}

    int addTrack(const std::string& name);
    void tempo(int track, uint32_t tick, uint32_t microsecondsPerQuarter);
    void timeSignature(int track, uint32_t tick, int numerator, int denominatorPower);
    void program(int track, uint32_t tick, int channel, int program);
    void controller(int track, uint32_t tick, int channel, int number, int value);
    void note(int track, uint32_t tick, uint32_t length, int channel, int key, int velocity);

    // Every track ends at `length` ticks, so the song loops as one piece.
    std::vector<unsigned char> bytes(uint32_t length) const;

private:
    static void putVarLen(std::vector<unsigned char>& out, uint32_t value);

    struct Event {
        uint32_t tick;
        // Note-offs sort before anything else at the same tick, so a note
        // repeated back to back is released before it is struck again.
        int order;
        int sequence;
        std::vector<unsigned char> data;
    };
    void add(int track, uint32_t tick, int order, std::vector<unsigned char> data);

    int division_;
    std::vector<std::vector<Event>> tracks_;
    int sequence_ = 0;
};

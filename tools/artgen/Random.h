// A small fixed generator, so scattered decoration lands in the same place
// on every run and every machine.
#pragma once

#include <cstdint>

class Random {
public:
    explicit Random(uint32_t seed) : state_(seed * 2654435761u + 1) {}
    uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double uniform(double low, double high) { return low + (high - low) * (next() / 4294967296.0); }

private:
    uint32_t state_;
};

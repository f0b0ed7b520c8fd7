// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Floyd-Steinberg error diffusion of a level quantiser's row as a state
// machine, for dither.cpp. Where a channel's error after a pixel can take
// only a few values, each pixel is a table from the state (error) before it
// to the state after it, looked up by its base: its value and the error
// from the row above, in sixteenths, and a half. So the step each pixel
// waits for is one byte shuffle instead of an addition, a shift and a
// lookup; the tables' offsets before it, and the codes and the errors for
// the row below after it, are worked out sixteen pixels at a time.

constexpr int kChainStates = 32;   // a table's entries: one vector register

// One channel of a row; a state is the error less nErrorLow.
struct ChainChannel {
    const std::uint8_t* tables;   // kChainStates a base, from nBaseLow
    int nBaseLow;
    int nErrorLow;
    int nStates;                  // from 0
    const std::uint8_t* level;    // the level by value, 256 of them
    int nShift;                   // of the level in the code
    // Room for one a pixel and kChainSpare more, which the vector passes
    // fill with what they like:
    std::int32_t* above;          // the errors the row above gave, in sixteenths
    std::int32_t* below;          // those this row gives the next
    std::int32_t* offsets;
    std::uint8_t* states;         // one more each side, those two the state of no error
};

constexpr int kChainSpare = 16;

// Whether this processor runs the chains (AVX-512 with byte shuffles).
bool HasDiffusionChains();

// Codes one row of nWidth pixels of nChannels (1 or 3) bytes, left to right
// or right to left, into d.
void DiffuseChainRow(const std::uint8_t* s, ChainChannel* channels, int nChannels, std::int32_t nWidth,
                     bool bLeftToRight, std::uint16_t* d);

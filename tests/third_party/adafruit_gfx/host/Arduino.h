// Host stand-in for the Arduino core: only what Adafruit_GFX needs to build
// and draw into its canvases in a test program.
#pragma once
#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

typedef bool boolean;

#define radians(degrees) ((degrees) * M_PI / 180.0)

class __FlashStringHelper;

class String {
public:
    explicit String(const char* text = "") : m_text(text) {}
    unsigned int length() const { return static_cast<unsigned int>(strlen(m_text)); }
    const char* c_str() const { return m_text; }

private:
    const char* m_text;
};

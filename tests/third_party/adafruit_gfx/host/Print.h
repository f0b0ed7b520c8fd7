// Host stand-in for the Arduino Print class that Adafruit_GFX derives from.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <string.h>

class Print {
public:
    virtual ~Print() {}
    virtual size_t write(uint8_t) = 0;
    virtual size_t write(const uint8_t* buffer, size_t size)
    {
        size_t n = 0;
        while (size-- > 0) n += write(*buffer++);
        return n;
    }
    size_t write(const char* text) { return write(reinterpret_cast<const uint8_t*>(text), strlen(text)); }
    size_t print(const char* text) { return write(text); }
};

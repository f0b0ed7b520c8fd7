#include "core/color_mode.h"

bool IsKnownColorMode(ColorMode mode)
{
    switch (mode) {
    case ColorMode::Mono:
    case ColorMode::Colors64:
    case ColorMode::Colors256:
    case ColorMode::Rgb555:
    case ColorMode::Rgb565:
    case ColorMode::Full:
        return true;
    }
    return false;
}

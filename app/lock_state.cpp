// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lock_state.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

std::optional<unsigned> ReadLockState()
{
    const auto* pX11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* pDisplay = pX11 != nullptr ? pX11->display() : nullptr;
    if (pDisplay == nullptr) return std::nullopt;
    struct Indicator {
        const char* pszName;
        unsigned nLock;
    };
    static const Indicator kIndicators[] = {
        {"Kana", lock::kKana}, {"Caps Lock", lock::kCaps}, {"Num Lock", lock::kNum}, {"Scroll Lock", lock::kScroll}};
    unsigned nLocks = 0;
    for (const Indicator& indicator : kIndicators) {
        // A keymap without the indicator has no atom for it either: that lock reads as off.
        const Atom name = XInternAtom(pDisplay, indicator.pszName, True);
        Bool bOn = False;
        if (name != None && XkbGetNamedIndicator(pDisplay, name, nullptr, &bOn, nullptr, nullptr) && bOn)
            nLocks |= indicator.nLock;
    }
    return nLocks;
}

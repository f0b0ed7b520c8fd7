// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_check.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string_view Environment(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr ? pszValue : "";
}

bool XServerAnswers()
{
    // An empty DISPLAY makes Xlib fail at once, as it does for a dead server.
    Display* pDisplay = XOpenDisplay(nullptr);
    if (pDisplay == nullptr) return false;
    XCloseDisplay(pDisplay);
    return true;
}

bool WaylandCompositorAnswers()
{
    const std::string_view name = Environment("WAYLAND_DISPLAY");
    if (name.empty()) return false;
    // A relative name lives in the runtime folder, as libwayland looks for it.
    std::string path(name);
    if (!name.starts_with('/')) {
        const std::string_view runtimeDir = Environment("XDG_RUNTIME_DIR");
        if (runtimeDir.empty()) return false;
        path = std::string(runtimeDir) + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool bConnected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bConnected;
}

// Any other platform (offscreen, vnc, eglfs …) needs no display server.
bool PlatformCanStart(std::string_view platform)
{
    const std::string_view name = platform.substr(0, platform.find(':'));
    if (name == "xcb") return XServerAnswers();
    if (name.starts_with("wayland")) return WaylandCompositorAnswers();
    return true;
}

} // namespace

bool CanOpenDisplay()
{
    // Qt tries the platforms of QT_QPA_PLATFORM in turn, or else X11, after
    // Wayland in a Wayland session.
    std::string_view platforms = Environment("QT_QPA_PLATFORM");
    if (platforms.empty())
        return (Environment("XDG_SESSION_TYPE") == "wayland" && WaylandCompositorAnswers()) || XServerAnswers();
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        if (PlatformCanStart(platforms.substr(0, end))) return true;
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
    }
    return false;
}

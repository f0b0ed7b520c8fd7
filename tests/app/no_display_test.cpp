// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_check.h"
#include "app/res/strings.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A display number no X server listens on: no socket file, no abstract
// socket, no TCP port.
std::string DeadDisplay()
{
    const std::string unixSockets = ReadText("/proc/net/unix");
    const std::string tcpPorts = ReadText("/proc/net/tcp") + ReadText("/proc/net/tcp6");
    for (int n = 4242;; ++n) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        char port[16];
        std::snprintf(port, sizeof port, ":%04X", 6000 + n);
        if (!std::filesystem::exists(socket) && unixSockets.find(socket) == std::string::npos &&
            tcpPorts.find(port) == std::string::npos)
            return ":" + std::to_string(n);
    }
}

// Sets the display variables for one case and puts the old values back.
class DisplayEnvironment {
public:
    struct Setting {
        const char* pszName;
        std::optional<std::string> value;
    };
    explicit DisplayEnvironment(const std::vector<Setting>& settings)
    {
        for (const char* pszName : kNames) {
            const char* pszOld = std::getenv(pszName);
            m_saved.push_back({pszName, pszOld != nullptr ? std::optional<std::string>(pszOld) : std::nullopt});
            unsetenv(pszName);
        }
        for (const Setting& setting : settings) setenv(setting.pszName, setting.value->c_str(), 1);
    }
    ~DisplayEnvironment()
    {
        for (const Setting& setting : m_saved)
            setting.value ? setenv(setting.pszName, setting.value->c_str(), 1) : unsetenv(setting.pszName);
    }

private:
    static constexpr const char* kNames[] = {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "XDG_RUNTIME_DIR",
                                             "QT_QPA_PLATFORM"};
    std::vector<Setting> m_saved;
};

TEST(NoDisplayTest, TheProgramSaysNoDisplayCouldBeOpenedAndExits3WhenDisplayIsUnsetEmptyOrDead)
{
    const TempDir dir;
    const std::string dead = DeadDisplay();
    for (const std::string& display : {std::string("-u DISPLAY"), std::string("DISPLAY="), "DISPLAY=" + dead}) {
        const std::string command = "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE " + display +
                                    " " TOVIX_BIN " --no-splash 2>" + dir.File("err");
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << display << " ended on signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 3) << display;
        EXPECT_EQ(ReadText(dir.File("err")), std::string(res::str::kNoDisplay) + "\n") << display;
    }
}

TEST(NoDisplayTest, ADisplayCountsOnlyOnAPlatformQtWouldTryAndOnlyWhenItAnswers)
{
    // A listening socket stands in for a Wayland compositor.
    const TempDir runtime;
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = runtime.File("wayland-test");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);

    const std::string dead = DeadDisplay();
    const struct {
        const char* what;
        std::vector<DisplayEnvironment::Setting> settings;
        bool bCanOpen;
    } cases[] = {
        {"nothing set", {}, false},
        {"empty DISPLAY", {{"DISPLAY", ""}}, false},
        {"dead DISPLAY", {{"DISPLAY", dead}}, false},
        {"dead DISPLAY on xcb by name", {{"DISPLAY", dead}, {"QT_QPA_PLATFORM", "xcb:nograb"}}, false},
        {"compositor outside a Wayland session", {{"XDG_RUNTIME_DIR", runtime.Path()}, {"WAYLAND_DISPLAY", "wayland-test"}}, false},
        {"compositor in a Wayland session",
         {{"XDG_RUNTIME_DIR", runtime.Path()}, {"WAYLAND_DISPLAY", "wayland-test"}, {"XDG_SESSION_TYPE", "wayland"}}, true},
        {"no compositor in a Wayland session",
         {{"XDG_RUNTIME_DIR", runtime.Path()}, {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}}, false},
        {"compositor by absolute path", {{"WAYLAND_DISPLAY", socketPath}, {"QT_QPA_PLATFORM", "wayland"}}, true},
        {"dead X, then a compositor", {{"DISPLAY", dead}, {"WAYLAND_DISPLAY", socketPath}, {"QT_QPA_PLATFORM", "xcb;wayland"}}, true},
        {"offscreen", {{"QT_QPA_PLATFORM", "offscreen"}}, true},
        {"dead X, then offscreen", {{"DISPLAY", dead}, {"QT_QPA_PLATFORM", "xcb;offscreen"}}, true},
    };
    for (const auto& c : cases) {
        const DisplayEnvironment environment(c.settings);
        EXPECT_EQ(CanOpenDisplay(), c.bCanOpen) << c.what;
    }
    close(listener);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <optional>
#include <span>
#include <unordered_map>

// The state of a menu item, toolbar button or accelerator, as an update
// handler leaves it.
struct CCmdUI {
    bool bEnabled = true;
    std::optional<bool> checked;        // set by handlers of commands that carry a check mark
    bool bVisible = true;
    std::optional<QString> text;        // set by handlers that rewrite the label
};

// Something commands are routed to: a table from command id to its handler
// and its update handler.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the command's handler; false when this target has none.
    bool OnCmdMsg(int nId) const;

    // Runs the command's update handler; false when this target has none.
    bool OnUpdateCmdMsg(int nId, CCmdUI& ui) const;

    bool HasHandler(int nId) const;

protected:
    void OnCommand(int nId, std::function<void()> handler);
    void OnUpdateCommand(int nId, std::function<void(CCmdUI&)> update);

private:
    std::unordered_map<int, std::function<void()>> m_handlers;
    std::unordered_map<int, std::function<void(CCmdUI&)>> m_updates;
};

// The targets a command passes, first to last: view, document, frame, application.
using CommandRoute = std::span<const CCmdTarget* const>;

// A command's state along a route: the first update handler decides; without
// one, the command is enabled exactly when some target handles it.
CCmdUI QueryCommandState(CommandRoute route, int nId);

// Runs the command at the first target that handles it, if it is enabled.
// Returns whether a handler ran. Whatever a handler throws goes to
// reportFailure instead of ending the program.
bool RouteCommand(CommandRoute route, int nId,
                  const std::function<void(const std::exception&)>& reportFailure);

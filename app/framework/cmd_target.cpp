// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framework/cmd_target.h"

bool CCmdTarget::OnCmdMsg(int nId) const
{
    const auto it = m_handlers.find(nId);
    if (it == m_handlers.end()) return false;
    it->second();
    return true;
}

bool CCmdTarget::OnUpdateCmdMsg(int nId, CCmdUI& ui) const
{
    const auto it = m_updates.find(nId);
    if (it == m_updates.end()) return false;
    it->second(ui);
    return true;
}

bool CCmdTarget::HasHandler(int nId) const
{
    return m_handlers.contains(nId);
}

void CCmdTarget::OnCommand(int nId, std::function<void()> handler)
{
    m_handlers[nId] = std::move(handler);
}

void CCmdTarget::OnUpdateCommand(int nId, std::function<void(CCmdUI&)> update)
{
    m_updates[nId] = std::move(update);
}

CCmdUI QueryCommandState(CommandRoute route, int nId)
{
    CCmdUI ui;
    for (const CCmdTarget* target : route)
        if (target->OnUpdateCmdMsg(nId, ui)) return ui;
    ui.bEnabled = false;
    for (const CCmdTarget* target : route)
        if (target->HasHandler(nId)) ui.bEnabled = true;
    return ui;
}

bool RouteCommand(CommandRoute route, int nId,
                  const std::function<void(const std::exception&)>& reportFailure)
{
    if (!QueryCommandState(route, nId).bEnabled) return false;
    for (const CCmdTarget* target : route) {
        // Failures come back as values; only allocation failure throws, and
        // the user's other documents must outlive it.
        try {
            if (target->OnCmdMsg(nId)) return true;
        } catch (const std::exception& e) {
            reportFailure(e);
            return true;
        }
    }
    return false;
}

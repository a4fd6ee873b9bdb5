#pragma once

#include "settings/FolderDialog.h"

#include <deque>
#include <string>
#include <vector>

namespace tolk::testing {

/// A folder dialog that never shows itself: each dialog plays what a test queued for it, as a
/// user would act (move the dialog, select folders, confirm or cancel). It notifies its events
/// as the platform's dialog does, the selection of the initial folder included.
class ScriptedFolderDialog : public FolderDialog {
public:
    /// What the user does in one dialog, in order.
    class Visit {
    public:
        Visit& Move(std::int32_t left, std::int32_t top) {
            m_actions.push_back({false, {}, left, top});
            return *this;
        }
        Visit& Select(const std::string& folder) {
            m_actions.push_back({true, folder, 0, 0});
            return *this;
        }
        /// Ends the dialog with the selected folder, or with no path when the confirmed item
        /// has none in the file system.
        void Confirm(bool withPath = true) {
            m_confirmed = true;
            m_withPath = withPath;
        }
        void Cancel() { m_confirmed = false; }

    private:
        friend class ScriptedFolderDialog;
        struct Action {
            bool select;
            std::string folder;
            std::int32_t left;
            std::int32_t top;
        };
        std::vector<Action> m_actions;
        bool m_confirmed = false; ///< a visit that is not confirmed ends in Cancel
        bool m_withPath = true;
    };

    /// Queues the next dialog's visit; a dialog with none queued is cancelled at once.
    Visit& Next() { return m_visits.emplace_back(); }

    /// Where the platform puts a new dialog, and in which size.
    WindowBounds placement{120, 90, 120 + 400, 90 + 350};

    /// Per dialog opened: its prompt, the folder selected first and where the user first saw it.
    std::vector<std::string> prompts;
    std::vector<std::string> initialFolders;
    std::vector<WindowBounds> shownAt;

    std::optional<std::string> Run(const std::string& prompt, Events& events) override {
        m_events = &events;
        m_rect = placement;
        m_selected.clear();
        prompts.push_back(prompt);
        events.DialogInitialized(*this);
        initialFolders.push_back(m_selected);
        shownAt.push_back(m_rect);

        Visit visit;
        if (!m_visits.empty()) {
            visit = m_visits.front();
            m_visits.pop_front();
        }
        for (const Visit::Action& action : visit.m_actions) {
            if (action.select) {
                SelectFolder(action.folder);
            } else {
                MoveTo(action.left, action.top);
            }
        }
        m_events = nullptr;
        if (!visit.m_confirmed) {
            return std::nullopt;
        }
        return visit.m_withPath ? m_selected : std::string();
    }

    void SelectFolder(const std::string& path) override {
        m_selected = path;
        m_events->SelectionChanged(*this);
    }
    WindowBounds OuterRect() const override { return m_rect; }
    void MoveTo(std::int32_t left, std::int32_t top) override {
        m_rect = {left, top, left + m_rect.Right - m_rect.Left, top + m_rect.Bottom - m_rect.Top};
    }

private:
    std::deque<Visit> m_visits;
    Events* m_events = nullptr;
    WindowBounds m_rect;
    std::string m_selected;
};

} // namespace tolk::testing

#pragma once

#include <functional>
#include <map>

namespace zorvan {

// One command: the id of the control or menu item that sent it and the
// modifier keys held with it (Ctrl counts as Alt).
struct CommandEvent {
    int id = 0;
    bool shift = false;
    bool alt = false;
};

// The command map: control and menu ids to their handlers. A button's press
// and a scripted press both run through here.
class CommandTable {
public:
    using Handler = std::function<void(const CommandEvent &)>;

    void add(int id, Handler handler) { m_handlers[id] = std::move(handler); }
    // A second id that sends the same command (a menu item for a button).
    void alias(int id, int commandId) { m_aliases[id] = commandId; }
    int resolve(int id) const
    {
        auto it = m_aliases.find(id);
        return it == m_aliases.end() ? id : it->second;
    }
    bool contains(int id) const { return m_handlers.count(resolve(id)) != 0; }
    // False when no handler is registered for the id.
    bool run(const CommandEvent &event) const
    {
        auto it = m_handlers.find(resolve(event.id));
        if (it == m_handlers.end())
            return false;
        it->second(event);
        return true;
    }

private:
    std::map<int, Handler> m_handlers;
    std::map<int, int> m_aliases;
};

} // namespace zorvan

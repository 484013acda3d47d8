// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <utility>

namespace kelvastro {

class Form;

// Work a handler posts to run once the event it handles is done. Each piece
// is tied to the form that posted it and dropped with it; a front end runs
// the pieces from its event loop, one per wake-up or all at once.
class PostedWork {
public:
    void post(const Form &owner, std::function<void()> work) { m_queue.emplace_back(&owner, std::move(work)); }
    // Runs the oldest piece; false when there was none.
    bool runNext();
    // The form is going: its work never runs.
    void drop(const Form &owner);
    void clear() { m_queue.clear(); }
    bool empty() const { return m_queue.empty(); }

private:
    std::deque<std::pair<const Form *, std::function<void()>>> m_queue;
};

} // namespace kelvastro

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/postedwork.h"

#include <algorithm>

namespace kelvastro {

bool PostedWork::runNext()
{
    if (m_queue.empty())
        return false;
    // Taken off first: the work may post more, or drop its own form.
    auto work = std::move(m_queue.front().second);
    m_queue.pop_front();
    work();
    return true;
}

void PostedWork::drop(const Form &owner)
{
    std::erase_if(m_queue, [&owner](const auto &piece) { return piece.first == &owner; });
}

} // namespace kelvastro

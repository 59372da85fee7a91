#pragma once

#include <deque>
#include <utility>

namespace htmlsim::testing {

// The next answer the test queued, or whenEmpty (a cancel) when it queued none.
template <typename T>
T TakeFront(std::deque<T>& queue, T whenEmpty = T()) {
    if (queue.empty()) {
        return whenEmpty;
    }
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace htmlsim::testing

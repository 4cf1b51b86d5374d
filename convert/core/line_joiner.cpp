#include "convert/core/line_joiner.h"

#include <utility>

namespace kestrum {

std::string LineJoiner::Take(std::string_view chunk) {
    const std::size_t lastBreak = chunk.find_last_of("\r\n");
    if (lastBreak == std::string_view::npos) {
        waiting_.append(chunk);
        return waiting_.size() > kMaxWaiting ? Flush() : std::string();
    }
    std::string whole = std::move(waiting_);
    whole.append(chunk.substr(0, lastBreak + 1));
    waiting_.assign(chunk.substr(lastBreak + 1));
    return whole;
}

std::string LineJoiner::Flush() {
    return std::exchange(waiting_, std::string());
}

}  // namespace kestrum

#pragma once

#include <string>
#include <string_view>

namespace kestrum {

// Puts back together the lines of one pipe that reads cut apart. The encoder
// writes a line in pieces ("  Duration: ", then the time), and a read can come
// between them; parsed apart, such a duration line reads as 0 and the whole
// file shows no progress. So what follows the last line break of a read
// waits for the next read of the same pipe.
class LineJoiner {
public:
    // The text of whole lines that `chunk` completes, breaks included; what
    // is left waits. A remainder that grows past kMaxWaiting without a break
    // is handed on as it is, so a stream without breaks costs no memory.
    std::string Take(std::string_view chunk);
    // What is still waiting, at the end of the stream.
    std::string Flush();

    static constexpr std::size_t kMaxWaiting = 64 * 1024;

private:
    std::string waiting_;
};

}  // namespace kestrum

#pragma once

#include <string>
#include <string_view>

namespace kestrum {

// The file a job's encoder writes while it works: beside the output, under a
// name of its own that says it is unfinished ("my clip.partial-3f9c.mp3";
// the output's extension stays last, so the encoder picks the same format),
// and created by us, so that it is nobody else's. Only a whole file takes the
// output's name, in one step; every other end of the job removes it, so an
// existing output is never touched unless a complete new file replaces it.
class PartialOutput {
public:
    PartialOutput() = default;
    // Removes the file if it is still held.
    ~PartialOutput();
    PartialOutput(const PartialOutput&) = delete;
    PartialOutput& operator=(const PartialOutput&) = delete;

    // Creates the file for `output` (beside the file a symbolic link at
    // `output` points to). `replace`: the user agreed to replace an existing
    // output; otherwise an output that appears meanwhile is kept. Returns 0
    // or the system's error code; Path names the file, or the last name tried.
    int Create(const std::string& output, bool replace);
    const std::string& Path() const { return path_; }

    // Gives the whole file the output's name. Returns 0 or the system's error
    // code; either way nothing is held afterwards (a file that could not take
    // the output's name is removed).
    int Commit();
    // Removes the file, if held.
    void Discard();

private:
    std::string target_;
    std::string path_;
    bool replace_ = false;
    bool held_ = false;
};

// "<folder><name>.partial-<tag><extension>" for the output
// "<folder><name><extension>"; without `name` for an output whose name is too
// long to take more.
std::string PartialOutputName(std::string_view output, std::string_view tag, bool withName = true);

}  // namespace kestrum

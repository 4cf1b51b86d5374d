// A stand-in for the encoder: called the way the runner calls ffmpeg
// ([-y] -i INPUT ARGUMENTS... OUTPUT), it plays the script in INPUT, one
// command a line:
//   out TEXT / err TEXT   one write of TEXT to stdout / stderr; \n \r \0 \\ escaped
//   repeat N MS TEXT      N writes of TEXT to stderr, MS milliseconds apart
//   flood BYTES           BYTES of filler lines to stderr, 64 KiB a write
//   timed N MS FILE       N position lines "time=i.00" to stderr, MS apart; the
//                         CLOCK_MONOTONIC time of each write (ns) into FILE at the end
//   sleep MS              sleep
//   stamp FILE            write the CLOCK_MONOTONIC time (ns) into FILE
//   exit CODE             end with that status (the script's end: status 0)
//   crash                 die by SIGABRT (on Windows: abort, exit code 3)
//   ignore-signals        ignore SIGINT, SIGTERM and SIGHUP (Windows: Ctrl-C, Ctrl-Break)
//   stdin                 read standard input to its end, then write "stdin closed"
//   pid FILE              write "pid pgid" (on Windows: "pid") into FILE
//   fds FILE              write the open descriptors, one a line, into FILE (POSIX)
//   args FILE             write the arguments, one a line, into FILE
//   grandchild FILE       start a process that writes its pid into FILE and sleeps (POSIX)
//   touch                 create the output file
//   write BYTES           append BYTES bytes "w" to the output file (its last
//                         argument), which the run's first write empties, as an
//                         encoder told "-y" does; a failed write ends the run
//                         with status 1, as ffmpeg ends on a full disk
//   limit-file-size BYTES no file may grow beyond BYTES any more (POSIX: the
//                         file-size limit, with SIGXFSZ ignored), as on a disk
//                         with that much room
//   hold FILE MS          keep FILE open for MS milliseconds, without sharing on
//                         Windows, under an exclusive lock on POSIX; FILE.held
//                         appears once it is held
// Files are written under a temporary name and renamed, so a reader polling
// for them sees them whole. What differs between the systems lives in
// fake_encoder_posix.cpp and fake_encoder_win32.cpp.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "fake_encoder_system.h"

namespace {

using namespace fake_encoder;

void Sleep(long ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void WriteFileWhole(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".part";
    std::ofstream(temporary, std::ios::binary) << content;
    std::remove(path.c_str());  // Windows renames over no existing file
    std::rename(temporary.c_str(), path.c_str());
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        const char c = text[++i];
        out.push_back(c == 'n' ? '\n' : c == 'r' ? '\r' : c == '0' ? '\0' : c);
    }
    return out;
}

// The output as "write" fills it, and the room left for it.
std::FILE* output = nullptr;
long long room = -1;  // -1: as much as the system gives

bool WriteOutput(const std::string& path, long long bytes) {
    if (output == nullptr && (output = std::fopen(path.c_str(), "wb")) == nullptr) {
        return false;
    }
    const std::string block(65536, 'w');
    for (; bytes > 0; bytes -= static_cast<long long>(block.size())) {
        std::size_t size = bytes < static_cast<long long>(block.size())
                               ? static_cast<std::size_t>(bytes)
                               : block.size();
        const bool full = room >= 0 && static_cast<long long>(size) > room;
        if (full) {
            size = static_cast<std::size_t>(room);
        }
        if (std::fwrite(block.data(), 1, size, output) != size || std::fflush(output) != 0 ||
            full) {
            return false;
        }
        if (room >= 0) {
            room -= static_cast<long long>(size);
        }
    }
    return true;
}

void Timed(int count, long ms, const std::string& file) {
    std::string stamps;
    for (int i = 1; i <= count; ++i) {
        Sleep(ms);
        stamps += std::to_string(MonotonicNanoseconds()) + "\n";
        WriteAll(2, "frame= 1 fps=0 q=0 size=0kB time=" + std::to_string(i) + ".00 bitrate=0\n");
    }
    WriteFileWhole(file, stamps);
}

// Runs one script line; returns false when the script ends here.
bool Run(const std::string& line, const std::vector<std::string>& args, int& status) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::string rest;
    std::getline(words >> std::ws, rest);
    std::istringstream values(rest);
    if (command == "out" || command == "err") {
        WriteAll(command == "out" ? 1 : 2, Unescape(rest));
    } else if (command == "repeat") {
        int count = 0;
        long ms = 0;
        values >> count >> ms;
        std::string text;
        std::getline(values >> std::ws, text);
        for (int i = 0; i < count; ++i) {
            WriteAll(2, Unescape(text));
            Sleep(ms);
        }
    } else if (command == "flood") {
        long long bytes = std::atoll(rest.c_str());
        std::string block;
        while (block.size() < 65536) {
            block += "frame=  100 fps= 25 q=2.0 size=    1024kB bitrate= 999.9kbits/s speed=1x\n";
        }
        for (; bytes > 0; bytes -= static_cast<long long>(block.size())) {
            WriteAll(2, bytes >= static_cast<long long>(block.size())
                            ? block
                            : block.substr(0, static_cast<std::size_t>(bytes)));
        }
    } else if (command == "timed") {
        int count = 0;
        long ms = 0;
        std::string file;
        values >> count >> ms >> file;
        Timed(count, ms, file);
    } else if (command == "sleep") {
        Sleep(std::atol(rest.c_str()));
    } else if (command == "stamp") {
        WriteFileWhole(rest, std::to_string(MonotonicNanoseconds()));
    } else if (command == "exit") {
        status = std::atoi(rest.c_str());
        return false;
    } else if (command == "crash") {
        std::abort();
    } else if (command == "ignore-signals") {
        IgnoreStopSignals();
    } else if (command == "stdin") {
        ReadStandardInputToItsEnd();
        WriteAll(2, "stdin closed\n");
    } else if (command == "pid") {
        WriteFileWhole(rest, ProcessIdentity());
    } else if (command == "fds") {
        WriteFileWhole(rest, OpenDescriptors());
    } else if (command == "args") {
        std::string list;
        for (const std::string& arg : args) {
            list += arg + "\n";
        }
        WriteFileWhole(rest, list);
    } else if (command == "grandchild") {
        StartGrandchild(rest, [](const std::string& file, const std::string& content) {
            WriteFileWhole(file, content);
        });
    } else if (command == "hold") {
        const std::size_t last = rest.rfind(' ');  // the file's name may hold blanks
        const std::string file = rest.substr(0, last);
        HoldFileOpen(file, std::atol(rest.c_str() + last + 1),
                     [&file] { WriteFileWhole(file + ".held", "held"); });
    } else if (command == "touch") {
        std::ofstream(args.back()) << "output";
    } else if (command == "write") {
        if (!WriteOutput(args.back(), std::atoll(rest.c_str()))) {
            WriteAll(2, args.back() + ": No space left on device\n");
            status = 1;
            return false;
        }
    } else if (command == "limit-file-size") {
        if (!LimitFileSize(std::atoll(rest.c_str()))) {
            room = std::atoll(rest.c_str());
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv, argv + argc);
    std::string script;
    for (std::size_t i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "-i") {
            script = args[i + 1];
        }
    }
    std::vector<std::string> lines;
    {
        // Read whole and closed before it runs: "fds" must see only 0, 1 and 2.
        std::ifstream in(script);
        if (!in) {
            WriteAll(2, script + ": No such file or directory\n");
            return 1;
        }
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
    }
    int status = 0;
    for (const std::string& line : lines) {
        if (!Run(line, args, status)) {
            break;
        }
    }
    if (output != nullptr) {
        std::fclose(output);
    }
    return status;
}

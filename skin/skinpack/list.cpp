#include <cstdio>
#include <string>

#include "skin/core/skin_file_reader.h"
#include "skin/skinpack/skinpack_modes.h"

namespace kestrum::skinpack {

namespace {

const char* KindName(skinfile::Sk2Kind kind) {
    switch (kind) {
        case skinfile::Sk2Kind::Bitmap:
            return "bitmap";
        case skinfile::Sk2Kind::Integer:
            return "integer";
        case skinfile::Sk2Kind::Boolean:
            return "boolean";
        case skinfile::Sk2Kind::String:
            return "string";
    }
    return "?";
}

// A walk that did not end at the terminator record kept what it had read; say so.
const char* WalkNote(skinfile::Sk2WalkEnd end) {
    switch (end) {
        case skinfile::Sk2WalkEnd::RecordOutOfRange:
            return "a directory record lies outside the data";
        case skinfile::Sk2WalkEnd::RepeatedRecord:
            return "the directory loops";
        case skinfile::Sk2WalkEnd::TooManyRecords:
            return "the directory has too many records";
        case skinfile::Sk2WalkEnd::DataLimit:
            return "the entries' data overlaps";
        case skinfile::Sk2WalkEnd::Terminator:
        case skinfile::Sk2WalkEnd::BadHeader:
        case skinfile::Sk2WalkEnd::ReadFailed:
            break;
    }
    return nullptr;
}

}  // namespace

int List(const Options& options) {
    Tsk2SkinFileReader reader;
    const skinfile::SkinReadOutcome outcome = reader.Read(options.file, options.password);
    if (outcome != skinfile::SkinReadOutcome::Loaded) {
        std::fprintf(stderr, "kestrum-skinpack: %s: %s\n", options.file.c_str(),
                     std::string(skinfile::SkinReadMessage(outcome)).c_str());
        return 1;
    }
    for (const Sk2DirectoryEntry& entry : reader.Directory()) {
        std::printf("%-34s %-8s %zu\n", entry.name.c_str(), KindName(entry.kind), entry.size);
    }
    if (const char* note = WalkNote(reader.WalkEnd())) {
        std::fprintf(stderr, "kestrum-skinpack: %s: reading stopped early: %s\n",
                     options.file.c_str(), note);
    }
    if (reader.Skipped() > 0) {
        std::fprintf(stderr, "kestrum-skinpack: %s: %zu unreadable records skipped\n",
                     options.file.c_str(), reader.Skipped());
    }
    return 0;
}

}  // namespace kestrum::skinpack

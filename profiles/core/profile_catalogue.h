#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kestrum {

// One output profile: the caption the user picks (and the settings store),
// the encoder arguments it stands for, and the output extension with its dot.
struct ProfileEntry {
    std::string_view caption;
    std::string_view arguments;
    std::string_view extension;
};

// A group of the profile menu: its caption and its rows of AllProfiles().
struct ProfileGroupRow {
    std::string_view caption;
    int first;
    int count;
};

// The whole catalogue in menu order; menu and lookups both read this table.
std::span<const ProfileEntry> AllProfiles();
std::span<const ProfileGroupRow> AllProfileGroups();
std::span<const ProfileEntry> ProfilesOfGroup(const ProfileGroupRow& group);

// The argument string of a catalogue caption or of a manual command; empty
// for any other caption. Captions compare exactly, letter case included.
std::string GetProfileArguments(std::string_view caption);

// The output extension (with its ".") of a catalogue caption or of a manual
// command; empty for any other caption.
std::string GetProfileExtension(std::string_view caption);

}  // namespace kestrum

#include <string>

#include "cli/modes.h"
#include "cli/terminal.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum::cli {

// One line per profile: position, group, caption, arguments, extension,
// separated by single TABs; the values exactly as the catalogue holds them.
int ListProfiles() {
    int position = 0;
    for (const ProfileGroupRow& group : AllProfileGroups()) {
        for (const ProfileEntry& entry : ProfilesOfGroup(group)) {
            std::string line = std::to_string(++position);
            for (std::string_view field :
                 {group.caption, entry.caption, entry.arguments, entry.extension}) {
                line += '\t';
                line += field;
            }
            WriteLine(stdout, line);
        }
    }
    return 0;
}

}  // namespace kestrum::cli

#include "skin/core/skin_file_outcome.h"

namespace kestrum::skinfile {

std::string_view SkinReadMessage(SkinReadOutcome outcome) {
    switch (outcome) {
        case SkinReadOutcome::Loaded:
            return {};
        case SkinReadOutcome::FileMissing:
            return "The skin file does not exist.";
        case SkinReadOutcome::ArchiveFailed:
            return "Failed to read skin file!";
        case SkinReadOutcome::TooLarge:
            return "The skin data is larger than 64 MiB.";
        case SkinReadOutcome::SizeMismatch:
            return "The skin data is not the size its archive gives.";
        case SkinReadOutcome::BadData:
            return "The skin data has no valid header.";
        case SkinReadOutcome::TempFileFailed:
            return "No temporary file could be created for the skin data.";
    }
    return {};
}

}  // namespace kestrum::skinfile

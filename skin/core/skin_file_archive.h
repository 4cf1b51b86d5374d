#pragma once

#include <string>
#include <string_view>

#include "skin/core/skin_file_outcome.h"
#include "skin/core/skin_file_temp.h"

// The archive around a skin's data entry, read and written with libzip.
namespace kestrum::skinfile {

// Unpacks the data entry of the skin file at `path` into `out`, with the
// password when one is given. Stops reading as soon as the data outgrows the
// size the archive gives, and refuses sizes above kMaxDataEntrySize.
SkinReadOutcome ExtractSkinData(const std::string& path, const std::string& password,
                                TemporaryDataFile& out);

// Writes a skin file holding `data` as its deflated data entry, encrypted
// with AES-256 when a password is given. Returns an error text, or "".
std::string WriteSkinArchive(const std::string& path, std::string_view data,
                             const std::string& password);

}  // namespace kestrum::skinfile

#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "convert/core/batch_checks.h"

namespace kestrum::cli {

// What adapting the batch's arguments to the encoder that will run them
// dropped or only approximated; empty when nothing was.
std::vector<std::string> AdapterNotes(const BatchChoices& batch);

// One "note: ..." line each.
void WriteAdapterNotes(std::FILE* stream, const std::vector<std::string>& notes);

}  // namespace kestrum::cli

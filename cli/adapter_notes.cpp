#include "cli/adapter_notes.h"

#include "cli/terminal.h"
#include "convert/core/encoder_probe.h"
#include "profiles/core/argument_adapter.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum::cli {

std::vector<std::string> AdapterNotes(const BatchChoices& batch) {
    // The probe's answer is kept, so the batch's own jobs ask no second time.
    return AdaptArguments(
               GetProfileArguments(batch.Profile), GetProfileExtension(batch.Profile),
               ProbeEncoder(EncoderProgram(batch.NotUseAnotherFFmpeg, batch.AnotherFFmpeg)))
        .notes;
}

void WriteAdapterNotes(std::FILE* stream, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
        WriteLine(stream, "note: " + note);
    }
}

}  // namespace kestrum::cli

#include "convert/core/process_info.h"

#include "app/core/string_table.h"

namespace kestrum {

std::string FinishMessage(FinishStatus status, std::string_view inputFile,
                          std::string_view outputFile) {
    switch (status) {
        case FinishStatus::Done:
            return {};
        case FinishStatus::OutputInUse:
            return std::string(outputFile) + std::string(texts::kOutputInUse);
        case FinishStatus::OutputIsInput:
            return std::string(inputFile) + std::string(texts::kOutputIsInput);
    }
    return {};
}

}  // namespace kestrum

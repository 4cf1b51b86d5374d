// Writes a few well-formed data entries into a folder, as the fuzzer's
// starting corpus.
//
//   make_sk2_seeds FOLDER

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "skin/core/skin_file_sk2_build.h"

int main(int argc, char* argv[]) {
    using namespace kestrum::skinfile;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sk2_seeds FOLDER\n");
        return 2;
    }
    const std::vector<std::vector<Sk2Record>> seeds = {
        {},
        {IntegerRecord("SKIN2_BUTTONFONTCOLOR", 0xF2F2F2)},
        {BitmapRecord("SKIN2_BUTTON", "BM" + std::string(60, '\x7f')),
         BitmapRecord("SKIN2_CHECKBOX", "BM" + std::string(20, '\x10')),
         IntegerRecord("SKIN2_CONTROLCOLOR", -1), BooleanRecord("SKIN2_BUTTONTRANS", true),
         StringRecord("NAME", "Seed")},
        {StringRecord(std::string(kMaxNameLength, 'N'), std::string(300, 's')),
         BooleanRecord("skin2_checkboxtrans", false), IntegerRecord("SKIN2_TITLEBARICONPOSX", 6)},
    };
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream file(std::string(argv[1]) + "/seed" + std::to_string(i), std::ios::binary);
        file << BuildSk2(seeds[i]);
        if (!file) {
            std::fprintf(stderr, "make_sk2_seeds: cannot write into %s\n", argv[1]);
            return 1;
        }
    }
    return 0;
}

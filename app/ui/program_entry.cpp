#include "app/ui/program_start.h"

int main(int argc, char* argv[]) {
    return kestrum::RunProgram(argc, argv);
}

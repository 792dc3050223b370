#include "lab/cli.h"

int main(int argc, char** argv) {
    return quarrow::lab::RunLab(argc, argv);
}

#include "shared_ui/geruest.h"

int main(int argc, char** argv) {
    return kronel::PlanerGeruestStarten(argc, argv);
}

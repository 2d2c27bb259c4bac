#include "output_ui/kronelfenster.h"

int main(int argc, char** argv) {
    return kronel::ProgrammStarten(argc, argv, kronel::KronelFensterBauen);
}

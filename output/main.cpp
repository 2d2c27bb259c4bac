#include "output_ui/kronelfenster.h"

int main(int argc, char** argv) {
    return kronel::ProgrammAusfuehren(argc, argv, kronel::KronelFensterBauen);
}

#include "planner_ui/main.h"

int main(int argc, char** argv) {
    return kronel::ProgrammAusfuehren(argc, argv, kronel::PlanerFensterBauen);
}

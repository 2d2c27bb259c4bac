#include "planner_ui/main.h"

int main(int argc, char** argv) {
    return kronel::ProgrammStarten(argc, argv, kronel::PlanerFensterBauen);
}

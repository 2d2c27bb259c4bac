#include "reminder_ui/hauptfenster.h"

int main(int argc, char** argv) {
    return kronel::ProgrammStarten(argc, argv, kronel::ErinnerungFensterBauen);
}

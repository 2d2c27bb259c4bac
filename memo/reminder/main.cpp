#include "reminder_ui/hauptfenster.h"

int main(int argc, char** argv) {
    return kronel::ProgrammAusfuehren(argc, argv, kronel::ErinnerungFensterBauen);
}

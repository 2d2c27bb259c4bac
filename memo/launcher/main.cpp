#include "launcher_ui/hauptfenster.h"

int main(int argc, char** argv) {
    return kronel::StarterStarten(argc, argv);
}

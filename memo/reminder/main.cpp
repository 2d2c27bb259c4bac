#include "shared_ui/geruest.h"

int main(int argc, char** argv) {
    return kronel::LeeresHauptfensterStarten(argc, argv, QStringLiteral("Kronelol"));
}

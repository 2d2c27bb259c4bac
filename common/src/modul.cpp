#include "common/modul.h"

namespace kronel {

Modul& modul() {
    static Modul m;
    return m;
}

}  // namespace kronel

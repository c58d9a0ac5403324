#include "devices/GprsModuleMemory.h"

namespace vardeck::devices::gprsmodule {

int periodItem(int seconds) {
    if (seconds <= 180) return 0;
    if (seconds <= 3000) return 1;
    return 2;
}

int periodSeconds(int item) {
    switch (item) {
        case 0: return 60;
        case 1: return 600;
        case 2: return 3600;
        default: return -1;
    }
}

}  // namespace vardeck::devices::gprsmodule

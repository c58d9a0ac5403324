#include "z4link/AtReply.h"

namespace vardeck {
namespace {

constexpr uint8_t kCr = 13;
constexpr uint8_t kLf = 10;

// Two received bytes a, b at position and position + 1.
bool pairAt(const ReceiveBuffer& rx, int position, char a, char b) {
    if (position < 0 || position + 1 >= rx.fill()) return false;
    return rx.at(position) == static_cast<uint8_t>(a) && rx.at(position + 1) == static_cast<uint8_t>(b);
}

}  // namespace

bool endsWithOkCrLf(const ReceiveBuffer& rx) {
    const int n = rx.fill();
    return n >= 4 && rx.at(n - 4) == 'O' && rx.at(n - 3) == 'K' && rx.at(n - 2) == kCr &&
           rx.at(n - 1) == kLf;
}

bool okAt(const ReceiveBuffer& rx, int position) { return pairAt(rx, position, 'O', 'K'); }

bool errorAt(const ReceiveBuffer& rx, int position) { return pairAt(rx, position, 'E', 'R'); }

bool lockReleaseConfirmed(const ReceiveBuffer& rx) {
    return rx.fill() == kLockReleaseReplySize && okAt(rx, kLockReleaseOkPosition);
}

int findPhonebookTag(const ReceiveBuffer& rx, int from) {
    for (int i = from < 0 ? 0 : from; i + 2 < rx.fill(); ++i) {
        if (rx.at(i) == 'B' && rx.at(i + 1) == 'R' && rx.at(i + 2) == ':') return i;
    }
    return -1;
}

int countCrLf(const ReceiveBuffer& rx) {
    int pairs = 0;
    for (int i = 0; i + 1 < rx.fill(); ++i) {
        if (rx.at(i) == kCr && rx.at(i + 1) == kLf) ++pairs;
    }
    return pairs;
}

}  // namespace vardeck

#pragma once
#include <cstdint>
#include <initializer_list>

namespace vardeck {

// Line settings of the serial channel, in declaration order.
enum TBaudRate {
    cbr110, cbr300, cbr600, cbr1200, cbr2400, cbr4800, cbr9600, cbr14400, cbr19200,
    cbr38400, cbr56000, cbr57600, cbr115200, cbr128000, cbr256000
};
enum TParity { paNone, paOdd, paEven, paMark, paSpace };
enum TStopbits { sb10, sb15, sb20 };
enum TDatabits { da4, da5, da6, da7, da8 };
enum TFlowControl { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };
enum TAsynComm32Option { osParityCheck, osDsrSensitivity, osIgnoreXOff, osErrorChar, osNullStrip };
enum TC32EventState { evBreak, evCTS, evDSR, evError, evRing, evRlsd, evRxChar, evRxFlag, evTxEmpty };

// Small bit sets over the enumerations above (Delphi-style "set of").
template <typename E>
class EnumSet {
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> members) {
        for (E m : members) bits_ |= bit(m);
    }
    static constexpr EnumSet fromBits(uint32_t bits) { EnumSet s; s.bits_ = bits; return s; }
    constexpr bool contains(E m) const { return (bits_ & bit(m)) != 0; }
    constexpr void insert(E m) { bits_ |= bit(m); }
    constexpr void erase(E m) { bits_ &= ~bit(m); }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr uint32_t bits() const { return bits_; }
    constexpr bool operator==(const EnumSet&) const = default;

private:
    static constexpr uint32_t bit(E m) { return 1u << static_cast<unsigned>(m); }
    uint32_t bits_ = 0;
};

using TC32EventType = EnumSet<TC32EventState>;
using TAsynComm32Options = EnumSet<TAsynComm32Option>;

inline constexpr TC32EventType kAllC32Events{evBreak, evCTS,   evDSR,    evError,  evRing,
                                             evRlsd,  evRxChar, evRxFlag, evTxEmpty};

// Line speed in bit/s of a TBaudRate member.
constexpr int baudRateValue(TBaudRate b) {
    constexpr int values[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                              19200, 38400, 56000, 57600, 115200, 128000, 256000};
    return values[static_cast<int>(b)];
}

}  // namespace vardeck

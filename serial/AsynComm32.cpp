#include "serial/AsynComm32.h"

namespace vardeck {

void TAsynComm32::SetBaudRate(TBaudRate rate) {
    line_.baudRate = rate;
    ApplyLineItem(LineItem::BaudRate);
}

void TAsynComm32::SetParity(TParity parity) {
    line_.parity = parity;
    ApplyLineItem(LineItem::Parity);
}

void TAsynComm32::SetStopbits(TStopbits bits) {
    line_.stopbits = bits;
    ApplyLineItem(LineItem::Stopbits);
}

void TAsynComm32::SetDatabits(TDatabits bits) {
    line_.databits = bits;
    ApplyLineItem(LineItem::Databits);
}

void TAsynComm32::SetFlowControl(TFlowControl flow) {
    line_.flowControl = flow;
    ApplyLineItem(LineItem::FlowControl);
}

void TAsynComm32::SetXonChar(char c) {
    line_.xonChar = c;
    ApplyLineItem(LineItem::XonXoff);
}

void TAsynComm32::SetXoffChar(char c) {
    line_.xoffChar = c;
    ApplyLineItem(LineItem::XonXoff);
}

void TAsynComm32::SetOptions(TAsynComm32Options options) {
    line_.options = options;
    ApplyLineItem(LineItem::Options);
}

}  // namespace vardeck

#include "z4screen/MenuViews.h"

#include "z4config/Z4Editor.h"

namespace vardeck::z4screen {

using Kind = WiringTerminal::Kind;
using namespace z4config;

// The same terminals as the installer description names, in connector order.
std::vector<WiringTerminal> wiringTerminals(int deviceType) {
    std::vector<WiringTerminal> terminals = {{"+12V", Kind::Supply}, {"GND", Kind::Ground}};
    if (deviceType == kTypeCid) {
        terminals.push_back({"TIP", Kind::PhoneLine});
        terminals.push_back({"RING", Kind::PhoneLine});
        return terminals;
    }
    const int inputs = deviceType == kTypeZ1 ? 2 : 4;
    for (int i = 1; i <= inputs; ++i) terminals.push_back({"BE" + std::to_string(i), Kind::Input});
    terminals.push_back({"TAMPER", Kind::Tamper});
    terminals.push_back({"KI1", Kind::Output});
    if (deviceType != kTypeZ1) terminals.push_back({"KI2", Kind::Output});
    return terminals;
}

bool hasGpsAntenna(int deviceType) { return deviceType == kTypeGps; }

void WiringView::activate(int deviceType, int brandCode) {
    deviceType_ = deviceType;
    const WiringViewTexts texts = wiringViewTexts(deviceType, brandCode);
    if (texts.caption) Z4Form4.setCaption(*texts.caption);
    if (texts.tabSheet4Caption) TabSheet4.setCaption(*texts.tabSheet4Caption);
    // The second picture wires output 2, which a Z-1 and a Z-CID do not have.
    Image2.setVisible(texts.secondPictureVisible && deviceType != kTypeCid);
}

void InstallerDescriptionView::activate(int deviceType) { Memo1.setCaption(installerDescription(deviceType)); }

void ContactView::activate(const std::string& contactPath, const std::string& brandPicture,
                           const MessageLookup& messages) {
    Image1.setPicture(brandPicture);
    Memo1.setCaption(contactText(contactPath, messages));
}

}  // namespace vardeck::z4screen

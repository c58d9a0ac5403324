#include "z4screen/BrandAdaptations.h"

#include "brand/Brand.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "z4screen/ConfiguratorControls.h"

namespace vardeck::z4screen {

using namespace controls;
using i18n::Language;

namespace {

// Brand 20 sells the module as a four-area communicator: inputs are areas, armed
// from their own input, and some options are not offered.
void applyAreaBrand(Language language, ScreenTargets& t, z4config::Z4Editor& editor) {
    t.show({"Help1", "Lersok1", "Verzi1", "Hibakeress1", "Adathvsellenrzs1", "SajtProfil1", "Label3D1", "Panel16",
            "Image1"},
           false);
    t.setCaption("Label3D1", "");
    const char* texts[][2] = {{"riasztas", "Area #1"},
                              {"riasztas2", "Area #2"},
                              {"riasztas3", "Area #3"},
                              {"riasztas4", "Area #4"},
                              {"riasztas9", "Area #3 or Tamper"}};
    for (auto& [field, text] : texts) {
        if (!t.ownsValue(field)) t.get<Edit>(field).setText(text);
    }
    for (const char* n : {"1", "2", "3", "4", "9"}) {
        const std::string combo = std::string("ComboBox") + n;
        const std::string box = std::string("CheckBox") + n;
        if (!t.ownsValue(combo)) {
            t.get<ComboBox>(combo).setItemIndex(3);
            editor.userChanged(combo);  // the lists follow the input type
        }
        if (!t.ownsValue(box)) t.get<CheckBox>(box).setChecked(true);
    }
    t.show({"best11", "best21", "best31", "best41", "best13", "best23", "best33", "best43", "best14", "best24",
            "best34", "best44", "best91", "Label11", "Label31", "Label32", "Label33", "Label42"},
           false);
    if (!t.ownsValue("SpinKI1")) {
        editor.SpinKI1.setValue(1);
        editor.timeSpinChanged(1);
    }
    t.show({"TabSheet10", "TabSheet15", "TabSheet16", "Label57", "ComboBox12"}, false);
    if (!t.ownsValue("SpinEdit5")) t.get<SpinEdit>("SpinEdit5").setValue(2);
    t.show({"CheckEgyeb3", "CheckEgyeb4", "CheckEgyeb5", "CheckEgyeb6"}, false);
    if (language == Language::English) {
        t.setCaption("TabSheet2", "Area 1");
        t.setCaption("TabSheet3", "Area 2");
        t.setCaption("TabSheet11", "Area 3");
    }
}

// Where brand 20 puts its buttons and help box, in pixels of the window's design.
constexpr int kAreaButtonsTop = 425;
constexpr int kAreaButtonsLeftShift = -100;
constexpr int kHelpBoxGap = 50;
constexpr int kHelpBoxWidth = 465;
constexpr int kHelpBoxHeight = 90;
constexpr int kLongMemoHeight = 177;
constexpr int kAreaWindowHeightShift = -110;

}  // namespace

void applyBrandRearrangement(int brand, const ScreenTargets& t) {
    if (brand != 20) return;
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}) {
        Placement& p = t.find(name)->editPlacement();
        p.top = kAreaButtonsTop;
        p.leftShift += kAreaButtonsLeftShift;
    }
    Placement& help = t.find("RichEdit1")->editPlacement();
    help.top = kAreaButtonsTop + kHelpBoxGap;
    help.width = kHelpBoxWidth;
    help.height = kHelpBoxHeight;
    for (const char* name : {"RichEdit1", "Memo1", "Memo2", "Memo3", "Memo4", "Memo5", "Memo6"}) {
        auto& memo = t.get<Panel>(name);
        memo.setColor(kConfiguratorColor);
        memo.setVisible(true);
    }
    t.find("Memo6")->editPlacement().height = kLongMemoHeight;
    t.find("Z4Form1")->editPlacement().heightShift += kAreaWindowHeightShift;
}

BrandOutcome applyBrandAdaptations(int brand, Language language, const std::string& company, ScreenTargets& t,
                                   z4config::Z4Editor& editor) {
    const BrandInfo& info = brandInfo(brand);
    t.get<Form>("Z4Form1").setCaption(info.configuratorCaption);
    t.setCaption("Label3D1", company.starts_with('*') ? company.substr(1) : company);
    switch (brand) {
        case 10:
            t.show({"Help1", "Lersok1"}, false);
            t.setCaption("Label3D1", "Quorvex");
            break;
        case 20: applyAreaBrand(language, t, editor); break;
        case 30:
            t.show({"Help1", "Lersok1"}, false);
            t.setCaption("Label3D1", "Cadrel-Unit");
            break;
        case 40:
        case 41: t.show({"SajtProfil1", "Help1"}, false); break;
        case 50:
            t.show({"Voicehvstest1", "Adathvsellenrzs1", "Help1", "SajtProfil1", "Lersok1", "Label3D1", "TabSheet16",
                    "Panel10"},
                   false);
            t.show({"Contact1", "Label99"}, true);
            t.setCaption("Kpernyfelbontsbelltsa1",
                         language == Language::Hungarian ? "Ablak méret változtatás" : "Window size");
            break;
        default: break;
    }
    return BrandOutcome{info.label3Text};
}

}  // namespace vardeck::z4screen

#include "shell/SearchBrandLayout.h"

namespace vardeck {
namespace {

using P = LayoutProperty;

constexpr LayoutChange kBrand1[] = {
    {"Image16", P::Show},
    {"Panel1", P::Hide},
    {"Panel6", P::Hide},
    {"Panel7", P::Hide},
};

constexpr LayoutChange kBrand10[] = {
    {"Panel1", P::Caption, "Quorvex Z1"}, {"Panel1", P::Picture, "brand10/Panel1"},
    {"Panel3", P::Caption, "Quorvex Z4"}, {"Panel3", P::Picture, "brand10/Panel3"},
    {"Panel4", P::Hide},  {"Panel5", P::Hide}, {"Panel6", P::Hide}, {"Panel7", P::Hide},
    {"Image12", P::Show}, {"Image13", P::Show}, {"Image14", P::Hide},
};

constexpr LayoutChange kBrand20[] = {
    {"Panel1", P::Caption, "Galvane"}, {"Panel1", P::Picture, "brand20/Panel1"},
    {"Image14", P::Hide}, {"Panel2", P::Hide}, {"Panel3", P::Hide}, {"Panel4", P::Hide},
    {"Panel5", P::Hide},  {"Panel6", P::Hide}, {"Panel7", P::Hide},
    {"Image7", P::Hide},  {"Image8", P::Hide}, {"Image9", P::Hide}, {"Image11", P::Hide},
    {"Form8", P::Picture, "brand20/icon"},
};

constexpr LayoutChange kBrand30[] = {
    {"Panel1", P::Caption, "VEMTA"}, {"Panel7", P::Caption, "VEMTA-CID"},
    {"Image14", P::Picture, "brand30/Image14"},
    {"Panel2", P::Hide}, {"Panel3", P::Hide}, {"Panel4", P::Hide}, {"Panel5", P::Hide},
    {"Panel6", P::Hide}, {"Panel8", P::Hide},
};

constexpr LayoutChange kBrand40[] = {
    {"Panel3", P::Caption, "K-VEX"},
    {"Panel8", P::Show},
};

constexpr LayoutChange kBrand41[] = {
    {"Panel3", P::Caption, "TORVEL"},
    {"Image14", P::Hide}, {"Panel1", P::Hide}, {"Panel2", P::Hide}, {"Panel4", P::Hide},
    {"Panel5", P::Hide},  {"Panel6", P::Hide}, {"Panel7", P::Hide},
    {"Image7", P::Hide},  {"Image8", P::Hide}, {"Image9", P::Hide}, {"Image11", P::Hide},
};

// The logo file and the one-time move of brand 50 are done by the search view.
constexpr LayoutChange kBrand50[] = {
    {"Panel1", P::Caption, "Fennoch"}, {"Panel3", P::Caption, "Ostera"},
    {"Panel6", P::Caption, ""},        {"Panel7", P::Caption, "Fennari"},
    {"Panel1", P::Hide}, {"Panel6", P::Hide}, {"Panel7", P::Hide},
    {"Image14", P::Left, "", 24},
};

void applyTo(controls::Control& control, const LayoutChange& change) {
    using controls::ControlKind;
    switch (change.property) {
        case P::Hide: control.setVisible(false); break;
        case P::Show: control.setVisible(true); break;
        case P::Caption: control.setCaption(change.text); break;
        case P::Left: control.editPlacement().left = change.number; break;
        case P::Picture:
            if (control.kind() == ControlKind::Panel) static_cast<controls::Panel&>(control).setPicture(change.text);
            if (control.kind() == ControlKind::Picture) static_cast<controls::Picture&>(control).setPicture(change.text);
            if (control.kind() == ControlKind::Form) static_cast<controls::Form&>(control).setIcon(change.text);
            break;
    }
}

}  // namespace

std::span<const LayoutChange> searchBrandLayout(int brand) {
    switch (brand) {
        case 1: return kBrand1;
        case 10: return kBrand10;
        case 20: return kBrand20;
        case 30: return kBrand30;
        case 40: return kBrand40;
        case 41: return kBrand41;
        case 50: return kBrand50;
        default: return {};
    }
}

void applyLayout(std::span<const LayoutChange> changes, const controls::ControlRegistry& registry) {
    for (const LayoutChange& change : changes) {
        if (controls::Control* control = registry.find(change.control)) applyTo(*control, change);
    }
}

}  // namespace vardeck

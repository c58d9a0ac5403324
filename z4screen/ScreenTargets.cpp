#include "z4screen/ScreenTargets.h"

#include "controls/Controls.h"

namespace vardeck::z4screen {

using namespace controls;
using i18n::Screen;
using i18n::TargetKey;
using i18n::TargetKind;

ScreenTargets::ScreenTargets(z4config::Z4Editor& editor, ControlRegistry& screen, ControlRegistry& menus)
    : editor_(editor), screen_(screen), menus_(menus) {
    for (const ControlRegistry* registry : {&editor_.controls(), &screen_, &menus_}) {
        for (Control* c : registry->all()) {
            designCaptions_.emplace(c->name(), c->caption());
            if (auto* list = dynamic_cast<ComboBox*>(c)) {
                for (int i = 0; i < list->count(); ++i) designItems_[{c->name(), i}] = list->items()[i];
            }
        }
    }
}

Control* ScreenTargets::find(std::string_view name) const {
    if (Control* c = editor_.controls().find(name)) return c;
    if (Control* c = screen_.find(name)) return c;
    return menus_.find(name);
}

void ScreenTargets::show(std::initializer_list<const char*> names, bool visible) const {
    for (const char* n : names) {
        if (Control* c = find(n)) c->setVisible(visible);
    }
}

void ScreenTargets::enable(std::initializer_list<const char*> names, bool enabled) const {
    for (const char* n : names) {
        if (Control* c = find(n)) c->setEnabled(enabled);
    }
}

void ScreenTargets::setCaption(std::string_view name, std::string text) const {
    if (Control* c = find(name)) c->setCaption(std::move(text));
}

void ScreenTargets::setText(const TargetKey& key, std::string_view text) {
    if (key.screen != Screen::Configurator) {
        viewTexts_[{static_cast<int>(key.screen), std::string(key.control)}] = std::string(text);
        return;
    }
    Control* c = find(key.control);
    if (!c) return;
    switch (key.kind) {
        case TargetKind::Caption: c->setCaption(std::string(text)); break;
        case TargetKind::Item:
            if (auto* list = dynamic_cast<ComboBox*>(c); list && key.item >= 0 && key.item < list->count())
                list->setItemCaption(key.item, std::string(text));
            break;
        case TargetKind::DefaultContent:
            if (auto* edit = dynamic_cast<Edit*>(c)) edit->setText(std::string(text));
            break;
        case TargetKind::Selection: break;
    }
}

std::string ScreenTargets::text(const TargetKey& key) const {
    if (key.screen != Screen::Configurator) return viewText(key.screen, key.control);
    const Control* c = find(key.control);
    if (!c) return {};
    switch (key.kind) {
        case TargetKind::Caption: return c->caption();
        case TargetKind::Item:
            if (auto* list = dynamic_cast<const ComboBox*>(c); list && key.item >= 0 && key.item < list->count())
                return list->items()[key.item];
            return {};
        case TargetKind::DefaultContent:
            if (auto* edit = dynamic_cast<const Edit*>(c)) return edit->text();
            return {};
        case TargetKind::Selection:
            if (auto* list = dynamic_cast<const ComboBox*>(c)) return list->itemText();
            return {};
    }
    return {};
}

void ScreenTargets::selectItem(const TargetKey& key, int index) {
    if (auto* list = dynamic_cast<ComboBox*>(find(key.control))) list->setItemIndex(index);
}

void ScreenTargets::showDesignText(const TargetKey& key) {
    if (key.screen != Screen::Configurator) {
        // The view shows its own design text where it was given none.
        viewTexts_.erase({static_cast<int>(key.screen), std::string(key.control)});
        return;
    }
    if (key.kind == TargetKind::Caption) {
        auto it = designCaptions_.find(key.control);
        if (it != designCaptions_.end()) setCaption(key.control, it->second);
    } else if (key.kind == TargetKind::Item) {
        auto it = designItems_.find({std::string(key.control), key.item});
        if (it != designItems_.end()) setText(key, it->second);
    }
}

std::string ScreenTargets::viewText(Screen screen, std::string_view control) const {
    auto it = viewTexts_.find({static_cast<int>(screen), std::string(control)});
    return it == viewTexts_.end() ? std::string() : it->second;
}

}  // namespace vardeck::z4screen

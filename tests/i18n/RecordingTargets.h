// A fake screen for the text table: it remembers what every target shows, records every
// change, and can mark value targets as owned by the user.
#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "i18n/TextTargets.h"

namespace vardeck::i18n::test {

using Key = std::tuple<Screen, std::string, int, TargetKind>;

inline Key keyOf(const TargetKey& k) { return {k.screen, std::string(k.control), k.item, k.kind}; }

inline TargetKey caption(std::string_view control, Screen screen = Screen::Configurator) {
    return {screen, control, -1, TargetKind::Caption};
}
inline TargetKey item(std::string_view list, int index) { return {Screen::Configurator, list, index, TargetKind::Item}; }
inline TargetKey content(std::string_view field) { return {Screen::Configurator, field, -1, TargetKind::DefaultContent}; }

class RecordingTargets : public TextTargets {
public:
    // What a target shows before any language is applied.
    void design(const TargetKey& key, std::string text) {
        designs_[keyOf(key)] = text;
        shown_[keyOf(key)] = std::move(text);
    }
    void ownByUser(const TargetKey& key) { owned_.insert(keyOf(key)); }

    void setText(const TargetKey& key, std::string_view text) override {
        shown_[keyOf(key)] = std::string(text);
        changes.push_back(keyOf(key));
    }
    std::string text(const TargetKey& key) const override {
        auto it = shown_.find(keyOf(key));
        return it == shown_.end() ? std::string() : it->second;
    }
    void selectItem(const TargetKey& key, int index) override { selections[keyOf(key)] = index; }
    bool keepsUserValue(const TargetKey& key) const override { return owned_.count(keyOf(key)) != 0; }
    void showDesignText(const TargetKey& key) override {
        auto it = designs_.find(keyOf(key));
        if (it != designs_.end()) shown_[keyOf(key)] = it->second;
    }

    std::vector<Key> changes;
    std::map<Key, int> selections;

private:
    std::map<Key, std::string> shown_;
    std::map<Key, std::string> designs_;
    std::set<Key> owned_;
};

}  // namespace vardeck::i18n::test

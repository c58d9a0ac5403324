#pragma once
#include <initializer_list>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "i18n/TextTargets.h"
#include "z4config/Z4Editor.h"
#include "controls/ControlRegistry.h"

namespace vardeck::z4screen {

// The configurator's controls as the text table and the brand adaptations reach
// them: by name, across the editor's controls, the screen's own controls and the
// menu bar. It also knows which values the user owns, so that defaults (SMS texts,
// list selections, brand presets) never replace a value the user typed or chose, or
// one read from a module or opened from a file.
class ScreenTargets : public i18n::TextTargets {
public:
    ScreenTargets(z4config::Z4Editor& editor, controls::ControlRegistry& screen, controls::ControlRegistry& menus);

    // nullptr when no control has that name.
    controls::Control* find(std::string_view name) const;
    template <class T>
    T& get(std::string_view name) const {
        T* typed = dynamic_cast<T*>(find(name));
        if (!typed) throw std::logic_error("no control " + std::string(name) + " of that kind");
        return *typed;
    }
    void show(std::initializer_list<const char*> names, bool visible) const;
    void enable(std::initializer_list<const char*> names, bool enabled) const;
    void setCaption(std::string_view name, std::string text) const;

    // The user typed into, chose in or clicked the control.
    void markEdited(std::string_view name) { edited_.insert(std::string(name)); }
    // A module was read or a file opened: every value now comes from there.
    void markLoaded() { loaded_ = true; }
    bool loaded() const { return loaded_; }
    bool ownsValue(std::string_view name) const { return loaded_ || edited_.count(std::string(name)) != 0; }
    bool ownsAnyValue() const { return loaded_ || !edited_.empty(); }

    // --- i18n::TextTargets --------------------------------------------------------
    void setText(const i18n::TargetKey& key, std::string_view text) override;
    std::string text(const i18n::TargetKey& key) const override;
    void selectItem(const i18n::TargetKey& key, int index) override;
    bool keepsUserValue(const i18n::TargetKey& key) const override { return ownsValue(key.control); }
    void showDesignText(const i18n::TargetKey& key) override;

    // Texts the table gives the auxiliary views (status, monitor, window size), kept
    // for them until they exist; empty when none was given.
    std::string viewText(i18n::Screen screen, std::string_view control) const;

private:
    using ViewKey = std::pair<int, std::string>;

    z4config::Z4Editor& editor_;
    controls::ControlRegistry& screen_;
    controls::ControlRegistry& menus_;
    // Captions and list items as designed, for a switch back to Hungarian.
    std::map<std::string, std::string, std::less<>> designCaptions_;
    std::map<std::pair<std::string, int>, std::string> designItems_;
    std::map<ViewKey, std::string> viewTexts_;
    std::set<std::string> edited_;
    bool loaded_ = false;
};

}  // namespace vardeck::z4screen

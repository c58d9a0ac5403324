#pragma once
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/Control.h"

namespace vardeck::controls {

// Owns a screen's controls and finds them by name. Controls keep their address for the
// registry's lifetime, so screens hold plain references to the ones their rules use.
// Iteration follows the order of creation, which is the order of the screen's layout.
class ControlRegistry {
public:
    ControlRegistry() = default;
    ControlRegistry(const ControlRegistry&) = delete;
    ControlRegistry& operator=(const ControlRegistry&) = delete;

    // Creates a control; a second control of the same name is a programming error.
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *control;
        insert(std::move(control));
        return ref;
    }

    // nullptr when there is no control of that name.
    Control* find(std::string_view name) const;

    // The control of that name as kind T; a missing name or another kind is a
    // programming error (std::logic_error) that shows at construction of the screen.
    template <class T>
    T& get(std::string_view name) const {
        Control* c = find(name);
        if (!c) throw std::logic_error("no control named " + std::string(name));
        T* typed = dynamic_cast<T*>(c);
        if (!typed) throw std::logic_error("control " + std::string(name) + " has another kind");
        return *typed;
    }

    const std::vector<Control*>& all() const { return order_; }

private:
    void insert(std::unique_ptr<Control> control);

    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    std::map<std::string, Control*, std::less<>> byName_;
};

}  // namespace vardeck::controls

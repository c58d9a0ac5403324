// Messages and status texts in four languages. Callers name a message by its Hungarian
// text and ask for it at the moment they show it, so a language change takes effect for
// the next message shown.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "i18n/Language.h"

namespace vardeck::i18n {

// One message: its texts in table column order (empty: no text in that language). The
// Hungarian text is also the message's key.
struct MessageEntry {
    std::array<std::string_view, kLanguageCount> texts{};

    std::string_view key() const { return texts[column(Language::Hungarian)]; }
};

const std::vector<MessageEntry>& messageEntries();

class MessageCatalogue {
public:
    // Until the first apply() every message reads its Hungarian text, the designed one.
    MessageCatalogue();

    // Replaces every message that has a text in `language`. A message without one keeps
    // the text an earlier apply() gave it, or is empty when no apply() of this catalogue
    // has given it one ("Nincs hiba" in a run that started in English reads empty).
    void apply(Language language);

    // The current text of a message. An unknown key reads as itself, so a message missing
    // from the catalogue still shows its Hungarian text rather than nothing.
    std::string text(std::string_view hungarianKey) const;

    bool contains(std::string_view hungarianKey) const;

private:
    std::unordered_map<std::string_view, std::size_t> index_;
    std::vector<std::string> current_;
    bool applied_ = false;
};

}  // namespace vardeck::i18n

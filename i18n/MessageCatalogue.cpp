#include "i18n/MessageCatalogue.h"

namespace vardeck::i18n {

MessageCatalogue::MessageCatalogue() {
    const auto& entries = messageEntries();
    current_.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        index_.emplace(entries[i].key(), i);
        current_.emplace_back(entries[i].key());
    }
}

void MessageCatalogue::apply(Language language) {
    const auto& entries = messageEntries();
    if (!applied_) {
        // The Hungarian start texts are only a stand-in until a language is applied; a
        // message that the first language lacks has had no text in this run.
        for (auto& text : current_) text.clear();
        applied_ = true;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view text = entries[i].texts[column(language)];
        if (!text.empty()) current_[i] = text;
    }
}

std::string MessageCatalogue::text(std::string_view hungarianKey) const {
    auto it = index_.find(hungarianKey);
    return it == index_.end() ? std::string(hungarianKey) : current_[it->second];
}

bool MessageCatalogue::contains(std::string_view hungarianKey) const { return index_.count(hungarianKey) != 0; }

}  // namespace vardeck::i18n

#pragma once
#include <string>

namespace vardeck {

// The program's persistent settings: a tree of key paths ("\software\GSM\TRIX")
// holding named text values. Every screen reaches the store only through these two
// calls; each call opens and closes the store by itself, nothing is cached.
// The values live in a text file (SettingsStoreFile.h: ~/.config/vardeck/settings.ini,
// or the file named by VARDECK_SETTINGS); tests install another store through
// SettingsStore.h. Key paths and value names ignore ASCII letter case.

// Stores text under keyPath/name, creating missing keys. A failure is not reported
// to the caller (the write-permission probe reads the value back to find out);
// settingsLastWriteFailed() tells the program directly.
void WriteSetting(const std::string& keyPath, const std::string& name, const std::string& text);

// The text stored under keyPath/name; the empty text when the key or value is missing.
std::string ReadSetting(const std::string& keyPath, const std::string& name);

// True when the most recent WriteSetting of this process did not reach the store.
bool settingsLastWriteFailed();

}  // namespace vardeck

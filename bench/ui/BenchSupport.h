#pragma once
#include <filesystem>
#include <string>

namespace vardeck::bench {

// The QApplication of the groups that run the program's views in this process,
// made on first use on Qt's offscreen platform (unless QT_QPA_PLATFORM names
// another) and kept to the end of the run.
void ensureApplication();

// A settings file of its own for one measurement, named through VARDECK_SETTINGS
// (for this process and the programs it starts), with the interface language
// chosen so that no first-start question comes up.
class BenchSettings {
public:
    BenchSettings();
    ~BenchSettings();
    BenchSettings(const BenchSettings&) = delete;
    BenchSettings& operator=(const BenchSettings&) = delete;
    std::string file() const { return (folder_ / "settings.ini").string(); }

private:
    std::filesystem::path folder_;
};

}  // namespace vardeck::bench

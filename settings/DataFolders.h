#pragma once
#include <string>

namespace vardeck {

// Where an installed program keeps the user's files and finds its read-only defaults.

// $XDG_DATA_HOME/vardeck when XDG_DATA_HOME is an absolute path, else
// ~/.local/share/vardeck; empty when no home folder can be found.
std::string userDataFolder();

// What making a folder the working directory came to.
struct DataFolderEntry {
    std::string folder;
    bool entered = false;  // the folder is now the working directory
    std::string problem;   // empty when the folder can be used; else "FOLDER: reason"
};

// Creates the folder (with its parents) when it is missing, makes it the working
// directory and checks that files can be written in it. When it cannot be created
// or entered the working directory stays as it was; a folder that was entered but
// cannot be written is reported all the same, since every save there would fail.
DataFolderEntry enterDataFolder(const std::string& folder);

// The read-only defaults installed with the program: share/vardeck beside the
// program's bin folder. Empty when there is no such folder (a program run from
// its build tree).
std::string installedDataFolder();

// `path` when something is there; else the file of the same name in `defaults`
// when that folder has it; else `path`. For the files the program only reads
// (the logo, the contact text): a user's own file wins over the installed one.
std::string withInstalledDefault(const std::string& path, const std::string& defaults = installedDataFolder());

}  // namespace vardeck

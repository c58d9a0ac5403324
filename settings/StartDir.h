#pragma once
#include <string>

namespace vardeck {

// The process's working directory when the main view was created. The personal
// profile "\custom.dat" and the brand logo "\logo.jpg" are looked for there.

// Records the current working directory (again, when called again).
void recordStartDir();
// The recorded directory; recorded now when nothing was recorded yet. Empty when
// the working directory cannot be found (it was removed). This is also the text
// stored as "StartDir".
std::string startDir();

// The path of a start-directory file named the way the rest of the program names
// it, with a leading backslash ("\custom.dat"): the name is appended to the
// directory text with every backslash turned into "/", the Linux separator, and
// without doubling the separator when the directory is "/". With no start
// directory the bare name is returned, relative to the current directory.
std::string startDirFile(const std::string& backslashName);

}  // namespace vardeck

# cmake -DIN=text -DOUT=source.cpp -DNAME=function -P EmbedText.cmake: a C++ source whose
# function NAME() returns the text file's content, so a program carries it without a
# file beside it.
file(READ ${IN} content)
file(WRITE ${OUT} "// Made from ${IN} at build time.\n#include <string_view>\n\nnamespace vardeck {\n\n"
     "std::string_view ${NAME}() {\n    static constexpr char text[] = R\"embedded(${content})embedded\";\n"
     "    return {text, sizeof text - 1};\n}\n\n}  // namespace vardeck\n")

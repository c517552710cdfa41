# Writes a text file into a C++ source as one constant: cmake -DIN=file -DOUT=source -DNAME=kName
# -P embedText.cmake. The raw string's delimiter never occurs in our tables.
file(READ "${IN}" text)
get_filename_component(source_name "${IN}" NAME)
file(WRITE "${OUT}" "// Generated at build time from ${source_name}.\n"
                    "extern const char* const ${NAME};\n"
                    "const char* const ${NAME} = R\"quelta(${text})quelta\";\n")

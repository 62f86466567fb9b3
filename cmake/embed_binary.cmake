# Writes the main window's description from its template: each @NAME@ placeholder becomes a
# binary block of a file's bytes, as the description reader reads them: "{", the bytes in
# upper-case hex, 32 to a line, each line on a new line after the indent, "}" right after
# the last digit.
#
#   cmake -DTEMPLATE=in -DOUTPUT=out -DBLOCKS="NAME=FILE=INDENT=PREFIX;..." -P embed_binary.cmake
#
# INDENT is the number of blanks before each line; PREFIX is "length" to put the file's size
# as a 32-bit little-endian number before its bytes (a stream property), or "none".
# A quoted "length" is the word, not the variable of that name an earlier block set.
cmake_policy(SET CMP0054 NEW)
file(READ ${TEMPLATE} text)
foreach(block IN LISTS BLOCKS)
    string(REPLACE "=" ";" parts "${block}")
    list(GET parts 0 name)
    list(GET parts 1 path)
    list(GET parts 2 indent_width)
    list(GET parts 3 prefix)
    string(REPEAT " " ${indent_width} indent)
    file(READ ${path} hex HEX)
    string(TOUPPER "${hex}" hex)
    if(prefix STREQUAL "length")
        file(SIZE ${path} size)
        set(length "")
        foreach(shift 0 8 16 24)
            math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
            string(SUBSTRING "${byte}" 2 -1 byte)
            string(LENGTH "${byte}" digits)
            if(digits EQUAL 1)
                set(byte "0${byte}")
            endif()
            string(TOUPPER "${byte}" byte)
            string(APPEND length "${byte}")
        endforeach()
        set(hex "${length}${hex}")
    endif()
    if(hex STREQUAL "")
        set(data "{}")
    else()
        string(REPEAT "[0-9A-F]" 64 line)
        string(REGEX REPLACE "(${line})" "\\1\n${indent}" hex "${hex}")
        string(REGEX REPLACE "\n${indent}$" "" hex "${hex}")
        set(data "{\n${indent}${hex}}")
    endif()
    string(REPLACE "@${name}@" "${data}" text "${text}")
endforeach()
file(WRITE ${OUTPUT} "${text}")

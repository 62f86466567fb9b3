# cmake -DPROGRAM=file.exe -P check_manifest.cmake
# Fails unless every processorArchitecture of the program's embedded manifest is its own
# machine's (or "*" for a dependency), and the program names its own machine once at least;
# and unless the manifest declares the program per-monitor aware (version 2 where the system
# knows it, the first version before), so every window draws at its own monitor's density
# instead of being stretched as a bitmap.

# le(OUT HEX): the number a little-endian hex byte string stands for.
function(le out hex)
    string(LENGTH "${hex}" n)
    set(value 0)
    while(n GREATER 0)
        math(EXPR n "${n} - 2")
        string(SUBSTRING "${hex}" ${n} 2 byte)
        math(EXPR value "${value} * 256 + 0x${byte}")
    endwhile()
    set(${out} ${value} PARENT_SCOPE)
endfunction()

file(READ "${PROGRAM}" hex OFFSET 60 LIMIT 4 HEX)
le(header "${hex}")
file(READ "${PROGRAM}" hex OFFSET ${header} LIMIT 6 HEX)
string(SUBSTRING "${hex}" 0 8 signature)
string(SUBSTRING "${hex}" 8 4 machine)
if(NOT signature STREQUAL "50450000")
    message(FATAL_ERROR "${PROGRAM}: not a PE program")
endif()
if(machine STREQUAL "4c01")
    set(expected x86)
elseif(machine STREQUAL "6486")
    set(expected amd64)
else()
    message(FATAL_ERROR "${PROGRAM}: unknown machine ${machine}")
endif()

file(STRINGS "${PROGRAM}" lines REGEX "processorArchitecture=\"[^\"]*\"")
set(own 0)
foreach(line IN LISTS lines)
    string(REGEX MATCHALL "processorArchitecture=\"[^\"]*\"" found "${line}")
    foreach(attribute IN LISTS found)
        string(REGEX REPLACE ".*=\"(.*)\"" "\\1" architecture "${attribute}")
        if(architecture STREQUAL expected)
            set(own 1)
        elseif(NOT architecture STREQUAL "*")
            message(FATAL_ERROR "${PROGRAM} is ${expected} but its manifest names ${architecture}")
        endif()
    endforeach()
endforeach()
if(NOT own)
    message(FATAL_ERROR "${PROGRAM}: no manifest for ${expected} embedded")
endif()

file(STRINGS "${PROGRAM}" awareness REGEX "<dpiAwareness[^>]*>[^<]*</dpiAwareness>")
file(STRINGS "${PROGRAM}" aware REGEX "<dpiAware [^>]*>[^<]*</dpiAware>")
string(REGEX MATCH "<dpiAwareness[^>]*>([^<]*)<" found "${awareness}")
string(REGEX REPLACE "[ \t]" "" values "${CMAKE_MATCH_1}")
string(REGEX MATCH "<dpiAware [^>]*>([^<]*)<" found "${aware}")
set(older "${CMAKE_MATCH_1}")
if(NOT values MATCHES "^PerMonitorV2(,|$)" OR NOT older STREQUAL "true/pm")
    message(FATAL_ERROR "${PROGRAM}: its manifest does not declare it per-monitor aware "
                        "(dpiAwareness '${values}', dpiAware '${older}')")
endif()

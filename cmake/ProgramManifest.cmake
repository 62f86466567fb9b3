# The manifest a program embeds, written for the tree's processor, and a check after every link
# that the program carries the manifest of its own machine and declares itself per-monitor
# aware (check_manifest.cmake): Windows' side-by-side loader refuses to start a 64-bit program
# whose manifest names x86 (and Wine, with both architectures in its prefix, loads the wrong
# Common Controls for it), and stretches an unaware program's windows as bitmaps.

# pellico_manifest(NAME DESCRIPTION): writes NAME.manifest into the current binary folder.
function(pellico_manifest name description)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(PROGRAM_ARCHITECTURE amd64)
    else()
        set(PROGRAM_ARCHITECTURE x86)
    endif()
    set(PROGRAM_NAME ${name})
    set(PROGRAM_DESCRIPTION ${description})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest @ONLY)
endfunction()

# pellico_check_manifest(TARGET): after each link, compares the manifest embedded in the
# program with the machine in its header.
function(pellico_check_manifest target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}>
                -P ${PROJECT_SOURCE_DIR}/cmake/check_manifest.cmake
        VERBATIM)
endfunction()

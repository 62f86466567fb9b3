# Warnings as errors everywhere, and the sanitizers on the host debug tree.
add_compile_options(-Wall -Wextra -Wpedantic -Werror -Wno-missing-field-initializers)

if(PELLICO_WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    # One self-contained executable: no MinGW runtime DLLs beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
elseif(CMAKE_BUILD_TYPE STREQUAL "Debug" AND NOT PELLICO_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

if(PELLICO_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

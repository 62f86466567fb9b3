# 64-bit Windows (build/win64, run under wine64).
set(PELLICO_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

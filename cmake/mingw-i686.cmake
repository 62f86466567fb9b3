# 32-bit Windows, the product (build/win32, run under wine).
set(PELLICO_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# Win32 build: Qd.exe into dist/, and the suites that run under Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Fully static: the exe needs no DLL of the toolchain.
set(QD_STATIC_LINK -static -static-libgcc -static-libstdc++)
set(QD_WIN32_LIBS comctl32 ole32 oleaut32 uuid shell32 gdi32 user32 kernel32)

add_library(qd_win32 STATIC
  settings/profile_settings_file_win32.cpp
  filer/core/list_view_pane_win32.cpp
  filer/core/filer_dialog_win32.cpp
  filer/core/filer_app_win32.cpp
)
target_link_libraries(qd_win32 PUBLIC qd_core ${QD_WIN32_LIBS})
target_compile_definitions(qd_win32 PUBLIC _WIN32_WINNT=0x0601 WINVER=0x0601)

set(QD_RESOURCES ${CMAKE_SOURCE_DIR}/resources/qd.rc)
set_source_files_properties(${QD_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/qd.ico;${CMAKE_SOURCE_DIR}/resources/resource.h")

add_executable(Qd WIN32 filer/core/main_win32.cpp ${QD_RESOURCES})
target_link_libraries(Qd PRIVATE qd_win32)
target_link_options(Qd PRIVATE ${QD_STATIC_LINK})
set_target_properties(Qd PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_SOURCE_DIR}/dist)

# GoogleTest built with the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -fexec-charset=UTF-8 -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)
include(GoogleTest)

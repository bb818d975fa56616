# Win32 build (i686; x86_64 for machines where 32-bit Wine cannot run):
# Qd.exe into dist/, and the suites that run under Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Fully static: the exe needs no DLL of the toolchain.
set(QD_STATIC_LINK -static -static-libgcc -static-libstdc++)
set(QD_WIN32_LIBS comctl32 ole32 oleaut32 uuid shell32 gdi32 user32 kernel32)

add_library(qd_win32 STATIC
  settings/profile_settings_file_win32.cpp
  filer/core/list_view_pane_win32.cpp
  filer/core/platform_win32.cpp
  filer/core/shell_win32.cpp
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
# The win64 preset points this into its build folder: dist/ holds only the
# 32-bit deliverable.
set(QD_DIST_DIR ${CMAKE_SOURCE_DIR}/dist CACHE PATH "Where Qd.exe goes")
set_target_properties(Qd PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QD_DIST_DIR})

# GoogleTest built with the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -fexec-charset=UTF-8 -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)
include(GoogleTest)

# In-process suites: the adapters and the real main window under Wine.
add_executable(qd_win32_tests
  tests/win32/main_win32.cpp
  tests/win32/test_support_win32.cpp
  tests/win32/profile_settings_test_win32.cpp
  tests/win32/filer_dialog_test_win32.cpp
  ${QD_RESOURCES}
)
target_link_libraries(qd_win32_tests PRIVATE qd_win32 gtest)
target_link_options(qd_win32_tests PRIVATE ${QD_STATIC_LINK})
gtest_discover_tests(qd_win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)

# End-to-end scenarios that start dist/Qd.exe.
add_executable(qd_e2e_tests
  tests/e2e/qd_e2e_test_win32.cpp
  tests/e2e/saved_state_e2e_test_win32.cpp
  tests/e2e/driver_win32.cpp
  tests/win32/test_support_win32.cpp
)
target_link_libraries(qd_e2e_tests PRIVATE qd_win32 gtest gtest_main)
target_link_options(qd_e2e_tests PRIVATE ${QD_STATIC_LINK})
target_compile_definitions(qd_e2e_tests PRIVATE QD_EXE_UNIX_PATH="$<TARGET_FILE:Qd>")
add_dependencies(qd_e2e_tests Qd)
gtest_discover_tests(qd_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)

# Benchmarks: run with scripts/bench.sh.
add_executable(qd_bench bench/listing_bench_win32.cpp ${QD_RESOURCES})
target_link_libraries(qd_bench PRIVATE qd_win32)
target_link_options(qd_bench PRIVATE ${QD_STATIC_LINK})

# Native build: the core and its GoogleTest suite under ASan and UBSan.
option(QD_SANITIZE "Build with AddressSanitizer and UBSan" ON)
if(QD_SANITIZE)
  set(QD_SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(qd_core PUBLIC ${QD_SAN_FLAGS})
  target_link_options(qd_core PUBLIC ${QD_SAN_FLAGS})
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(qd_native_tests
  tests/common/cp932_test.cpp
  tests/settings/settings_file_test.cpp
  tests/settings/command_table_test.cpp
  tests/settings/key_codes_test.cpp
  tests/filer/core/layout_test.cpp
  tests/filer/core/filer_window_test.cpp
  tests/filer/core/filer_app_test.cpp
  tests/filer/core/row_texts_test.cpp
  tests/filer/core/listing_test.cpp
  tests/filer/core/keys_test.cpp
  tests/filer/core/selection_test.cpp
  tests/filer/core/navigation_test.cpp
  tests/filer/core/tabs_test.cpp
  tests/filer/core/saved_state_test.cpp
)
target_link_libraries(qd_native_tests PRIVATE qd_core GTest::gtest GTest::gtest_main)
gtest_discover_tests(qd_native_tests DISCOVERY_TIMEOUT 60)

# Portable files must not reach Win32.
add_test(NAME portable_files_include_no_win32_header
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-portable.sh
         WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})

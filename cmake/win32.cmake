# Win32 build (i686; x86_64 for machines where 32-bit Wine cannot run):
# Qd.exe into dist/, and the suites that run under Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601)

# Fully static: the exe needs no DLL of the toolchain.
set(QD_STATIC_LINK -static -static-libgcc -static-libstdc++)

# The filer's resources, for Qd.exe and for the suites that create its windows.
set(QD_FILER_RC ${CMAKE_SOURCE_DIR}/resources/qd.rc)
set_source_files_properties(${QD_FILER_RC} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/qd.ico;${CMAKE_SOURCE_DIR}/resources/command_ids.h")

# The win64 preset points this into its build folder: dist/ holds only the
# 32-bit deliverable.
set(QD_DIST_DIR ${CMAKE_SOURCE_DIR}/dist CACHE PATH "Where Qd.exe goes")

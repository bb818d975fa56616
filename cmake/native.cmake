# Native build: the portable layers and their GoogleTest suite under ASan and
# UBSan.
option(QD_SANITIZE "Build with AddressSanitizer and UBSan" ON)
if(QD_SANITIZE)
  set(QD_SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${QD_SAN_FLAGS})
  add_link_options(${QD_SAN_FLAGS})
endif()

# Compiler settings of our own targets, each an interface target that our targets link, so that
# nothing else built here (GoogleTest's sources in the Windows build, Qt's generated resource
# objects) inherits them.

# Linked PRIVATE by every target of ours: the warnings are about our sources, not about those of
# whoever links a library of ours.
add_library(vareldo_warnings INTERFACE)
target_compile_options(vareldo_warnings INTERFACE -Wall -Wextra)

# Linked PUBLIC by our libraries: whatever links a sanitized library is compiled and linked with
# the same sanitizers, so that the checks and their runtime agree in every program.
add_library(vareldo_sanitizers INTERFACE)
if(VARELDO_SANITIZE OR VARELDO_FUZZ)
  target_compile_options(vareldo_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vareldo_sanitizers INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
if(VARELDO_FUZZ)
  # Coverage for the fuzzers reaches into the libraries they drive.
  target_compile_options(vareldo_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Hardening builds. GS_SANITIZE instruments every target of the tree (the whole test suite
# runs under AddressSanitizer and UndefinedBehaviorSanitizer); GS_FUZZ adds libFuzzer's
# coverage instrumentation and the fuzz target, and needs clang.
option(GS_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(GS_FUZZ "Build the libFuzzer target of the load path (clang only)" OFF)

if(GS_SANITIZE OR GS_FUZZ)
  # Any finding ends the process: a test that only prints a report would still pass.
  set(GS_SANITIZER_FLAGS
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # Checks every std::array, vector and string index: an index past a table that lies inside
  # the store stays inside the object, where ASan cannot see it.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Part of -fsanitize=undefined in clang, not in GCC: a double too big for its integer.
    list(APPEND GS_SANITIZER_FLAGS -fsanitize=float-cast-overflow)
  endif()
  add_compile_options(${GS_SANITIZER_FLAGS})
  add_link_options(${GS_SANITIZER_FLAGS})
endif()

if(GS_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "GS_FUZZ needs clang (libFuzzer): configure with CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

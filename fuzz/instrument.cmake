# The fuzz build (QUORVEL_FUZZ): every library is compiled with libFuzzer's
# coverage and with AddressSanitizer and UndefinedBehaviorSanitizer, so that a
# fault in the game's own code stops the fuzzer with the input that caused it.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QUORVEL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

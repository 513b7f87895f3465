# Compiler settings shared by every target of our own (not by GoogleTest).

option(TAMSENDOR_SANITIZE "Build with AddressSanitizer and UBSan (native test builds)" OFF)

option(TAMSENDOR_FUZZ "Build the libFuzzer harnesses of fuzz/ (clang; scripts/fuzz.sh)" OFF)

if(TAMSENDOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz harnesses need clang (scripts/fuzz.sh configures it).")
  endif()
  # Every library with the fuzzer's coverage and both sanitizers; undefined behaviour ends the
  # run, so that libFuzzer keeps the input.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(TAMSENDOR_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

function(tamsendor_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8 /permissive-)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0601)
    if(MINGW)
      # One self-contained executable: nothing but system DLLs may be needed on a clean Windows.
      target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
  endif()
endfunction()

# A Windows GUI program with a wide entry point (wWinMain).
function(tamsendor_gui_program target)
  tamsendor_defaults(${target})
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()

# A program we ship leaves a release build without its debug sections: they are half its size
# and of no use on a user's machine. Debug builds keep them for the debugger.
function(tamsendor_strip_release target)
  if(MINGW)
    target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
  endif()
endfunction()

# Fuzz targets (libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer), built
# only when GAMES_FUZZ is on, in a build folder of their own (tools/fuzz makes it).
#
# A program keeps its targets in <program>/fuzz/: one <stem>.cpp with
# LLVMFuzzerTestOneInput per reader, seeds in <program>/fuzz/corpus/<stem>/, and one line
# per target in <program>/fuzz/CMakeLists.txt:
#   games_fuzz_target(<stem> LIBRARIES <libraries...> [SOURCES <more.cpp...>]
#                     [SEEDS <more seed folders...>] [OPTIONS <libFuzzer options...>])
# The target is called <program>_<stem>_fuzz; tools/fuzz runs every target it finds in
# ${CMAKE_BINARY_DIR}/fuzz_targets.txt.

set(GAMES_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(-fsanitize=fuzzer-no-link ${GAMES_FUZZ_FLAGS})
add_link_options(${GAMES_FUZZ_FLAGS})
add_custom_target(fuzz_targets)
set_property(GLOBAL PROPERTY GAMES_FUZZ_MANIFEST "")

function(games_fuzz_target stem)
  cmake_parse_arguments(PARSE_ARGV 1 FUZZ "" "" "LIBRARIES;SOURCES;SEEDS;OPTIONS")
  cmake_path(GET CMAKE_CURRENT_SOURCE_DIR PARENT_PATH program_dir)
  cmake_path(GET program_dir FILENAME program)
  set(target ${program}_${stem}_fuzz)
  add_executable(${target} ${stem}.cpp ${FUZZ_SOURCES})
  target_link_libraries(${target} PRIVATE ${FUZZ_LIBRARIES})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(fuzz_targets ${target})
  list(PREPEND FUZZ_SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${stem})
  list(JOIN FUZZ_SEEDS " " seeds)
  list(JOIN FUZZ_OPTIONS " " options)
  set_property(GLOBAL APPEND_STRING PROPERTY GAMES_FUZZ_MANIFEST
               "${target}|${CMAKE_BINARY_DIR}/fuzz/${target}|${options}|${seeds}\n")
endfunction()

# Writes the list of targets, one a line: name|executable|options|seed folders.
function(games_write_fuzz_manifest)
  get_property(manifest GLOBAL PROPERTY GAMES_FUZZ_MANIFEST)
  file(WRITE ${CMAKE_BINARY_DIR}/fuzz_targets.txt "${manifest}")
endfunction()

# How test code is built and how the tests that run Windows programs are
# registered.

# Test code is built for a short build rather than for speed: the tests spend
# their time in Wine and in the program's own code, which keeps the build
# type's optimisation. Line tables still name the line of a crash.
function(vexel_test_code target)
  if(VEXEL_WIN32)
    target_compile_options(${target} PRIVATE -Og -g1)
  endif()
endfunction()

# vexel_wine_run(NAME <test> COMMAND <command...> [SECONDS <s>] [ENVIRONMENT <NAME=value...>] [LABELS <label...>])
# A test that runs Windows programs: it needs the Wine prefixes set up, and
# one screen of a sharded run (tools/wine-tests) to itself. SECONDS is what
# it takes on an idle 2-core machine, so that CTest starts the long ones
# first and the screens finish together; once it has run them, CTest goes by
# its own measurements.
function(vexel_wine_run)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;SECONDS" "COMMAND;ENVIRONMENT;LABELS")
  if(NOT arg_SECONDS)
    set(arg_SECONDS 1)
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
  set_tests_properties(${arg_NAME} PROPERTIES
    FIXTURES_REQUIRED wine RESOURCE_GROUPS screens:1 COST ${arg_SECONDS} TIMEOUT 600 LABELS "${arg_LABELS}"
    ENVIRONMENT "VEXEL_BUILD_DIR=${CMAKE_BINARY_DIR};${arg_ENVIRONMENT}")
endfunction()

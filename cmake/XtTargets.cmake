# One helper per kind of target, and the targets gathered from every plug-in at the end.

set(XT_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

# xt_add_test(<name> SOURCES ... LIBS ... [DEFINITIONS ...] [DEPENDS ...])
# One gtest binary per component; ctest lists its cases one by one (<name>.<Suite>.<Case>).
function(xt_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEFINITIONS;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  gtest_discover_tests(${name}
    TEST_PREFIX "${name}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    NO_PRETTY_VALUES NO_PRETTY_TYPES
    PROPERTIES ENVIRONMENT "XT_TEST_PLUGIN_DIR=${XT_TEST_PLUGIN_DIR}")
endfunction()

# xt_add_module(<target> OUTPUT <file name> FOLDER <output folder> SOURCES ... LIBS ... [EXPORTS <map>])
# A module as the host loads one: <OUTPUT>.xnt with hidden visibility, exporting what the version
# script names (by default XTActivateCallback and XTResourceTable only).
function(xt_add_module target)
  cmake_parse_arguments(ARG "" "OUTPUT;FOLDER;EXPORTS" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_EXPORTS)
    set(ARG_EXPORTS ${XT_CMAKE_DIR}/plugin-exports.map)
  endif()
  file(RELATIVE_PATH to_root ${ARG_FOLDER} ${CMAKE_BINARY_DIR})
  add_library(${target} MODULE ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES
    PREFIX "" SUFFIX ".xnt" OUTPUT_NAME ${ARG_OUTPUT}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${ARG_FOLDER}
    BUILD_RPATH "$ORIGIN/${to_root}/lib"
    LINK_DEPENDS ${ARG_EXPORTS})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  target_link_options(${target} PRIVATE -Wl,--version-script=${ARG_EXPORTS} -Wl,--no-undefined)
endfunction()

# xt_add_plugin(<name> OUTPUT <file name without .xnt> SOURCES ... MODULE_SOURCES ...
#               [PROBE_SOURCES ...] [TESTS ...] [TEST_LIBS ...] [SWEEP_SESSIONS ...] [FUZZERS ...]
#               [TEST_ONLY])
# Everything a plug-in brings, from its own folder:
# - <name>_lib, a static library of the plug-in's code, and <name>, the module <OUTPUT>.xnt in
#   plugins/ (test-plugins/ with TEST_ONLY) that exports only XTActivateCallback and XTResourceTable;
# - <name>_probe, the module <OUTPUT>Probe.xnt in test-probes/<name>/: the plug-in with PROBE_SOURCES
#   added, which also exports every table named XT...Probe, for tests that run the plug-in's code
#   inside a loaded module (apart from the plug-in folders, so that no folder scan loads it);
# - <name>_tests from TESTS and TEST_LIBS, with XT_MODULE_FILE and XT_PROBE_FILE naming the two modules,
#   XT_PLUGIN_SOURCE_DIR its folder and XT_EXAMPLES_DIR its example sessions; they link xt_testing
#   (testing/) and sweep_testing (tools/sweep/testing/);
# - a test per example session examples/<name>/<session>.txt, whose printed output must equal
#   examples/<name>/<session>.expected;
# - its example sessions and SWEEP_SESSIONS in the fault sweep;
# - a libFuzzer target fuzz_<stem> per FUZZERS source <folder>/fuzz_<stem>.cpp, seeded from
#   <folder>/corpus/<stem>/ (in the fuzz preset).
# Its sources (not its tests or fuzzers) may not include a host/ header: a test checks it.
function(xt_add_plugin name)
  cmake_parse_arguments(ARG "TEST_ONLY" "OUTPUT"
    "SOURCES;MODULE_SOURCES;PROBE_SOURCES;TESTS;TEST_LIBS;SWEEP_SESSIONS;FUZZERS" ${ARGN})
  add_library(${name}_lib STATIC ${ARG_SOURCES})
  set_target_properties(${name}_lib PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${name}_lib PUBLIC foundation xtapi win32)
  target_include_directories(${name}_lib PUBLIC ${PROJECT_SOURCE_DIR})

  set(folder ${XT_PLUGIN_DIR})
  if(ARG_TEST_ONLY)
    set(folder ${XT_TEST_PLUGIN_DIR})
  endif()
  xt_add_module(${name} OUTPUT ${ARG_OUTPUT} FOLDER ${folder} SOURCES ${ARG_MODULE_SOURCES} LIBS ${name}_lib)
  if(ARG_TEST_ONLY)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY XT_PLUGIN_FOLDERS ${CMAKE_CURRENT_SOURCE_DIR})

  if(ARG_PROBE_SOURCES AND (BUILD_TESTING OR XT_FUZZ))
    xt_add_module(${name}_probe OUTPUT ${ARG_OUTPUT}Probe FOLDER ${CMAKE_BINARY_DIR}/test-probes/${name}
      EXPORTS ${XT_CMAKE_DIR}/probe-exports.map
      SOURCES ${ARG_MODULE_SOURCES} ${ARG_PROBE_SOURCES} LIBS ${name}_lib)
    foreach(source ${ARG_PROBE_SOURCES})
      get_filename_component(probe_folder ${source} DIRECTORY)
      set_property(GLOBAL APPEND PROPERTY XT_PROBE_FOLDERS ${CMAKE_CURRENT_SOURCE_DIR}/${probe_folder})
    endforeach()
  endif()

  set(module_files XT_MODULE_FILE="$<TARGET_FILE:${name}>")
  set(modules ${name})
  if(TARGET ${name}_probe)
    list(APPEND module_files XT_PROBE_FILE="$<TARGET_FILE:${name}_probe>")
    list(APPEND modules ${name}_probe)
  endif()

  if(BUILD_TESTING AND ARG_TESTS)
    xt_add_test(${name}_tests SOURCES ${ARG_TESTS}
      LIBS ${name}_lib xt_testing sweep_testing ${ARG_TEST_LIBS}
      DEFINITIONS ${module_files} XT_PLUGIN_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
        XT_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples/${name}"
      DEPENDS ${modules} layout-host)
  endif()
  if(BUILD_TESTING)
    xt_add_example_sessions(${name})
  endif()

  foreach(session ${ARG_SWEEP_SESSIONS})
    set_property(GLOBAL APPEND PROPERTY XT_SWEEP_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/${session})
  endforeach()

  if(XT_FUZZ)
    foreach(source ${ARG_FUZZERS})
      get_filename_component(stem ${source} NAME_WE)
      get_filename_component(fuzz_folder ${CMAKE_CURRENT_SOURCE_DIR}/${source} DIRECTORY)
      string(REGEX REPLACE "^fuzz_" "" short ${stem})
      xt_add_fuzzer(${stem} SOURCES ${source} CORPUS ${fuzz_folder}/corpus/${short} LIBS host
        DEFINITIONS ${module_files} DEPENDS ${modules})
    endforeach()
  endif()
endfunction()

# A test per example session of the plug-in: each runs in a fresh work folder holding a copy of
# examples/example-document.json, on an empty system folder (a fresh machine), and must print exactly
# what <session>.expected holds.
function(xt_add_example_sessions name)
  file(GLOB sessions CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/${name}/*.txt)
  foreach(session ${sessions})
    get_filename_component(stem ${session} NAME_WE)
    get_filename_component(folder ${session} DIRECTORY)
    set(expected ${folder}/${stem}.expected)
    if(NOT EXISTS ${expected})
      message(FATAL_ERROR "The example session ${session} has no expected output ${stem}.expected beside it.")
    endif()
    add_test(NAME ${name}_example_${stem}
      COMMAND ${CMAKE_COMMAND}
        -DHOST=$<TARGET_FILE:layout-host> -DPLUGINS=${XT_PLUGIN_DIR} -DSCRIPT=${session} -DEXPECTED=${expected}
        -DDOCUMENT=${PROJECT_SOURCE_DIR}/examples/example-document.json
        -DWORK=${CMAKE_CURRENT_BINARY_DIR}/examples/${stem}
        -P ${XT_CMAKE_DIR}/RunExampleSession.cmake)
    set_property(GLOBAL APPEND PROPERTY XT_SWEEP_SCRIPTS ${session})
    set_property(GLOBAL APPEND PROPERTY XT_EXAMPLE_SCRIPTS ${session})
  endforeach()
endfunction()

# xt_add_fuzzer(<name> SOURCES ... CORPUS <seed folder> LIBS ... [DEFINITIONS ...] [DEPENDS ...])
# A libFuzzer target (fuzz preset); fuzz/run-fuzzers.sh finds it and its seeds in fuzzers.txt.
function(xt_add_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS;DEFINITIONS;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/sanitizer_options.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES BUILD_RPATH "$ORIGIN/../lib")
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  set_property(GLOBAL APPEND PROPERTY XT_FUZZERS ${name})
  set_property(GLOBAL APPEND PROPERTY XT_FUZZER_LINES "${name} ${ARG_CORPUS}")
endfunction()

# Called once at the end of the top-level CMakeLists: the targets and tests that take in every plug-in.
function(xt_add_gathered_targets)
  # The fault sweep's scripts: the host's example session and sweep sessions, then each plug-in's.
  file(GLOB host_scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.txt ${PROJECT_SOURCE_DIR}/tools/sweep/sessions/*.txt)
  get_property(plugin_scripts GLOBAL PROPERTY XT_SWEEP_SCRIPTS)
  set(scripts ${host_scripts} ${plugin_scripts})
  set(stems "")
  foreach(script ${scripts})
    get_filename_component(stem ${script} NAME_WE)
    if(stem IN_LIST stems)
      message(FATAL_ERROR "Two sweep scripts are named ${stem}: the fault sweep keeps its runs by that name. Rename ${script}.")
    endif()
    list(APPEND stems ${stem})
  endforeach()
  list(JOIN scripts "\n" script_lines)
  file(WRITE ${CMAKE_BINARY_DIR}/sweep-scripts.txt "${script_lines}\n")
  # The plug-ins' own example documents, beside their sessions, go into each run's work folder too.
  file(GLOB own_documents CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*/*.json)
  set(work_files --work-file ${PROJECT_SOURCE_DIR}/examples/example-document.json)
  foreach(document ${own_documents})
    list(APPEND work_files --work-file ${document})
  endforeach()
  if(BUILD_TESTING AND TARGET fault-sweep)
    add_test(NAME fault_sweep_sample
      COMMAND fault-sweep --host $<TARGET_FILE:layout-host> --plugins ${XT_PLUGIN_DIR}
        --out ${CMAKE_BINARY_DIR}/sweep-sample --sample ${XT_SWEEP_SAMPLE} --jobs 4
        ${work_files} ${scripts})
  endif()
  # The undo check over every example session, the host's and each plug-in's: after each step a session
  # makes, Undo gives back the documents as they were and Redo as the step left them, byte for byte.
  file(GLOB host_examples CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.txt)
  get_property(plugin_examples GLOBAL PROPERTY XT_EXAMPLE_SCRIPTS)
  if(BUILD_TESTING AND TARGET undo-check)
    add_test(NAME undo_check_examples
      COMMAND undo-check --host $<TARGET_FILE:layout-host> --plugins ${XT_PLUGIN_DIR}
        --out ${CMAKE_BINARY_DIR}/undo-check --jobs 4
        ${work_files} ${host_examples} ${plugin_examples})
  endif()

  # Plug-ins and the foundation reach the host only through xtapi/.
  if(BUILD_TESTING)
    get_property(plugin_folders GLOBAL PROPERTY XT_PLUGIN_FOLDERS)
    get_property(probe_folders GLOBAL PROPERTY XT_PROBE_FOLDERS)
    list(REMOVE_DUPLICATES probe_folders)
    list(JOIN plugin_folders "," roots)
    list(JOIN probe_folders "," probes)
    add_test(NAME plugins_include_no_host_header
      COMMAND ${CMAKE_COMMAND} "-DROOTS=${PROJECT_SOURCE_DIR}/foundation,${roots}" "-DKEEP=${probes}"
        -P ${XT_CMAKE_DIR}/CheckNoHostIncludes.cmake)
    # The check itself: it must find the include in a plug-in source that reaches the host.
    set(sample ${CMAKE_BINARY_DIR}/include-check-sample)
    file(WRITE ${sample}/reaches_host.cpp "// A plug-in source that breaks the rule.\n#include \"xtapi/types.h\"\n#include \"host/host.h\"\n")
    file(WRITE ${sample}/tests/drives_host.cpp "#include \"host/host.h\"\n")
    add_test(NAME plugins_include_check_finds_a_host_header
      COMMAND ${CMAKE_COMMAND} "-DROOTS=${sample}" -P ${XT_CMAKE_DIR}/CheckNoHostIncludes.cmake)
    set_tests_properties(plugins_include_check_finds_a_host_header PROPERTIES
      PASS_REGULAR_EXPRESSION "include-check-sample/reaches_host.cpp:3: #include \"host/host.h\""
      FAIL_REGULAR_EXPRESSION "drives_host")
  endif()

  if(XT_FUZZ)
    get_property(fuzzers GLOBAL PROPERTY XT_FUZZERS)
    get_property(fuzzer_lines GLOBAL PROPERTY XT_FUZZER_LINES)
    list(JOIN fuzzer_lines "\n" lines)
    file(WRITE ${CMAKE_BINARY_DIR}/fuzzers.txt "${lines}\n")
    add_custom_target(fuzzers DEPENDS ${fuzzers})
  endif()
endfunction()

# One helper per kind of target.

# xt_add_plugin(<name> OUTPUT <file name without .xnt> SOURCES ... [TEST_ONLY])
# Makes <name>_lib, a static library of the plug-in's code for tests, and <name>, the module
# <OUTPUT>.xnt that exports only XTActivateCallback and XTResourceTable.
function(xt_add_plugin name)
  cmake_parse_arguments(ARG "TEST_ONLY" "OUTPUT" "SOURCES;MODULE_SOURCES" ${ARGN})
  add_library(${name}_lib STATIC ${ARG_SOURCES})
  set_target_properties(${name}_lib PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${name}_lib PUBLIC foundation xtapi win32)
  target_include_directories(${name}_lib PUBLIC ${PROJECT_SOURCE_DIR})

  add_library(${name} MODULE ${ARG_MODULE_SOURCES})
  set_target_properties(${name} PROPERTIES
    PREFIX "" SUFFIX ".xnt" OUTPUT_NAME ${ARG_OUTPUT}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    BUILD_RPATH "$ORIGIN/../lib")
  if(ARG_TEST_ONLY)
    set_target_properties(${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${XT_TEST_PLUGIN_DIR})
  else()
    set_target_properties(${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${XT_PLUGIN_DIR})
  endif()
  target_link_libraries(${name} PRIVATE ${name}_lib)
  target_link_options(${name} PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/plugin-exports.map -Wl,--no-undefined)
endfunction()

# xt_add_test(<name> SOURCES ... LIBS ...): one gtest binary per component.
function(xt_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "XT_PLUGIN_DIR=${XT_PLUGIN_DIR};XT_TEST_PLUGIN_DIR=${XT_TEST_PLUGIN_DIR}")
endfunction()

# xt_add_probe_module(<name> OUTPUT <file name> FOLDER <subfolder> EXPORTS <map> SOURCES ... LIBS ...
#                     [DEFINITIONS ...])
# A test-only module: a plug-in's code with one more export (a table of its functions) for tests
# that must run that code inside a loaded module. It lands in test-probes/<FOLDER>, apart from the
# plug-in folders, so that no folder scan loads it.
function(xt_add_probe_module name)
  cmake_parse_arguments(ARG "" "OUTPUT;FOLDER;EXPORTS" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
  add_library(${name} MODULE ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  set_target_properties(${name} PROPERTIES
    PREFIX "" SUFFIX ".xnt" OUTPUT_NAME ${ARG_OUTPUT}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-probes/${ARG_FOLDER}
    BUILD_RPATH "$ORIGIN/../../lib")
  target_link_options(${name} PRIVATE -Wl,--version-script=${ARG_EXPORTS} -Wl,--no-undefined)
endfunction()

# Build rules shared by every target of the tree.

# p->GetSafeHwnd() on a null window is the class library's idiom; without
# this the optimiser takes p for non-null after such a call and drops the
# caller's own null checks (a crash seen on i686 only).
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-fno-delete-null-pointer-checks>")

# Narrow literals are Shift_JIS (code page 932) in every build that runs the
# system. clang knows no other execution charset than UTF-8: its fuzz builds
# keep UTF-8 literals, which is enough to find crashes.
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-Wall;-Wextra;-Wno-unused-parameter>")
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-finput-charset=UTF-8;-fexec-charset=CP932>")
endif()

if(WIN32)
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800
                          NOMINMAX STRICT)
endif()

if(TANZO_SANITIZE)
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-fsanitize=address,undefined;-fno-omit-frame-pointer;-fno-sanitize-recover=undefined>")
  add_link_options(-fsanitize=address,undefined)
endif()

# libFuzzer needs coverage of the libraries too, not only of the target.
if(TANZO_FUZZ)
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-fsanitize=fuzzer-no-link>")
endif()

set(TANZO_SOURCE_ROOT ${CMAKE_SOURCE_DIR})
# The common library's resources, which every program using it compiles.
set(TANZO_COMMON_RC ${CMAKE_SOURCE_DIR}/res/common/common.rc)
# The installation library's texts, which the installer and the
# uninstaller compile.
set(TANZO_INSTALL_RC ${CMAKE_SOURCE_DIR}/res/install/install.rc)
# The client's texts, compiled beside the common ones.
set(TANZO_CLIENT_RC ${CMAKE_SOURCE_DIR}/res/client/strings.rc)
set(TANZO_TEST_TIMEOUT 300 CACHE STRING "Seconds before CTest kills a test program")

# GoogleTest: the distribution's library natively; built once from the
# distribution's source for the cross builds.
macro(tanzo_setup_gtest)
  if(CMAKE_CROSSCOMPILING)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
      message(FATAL_ERROR "googletest source missing: run tools/install-deps")
    endif()
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # The Windows test programs' main puts each on a desktop of its own.
    add_library(tanzo_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/app/main/TestMain.cpp)
    target_include_directories(tanzo_test_main PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(tanzo_test_main PUBLIC gtest)
    add_library(tanzo_gtest INTERFACE)
    target_link_libraries(tanzo_gtest INTERFACE gtest tanzo_test_main)
  else()
    find_package(GTest REQUIRED)
    add_library(tanzo_gtest INTERFACE)
    target_link_libraries(tanzo_gtest INTERFACE GTest::gtest GTest::gtest_main)
  endif()
endmacro()

# A program's string table lives in its resource scripts. Windows builds
# compile the script; the native build gets a table generated from the
# STRINGTABLE blocks of the same scripts.
function(tanzo_string_table target)
  set(scripts ${ARGN})
  # Scripts include one another; any change under res/ rebuilds them.
  file(GLOB_RECURSE included CONFIGURE_DEPENDS ${TANZO_SOURCE_ROOT}/res/*.rc
       ${TANZO_SOURCE_ROOT}/res/*.h ${TANZO_SOURCE_ROOT}/res/*.htm ${TANZO_SOURCE_ROOT}/res/*.css)
  if(WIN32)
    target_sources(${target} PRIVATE ${scripts})
    set_source_files_properties(${scripts} TARGET_DIRECTORY ${target}
      PROPERTIES OBJECT_DEPENDS "${included}")
  else()
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_strings.cpp)
    add_custom_command(
      OUTPUT ${out}
      COMMAND python3 ${TANZO_SOURCE_ROOT}/tools/strtab.py -o ${out} ${scripts}
      DEPENDS ${TANZO_SOURCE_ROOT}/tools/strtab.py ${scripts} ${included}
      COMMENT "String table of ${target}"
      VERBATIM)
    target_sources(${target} PRIVATE ${out})
  endif()
endfunction()

# One test program per source folder: every .cpp of the folder, and of the
# TOPICS sub-folders named (those of the library it tests), is a part of it.
# tanzo_add_test(NAME <name> DIR <folder> [LIBS ...] [STRINGS rc...] [SOURCES ...]
#                [TOPICS <sub-folder>...] [LOCK <resource lock>])
function(tanzo_add_test)
  cmake_parse_arguments(T "" "NAME;DIR;LOCK" "LIBS;STRINGS;SOURCES;TOPICS" ${ARGN})
  tanzo_topic_sources(srcs ${T_DIR} TOPICS ${T_TOPICS} PORTABLE)
  if(NOT srcs AND NOT T_SOURCES)
    return()
  endif()
  add_executable(${T_NAME} ${srcs} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} tanzo_gtest)
  target_include_directories(${T_NAME} PRIVATE ${TANZO_SOURCE_ROOT}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    TANZO_FIXTURES="${TANZO_SOURCE_ROOT}/tests/fixtures")
  if(T_STRINGS)
    tanzo_string_table(${T_NAME} ${T_STRINGS})
  endif()
  if(WIN32)
    # Tests are console programs: their output reaches CTest through Wine.
    target_link_options(${T_NAME} PRIVATE -mconsole)
  endif()
  if(WIN32)
    tanzo_add_test_entries(${T_NAME} COMMAND ${TANZO_SOURCE_ROOT}/tools/wine-run $<TARGET_FILE:${T_NAME}>
      LOCK "${T_LOCK}")
  else()
    tanzo_add_test_entries(${T_NAME} COMMAND ${T_NAME})
  endif()
endfunction()

# The CTest entries of a test program. A Windows program is split into
# TANZO_SHARDS_<name> entries (set in tests/CMakeLists.txt; one when unset)
# that run a share of its suites each (tests/app/main/TestMain.cpp): CTest
# spreads them over the cores, and none nears its timeout. Entries under a
# resource lock run one after another anyway: they share the cases out one
# by one (GoogleTest's sharding), which splits a long suite too; so do the
# entries of a program whose command gives each entry a world of its own
# (BY_CASE: a Wine prefix per entry).
# tanzo_add_test_entries(<name> COMMAND <command...> [FILTER <gtest filter>]
#                        [LOCK <resource lock>] [TIMEOUT <seconds>] [BY_CASE])
function(tanzo_add_test_entries name)
  cmake_parse_arguments(E "BY_CASE" "FILTER;LOCK;TIMEOUT" "COMMAND" ${ARGN})
  set(command ${E_COMMAND} --gtest_brief=1)
  if(E_FILTER)
    list(APPEND command --gtest_filter=${E_FILTER})
  endif()
  set(shards 1)
  if(WIN32 AND TANZO_SHARDS_${name})
    set(shards ${TANZO_SHARDS_${name}})
  endif()
  if(NOT E_TIMEOUT)
    set(E_TIMEOUT ${TANZO_TEST_TIMEOUT})
  endif()
  set(extra)
  if(E_LOCK)
    list(APPEND extra RESOURCE_LOCK ${E_LOCK})
  endif()
  if(WIN32)
    list(APPEND extra FIXTURES_REQUIRED wine_prefix)
  endif()
  if(shards EQUAL 1)
    add_test(NAME ${name} COMMAND ${command})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${E_TIMEOUT} ENVIRONMENT "TZ=JST-9" ${extra})
    return()
  endif()
  math(EXPR last "${shards} - 1")
  foreach(i RANGE ${last})
    if(E_LOCK OR E_BY_CASE)
      set(share "GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${i}")
    else()
      set(share "TANZO_SUITE_SHARDS=${shards};TANZO_SUITE_SHARD=${i}")
    endif()
    add_test(NAME ${name}_${i} COMMAND ${command})
    set_tests_properties(${name}_${i} PROPERTIES TIMEOUT ${E_TIMEOUT} ENVIRONMENT "TZ=JST-9;${share}" ${extra})
  endforeach()
endfunction()

# The topic sub-folders of a source folder, by name: every sub-folder but
# win32/, those that hold a CMakeLists.txt (targets of their own) and those
# named after EXCLUDE. Each keeps its Win32-only sources in a win32/ of its
# own, as the folder does.
# tanzo_topic_dirs(<out> <folder> [EXCLUDE <sub-folder>...])
function(tanzo_topic_dirs out dir)
  cmake_parse_arguments(D "" "" "EXCLUDE" ${ARGN})
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${dir}/*)
  set(topics)
  foreach(child ${children})
    get_filename_component(topic ${child} NAME)
    if(IS_DIRECTORY ${child} AND NOT topic STREQUAL "win32" AND NOT EXISTS ${child}/CMakeLists.txt)
      list(FIND D_EXCLUDE ${topic} excluded)
      if(excluded EQUAL -1)
        list(APPEND topics ${topic})
      endif()
    endif()
  endforeach()
  set(${out} ${topics} PARENT_SCOPE)
endfunction()

# The .cpp files of a folder and of its TOPICS sub-folders; in Windows
# builds those of their win32/ sub-folders too.
# tanzo_topic_sources(<out> <folder> [TOPICS <sub-folder>...] [PORTABLE|WIN32_ONLY])
function(tanzo_topic_sources out dir)
  cmake_parse_arguments(S "PORTABLE;WIN32_ONLY" "" "TOPICS" ${ARGN})
  set(globs)
  foreach(d ${dir} ${S_TOPICS})
    if(NOT IS_ABSOLUTE ${d})
      set(d ${dir}/${d})
    endif()
    if(NOT S_WIN32_ONLY)
      list(APPEND globs ${d}/*.cpp)
    endif()
    if((WIN32 AND NOT S_PORTABLE) OR S_WIN32_ONLY)
      list(APPEND globs ${d}/win32/*.cpp)
    endif()
  endforeach()
  file(GLOB srcs CONFIGURE_DEPENDS ${globs})
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# A static library made of every .cpp of a folder and of its topic
# sub-folders (portable part) plus, in Windows builds, the .cpp files of
# their win32/ sub-folders. EXCLUDE names sub-folders that are not topics.
# tanzo_library(<name> <folder> [EXCLUDE <sub-folder>...])
function(tanzo_library name dir)
  cmake_parse_arguments(L "" "" "EXCLUDE" ${ARGN})
  tanzo_topic_dirs(topics ${dir} EXCLUDE ${L_EXCLUDE})
  tanzo_topic_sources(srcs ${dir} TOPICS ${topics})
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${TANZO_SOURCE_ROOT}/common)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${TANZO_SOURCE_ROOT}/common)
  endif()
endfunction()

# Links a library made by tanzo_library to others, whatever its kind.
function(tanzo_link name)
  get_target_property(kind ${name} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${name} INTERFACE ${ARGN})
  else()
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# The stack of libraries, bottom first. Programs and the libraries only they
# use are added above the common ones.
function(tanzo_stack_add name)
  set_property(GLOBAL APPEND PROPERTY TANZO_STACK ${name})
endfunction()

# Fails the configuration when a library of the stack links one that is not
# below it, which also rules out every cycle.
function(tanzo_check_stack)
  get_property(stack GLOBAL PROPERTY TANZO_STACK)
  set(position 0)
  foreach(name ${stack})
    get_target_property(kind ${name} TYPE)
    if(kind STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links ${name} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(links ${name} LINK_LIBRARIES)
    endif()
    foreach(link ${links})
      list(FIND stack "${link}" at)
      if(at GREATER_EQUAL position)
        list(JOIN stack " < " order)
        message(FATAL_ERROR "${name} links ${link}, which is not below it. "
                            "The libraries stack up as ${order}; "
                            "move the code that needs ${link} into ${link} or above it.")
      endif()
    endforeach()
    math(EXPR position "${position} + 1")
  endforeach()
endfunction()

# tessaryn_library(NAME [DIR dir] [LINK libs...])
# A static library from every .cpp of a folder (an interface library while the folder is empty).
function(tessaryn_library name)
    cmake_parse_arguments(ARG "" "DIR" "LINK;EXCLUDE" ${ARGN})
    if(NOT ARG_DIR)
        set(ARG_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h)
    foreach(pattern ${ARG_EXCLUDE})
        list(FILTER sources EXCLUDE REGEX "${pattern}")
    endforeach()
    set(cpp ${sources})
    list(FILTER cpp INCLUDE REGEX "\\.cpp$")
    if(cpp)
        add_library(${name} STATIC ${sources})
        target_link_libraries(${name} PUBLIC ${ARG_LINK})
    else()
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARG_LINK})
    endif()
endfunction()

# tessaryn_test(NAME [QT] SOURCES... LINK libs...)
# A GoogleTest executable whose tests are registered with CTest and run on Qt's offscreen platform.
# With QT, its main creates a QApplication first (for windows, fonts and widgets).
function(tessaryn_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LINK" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE ${ARG_LINK} tessaryn_test_qt_main GTest::gtest)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LINK} GTest::gtest GTest::gtest_main)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DISCOVERY_TIMEOUT 60)
endfunction()

# tessaryn_fuzz_target(NAME SOURCES... CORPUS dir LINK libs...)
# A fuzz target: sources defining LLVMFuzzerTestOneInput. Every test build replays the seed corpus
# (the folder CORPUS) as the CTest test NAME_corpus through a plain main, with any compiler; with
# TESSARYN_FUZZ on clang, NAME is also the libFuzzer executable.
function(tessaryn_fuzz_target name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LINK" ${ARGN})
    add_executable(${name}_replay ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/FuzzReplayMain.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARG_LINK})
    add_test(NAME ${name}_corpus COMMAND ${name}_replay ${ARG_CORPUS})
    if(TESSARYN_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE ${ARG_LINK})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    endif()
endfunction()

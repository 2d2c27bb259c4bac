# Shared build rules of the project.

add_library(kronel_warnungen INTERFACE)
target_compile_options(kronel_warnungen INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
    -Werror)


# kronel_bibliothek(name FOLDER-relative sources... LINKS ...)
function(kronel_bibliothek name)
    cmake_parse_arguments(A "" "" "SOURCES;LINKS;PRIVATE_LINKS" ${ARGN})
    add_library(${name} STATIC ${A_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
    target_link_libraries(${name} PUBLIC ${A_LINKS} PRIVATE kronel_warnungen ${A_PRIVATE_LINKS})
endfunction()

# kronel_test(name SOURCES ... LINKS ...): a GoogleTest program, run headless.
function(kronel_test name)
    cmake_parse_arguments(A "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${A_SOURCES})
    target_link_libraries(${name} PRIVATE ${A_LINKS} kronel_testsupport GTest::gtest GTest::gmock
                                          GTest::gtest_main kronel_warnungen)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        KRONEL_TESTDATEN="${CMAKE_CURRENT_SOURCE_DIR}/data"
        KRONEL_QUELLORDNER="${CMAKE_SOURCE_DIR}"
        KRONEL_PROGRAMMORDNER_BAU="${KRONEL_PROGRAMMORDNER}")
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;TZ=Europe/Berlin;LC_ALL=C.UTF-8;LANG=C.UTF-8;KRONEL_ENTWICKLUNG=0")
endfunction()

# Fails the configure when one of the given targets reaches Qt6::Gui or Qt6::Widgets.
function(_kronel_links_sammeln target out)
    set(ergebnis "")
    set(offen ${target})
    set(gesehen "")
    while(offen)
        list(POP_FRONT offen t)
        if(t IN_LIST gesehen)
            continue()
        endif()
        list(APPEND gesehen ${t})
        if(NOT TARGET ${t})
            continue()
        endif()
        get_target_property(alias ${t} ALIASED_TARGET)
        if(alias)
            list(APPEND offen ${alias})
        endif()
        get_target_property(typ ${t} TYPE)
        set(props INTERFACE_LINK_LIBRARIES)
        if(NOT typ STREQUAL "INTERFACE_LIBRARY")
            list(APPEND props LINK_LIBRARIES)
        endif()
        foreach(p IN LISTS props)
            get_target_property(libs ${t} ${p})
            if(libs)
                foreach(l IN LISTS libs)
                    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" l "${l}")
                    if(l MATCHES "^\\$<")
                        continue()
                    endif()
                    list(APPEND ergebnis ${l})
                    list(APPEND offen ${l})
                endforeach()
            endif()
        endforeach()
    endwhile()
    set(${out} ${ergebnis} PARENT_SCOPE)
endfunction()

function(kronel_ohne_gui_pruefen)
    foreach(t IN LISTS ARGN)
        _kronel_links_sammeln(${t} links)
        foreach(l IN LISTS links)
            if(l MATCHES "^Qt6?::(Gui|Widgets|PrintSupport|Multimedia|OpenGL)" OR l MATCHES "Qt6(Gui|Widgets)")
                message(FATAL_ERROR "${t} darf ${l} nicht linken: die Logik bleibt ohne Fenster.")
            endif()
        endforeach()
    endforeach()
endfunction()

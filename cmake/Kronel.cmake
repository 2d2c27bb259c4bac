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

option(KRONEL_GANZE_PROGRAMME "Each test program also runs once as a whole" ON)

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
    set(umgebung
        "QT_QPA_PLATFORM=offscreen;TZ=Europe/Berlin;LC_ALL=C.UTF-8;LANG=C.UTF-8;KRONEL_ENTWICKLUNG=0")
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "${umgebung}")
    # The whole program in one process as well: a test that leaves something
    # behind for a later one fails there, whatever the order of one test each.
    # The sanitizer build leaves it out; it finds nothing there the single runs
    # do not, and would double that build's test time.
    if(KRONEL_GANZE_PROGRAMME)
        add_test(NAME GanzesProgramm.${name} COMMAND ${name})
        set_tests_properties(GanzesProgramm.${name} PROPERTIES ENVIRONMENT "${umgebung}")
    endif()
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

# kronel_programm(PROGRAMM LOGIK target FENSTER target [LOGIK_ORDNER dir] [FENSTER_ORDNER dir]
#                 [LOGIK_LINKS ...] [FENSTER_LINKS ...]): the three targets of a program.
# The logic without widgets (LOGIK_ORDNER/src, LOGIK_ORDNER/include, checked at
# configure time), its window library on top (FENSTER_ORDNER/src and /include,
# with the shared windows) and the program from main.cpp beside them.
function(kronel_programm programm)
    cmake_parse_arguments(A "" "LOGIK;FENSTER;LOGIK_ORDNER;FENSTER_ORDNER"
                          "LOGIK_LINKS;FENSTER_LINKS" ${ARGN})
    set(logik ${CMAKE_CURRENT_SOURCE_DIR})
    if(A_LOGIK_ORDNER)
        set(logik ${logik}/${A_LOGIK_ORDNER})
    endif()
    if(NOT A_FENSTER_ORDNER)
        set(A_FENSTER_ORDNER ui)
    endif()
    set(fenster ${CMAKE_CURRENT_SOURCE_DIR}/${A_FENSTER_ORDNER})

    file(GLOB logikquellen CONFIGURE_DEPENDS ${logik}/src/*.cpp ${logik}/include/*/*.h)
    add_library(${A_LOGIK} STATIC ${logikquellen})
    target_include_directories(${A_LOGIK} PUBLIC ${logik}/include)
    target_link_libraries(${A_LOGIK} PUBLIC ${A_LOGIK_LINKS} PRIVATE kronel_warnungen)
    kronel_ohne_gui_pruefen(${A_LOGIK})

    file(GLOB fensterquellen CONFIGURE_DEPENDS ${fenster}/src/*.cpp ${fenster}/include/*/*.h)
    add_library(${A_FENSTER} STATIC ${fensterquellen})
    target_include_directories(${A_FENSTER} PUBLIC ${fenster}/include)
    target_link_libraries(${A_FENSTER} PUBLIC ${A_LOGIK} ${A_FENSTER_LINKS} kronel_shared_ui
                                              Qt6::Widgets PRIVATE kronel_warnungen)

    add_executable(${programm} main.cpp)
    target_link_libraries(${programm} PRIVATE ${A_FENSTER} kronel_warnungen)
endfunction()

# memo_programm(logik fenster programm LINKS ...): the logic without windows
# (src/, include/<logik>/), its windows (ui/src/, ui/include/<fenster>/), the
# program (main.cpp) and the tests of both.
function(memo_programm logik fenster programm)
    cmake_parse_arguments(A "" "" "LINKS" ${ARGN})
    file(GLOB quellen CONFIGURE_DEPENDS src/*.cpp include/*/*.h)
    kronel_bibliothek(${logik} SOURCES ${quellen} LINKS ${A_LINKS})
    kronel_ohne_gui_pruefen(${logik})

    file(GLOB fensterquellen CONFIGURE_DEPENDS ui/src/*.cpp ui/include/*/*.h)
    add_library(${fenster} STATIC ${fensterquellen})
    target_include_directories(${fenster} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/ui/include)
    target_link_libraries(${fenster} PUBLIC ${logik} kronel_shared_ui Qt6::Widgets
                                     PRIVATE kronel_warnungen)

    add_executable(${programm} main.cpp)
    target_link_libraries(${programm} PRIVATE ${fenster} kronel_warnungen)
endfunction()

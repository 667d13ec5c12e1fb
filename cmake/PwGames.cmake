# The games are built one family (one shelf subsystem) per QML module, one game per
# folder inside its family. A family's CMakeLists.txt reads:
#
#     pw_game_family(math URI Pipwhistle.Games.Math)
#     pw_add_game(math MathBattle)
#     pw_add_game(math Clock)
#
# A game folder holds the game's class, its bank, its view (`<Name>View.qml`) and any
# painted items; every .h/.cpp/.qml in it is built. Views keep flat URLs inside their
# module (qrc:/qt/qml/Pipwhistle/Games/Math/MathBattleGameView.qml) and flat type names.
# Sources shared by several games of one family go to the family folder itself, added
# with pw_add_game(<family> .).

# Creates the static library pw_games_<family> with its QML module <uri>.
function(pw_game_family family)
    cmake_parse_arguments(ARG "" "URI" "" ${ARGN})
    set(target pw_games_${family})
    qt_add_library(${target} STATIC)
    qt_add_qml_module(${target}
        URI ${ARG_URI} VERSION 1.0 RESOURCE_PREFIX /qt/qml)
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC
        pw_games_common pw_core pw_audio pw_ui pw_platform
        Qt6::Core Qt6::Gui Qt6::Qml Qt6::Quick)
endfunction()

# Adds every source and view of src/games/<family>/<folder> to the family's module.
function(pw_add_game family folder)
    set(target pw_games_${family})
    set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.h ${dir}/*.cpp)
    file(GLOB views CONFIGURE_DEPENDS ${dir}/*.qml)
    target_sources(${target} PRIVATE ${sources})
    if(NOT folder STREQUAL ".")
        target_include_directories(${target} PUBLIC ${dir})
    endif()
    if(views)
        foreach(view IN LISTS views)
            get_filename_component(name ${view} NAME)
            set_source_files_properties(${view} PROPERTIES QT_RESOURCE_ALIAS ${name})
        endforeach()
        qt_target_qml_sources(${target} QML_FILES ${views})
    endif()
endfunction()

# The desktop program: GameApp's main and nothing else.
add_executable(pennantry ${CMAKE_CURRENT_LIST_DIR}/PennantryMain.cpp)
target_link_libraries(pennantry PRIVATE ui commandline)
pennantry_warnings(pennantry)
install(TARGETS pennantry DESTINATION ${PENNANTRY_GAMES_DIR})

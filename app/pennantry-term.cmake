# The terminal edition: the same game on a terminal, with a face for people and one for programs.
add_executable(pennantry-term PennantryTermMain.cpp)
target_link_libraries(pennantry-term PRIVATE term game resources commandline store)
pennantry_warnings(pennantry-term)
install(TARGETS pennantry-term DESTINATION ${PENNANTRY_GAMES_DIR})

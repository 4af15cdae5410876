# The simulator: thousands of whole games a second on the game's core, and a report of them.
add_executable(pennantry-sim PennantrySimMain.cpp)
target_link_libraries(pennantry-sim PRIVATE sim commandline)
set_target_properties(pennantry-sim PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
pennantry_warnings(pennantry-sim)
install(TARGETS pennantry-sim DESTINATION ${PENNANTRY_GAMES_DIR})

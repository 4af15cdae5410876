# The desktop program: where the Qt window, the store on disk, the generator and the clock meet.
add_executable(pennantry ${CMAKE_CURRENT_LIST_DIR}/PennantryMain.cpp)
target_link_libraries(pennantry PRIVATE ui store commandline)
pennantry_warnings(pennantry)
install(TARGETS pennantry DESTINATION ${PENNANTRY_GAMES_DIR})

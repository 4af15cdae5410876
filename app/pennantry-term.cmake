# The terminal edition: the same game on a terminal, with a face for people and one for programs.
add_executable(pennantry-term PennantryTermMain.cpp)
target_link_libraries(pennantry-term PRIVATE term game resources commandline)
# The saved game lives in the shared store; a tree without it still builds, playing from memory.
if(TARGET store)
  target_link_libraries(pennantry-term PRIVATE store)
  target_compile_definitions(pennantry-term PRIVATE PENNANTRY_HAVE_SETTINGS_STORE)
endif()
pennantry_warnings(pennantry-term)
install(TARGETS pennantry-term)

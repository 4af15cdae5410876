# Writes HowToPlay.cpp: the README's "How to play" list as plain text, one paragraph a point, so
# that every edition's help shows the very words the README gives.
#   cmake -DREADME=... -DOUTPUT=... -P HowToPlay.cmake
file(READ ${README} readme)
string(FIND "${readme}" "## How to play\n\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${README} has no \"How to play\" section")
endif()
math(EXPR start "${start} + 16")
string(SUBSTRING "${readme}" ${start} -1 text)
# The list ends at its first blank line.
string(FIND "${text}" "\n\n" end)
string(SUBSTRING "${text}" 0 ${end} text)
string(REPLACE "**" "" text "${text}")
string(REPLACE "\n  " " " text "${text}")
string(REGEX REPLACE "^- " "" text "${text}")
string(REPLACE "\n- " "\n\n" text "${text}")
if(text MATCHES "[`*\\[]|\\)howto\"")
  message(FATAL_ERROR "The \"How to play\" list holds markup the help cannot show")
endif()
file(WRITE ${OUTPUT}.new "// Made from README.md by HowToPlay.cmake.\n#include \"HowToPlay.h\"\n\n"
  "std::string_view pennantry::HowToPlay()\n{\n    return R\"howto(${text})howto\";\n}\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)

# Installs the desktop files into a scratch prefix and validates the installed tree.
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} --install "${BINARY_DIR}" --prefix "${STAGE}" --component desktop
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "installing the desktop files failed")
endif()
foreach(size IN ITEMS 16 32 48 64 128)
  set(icon "${STAGE}/${DATADIR}/icons/hicolor/${size}x${size}/apps/pennantry.png")
  if(NOT EXISTS "${icon}")
    message(FATAL_ERROR "missing ${icon}")
  endif()
endforeach()
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net "${STAGE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree rejected the installed files")
endif()

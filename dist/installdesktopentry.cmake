# Writes a desktop entry whose Exec= names the installed program by its absolute
# path, then installs it. The prefix is known only at install time
# (`cmake --install --prefix`), so this runs from the install script; being included
# there (not called as a function), file(INSTALL) records the entry in the manifest.
#
# Input variables:
#   DESKTOP_TEMPLATE     the "<name>.desktop.in" file; @DESKTOP_EXEC@ is replaced
#   DESKTOP_STAGING      a directory of the build tree for the written entry
#   DESKTOP_PROGRAM      the installed program, relative to the prefix or absolute
#   DESKTOP_DESTINATION  the applications directory, relative to the prefix or absolute
foreach(desktop_var DESKTOP_TEMPLATE DESKTOP_STAGING DESKTOP_PROGRAM DESKTOP_DESTINATION)
  if(NOT DEFINED ${desktop_var})
    message(FATAL_ERROR "installdesktopentry.cmake: ${desktop_var} is not set")
  endif()
endforeach()

if(IS_ABSOLUTE "${DESKTOP_PROGRAM}")
  set(desktop_program "${DESKTOP_PROGRAM}")
else()
  set(desktop_program "${CMAKE_INSTALL_PREFIX}/${DESKTOP_PROGRAM}")
endif()
if(IS_ABSOLUTE "${DESKTOP_DESTINATION}")
  set(desktop_destination "${DESKTOP_DESTINATION}")
else()
  set(desktop_destination "${CMAKE_INSTALL_PREFIX}/${DESKTOP_DESTINATION}")
endif()
if(desktop_program MATCHES "[\n\r]")
  message(FATAL_ERROR "The program path contains a line break, which a desktop entry cannot hold: ${desktop_program}")
endif()

# The Exec key: the path is one quoted argument, inside which \ " ` $ are escaped
# with a backslash; the key's value is then a string, whose own escaping doubles
# every backslash; a literal % is written %%.
set(desktop_exec "${desktop_program}")
string(REPLACE "\\" "\\\\" desktop_exec "${desktop_exec}")
string(REPLACE "\"" "\\\"" desktop_exec "${desktop_exec}")
string(REPLACE "`" "\\`" desktop_exec "${desktop_exec}")
string(REPLACE "$" "\\$" desktop_exec "${desktop_exec}")
string(REPLACE "\\" "\\\\" desktop_exec "${desktop_exec}")
string(REPLACE "%" "%%" desktop_exec "${desktop_exec}")
set(DESKTOP_EXEC "\"${desktop_exec}\"")

get_filename_component(desktop_name "${DESKTOP_TEMPLATE}" NAME)
string(REGEX REPLACE "\\.in$" "" desktop_name "${desktop_name}")
configure_file("${DESKTOP_TEMPLATE}" "${DESKTOP_STAGING}/${desktop_name}" @ONLY)
file(INSTALL DESTINATION "${desktop_destination}" TYPE FILE FILES "${DESKTOP_STAGING}/${desktop_name}")

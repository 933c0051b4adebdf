# Run by `cmake --install`: a per-user install, one whose prefix lies in the
# user's home folder, gets its place on the desktop: a menu entry that
# starts the installed program and the program's icon in the hicolor theme,
# both in the user's data folder ($XDG_DATA_HOME, else ~/.local/share).
# Expects PELIKOR_DESKTOP_NAME, PELIKOR_DESKTOP_TEMPLATE, PELIKOR_ICON_DIR
# and PELIKOR_APP_NAME.

set(home "$ENV{HOME}")
if(home STREQUAL "" OR NOT IS_DIRECTORY "${home}")
    return()
endif()
file(REAL_PATH "${home}" home)
file(REAL_PATH "${CMAKE_INSTALL_PREFIX}" prefix)
string(FIND "${prefix}/" "${home}/" in_home)
if(NOT in_home EQUAL 0)
    message(STATUS "Not in ${home}: no desktop entry for ${prefix}")
    return()
endif()

set(data_home "$ENV{XDG_DATA_HOME}")
if(data_home STREQUAL "")
    set(data_home "${home}/.local/share")
endif()

# The program's path as one quoted argument of Exec: inside the quotes a
# backslash, quote, backtick or dollar takes a backslash, then every
# backslash is doubled as in any value, and a percent sign is doubled.
set(exec "${prefix}/${PELIKOR_APP_NAME}")
foreach(special "\\" "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" exec "${exec}")
endforeach()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(PELIKOR_DESKTOP_EXEC "\"${exec}\"")

set(entry "$ENV{DESTDIR}${data_home}/applications/${PELIKOR_DESKTOP_NAME}.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${PELIKOR_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL "${PELIKOR_ICON_DIR}" DESTINATION "$ENV{DESTDIR}${data_home}/icons")

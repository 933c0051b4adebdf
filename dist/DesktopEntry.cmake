# Run by `cmake --install`: the menu entry, which starts the installed
# program by its absolute path (a prefix such as ~/.local has its games
# folder on no one's PATH), so it is written once the prefix is known, and
# installed like every other file: under DESTDIR when staged, and into the
# install manifest. Expects PELIKOR_DESKTOP_TEMPLATE, PELIKOR_DESKTOP_FILE
# (written in the build folder), PELIKOR_INSTALLED_PROGRAM (relative to the
# prefix), PELIKOR_APP_ID and PELIKOR_WINDOW_CLASS.

# The program's path as one quoted argument of Exec: inside the quotes a
# backslash, quote, backtick or dollar takes a backslash, then every
# backslash is doubled as in any value, and a percent sign is doubled.
set(exec "${CMAKE_INSTALL_PREFIX}/${PELIKOR_INSTALLED_PROGRAM}")
foreach(special "\\" "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" exec "${exec}")
endforeach()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(PELIKOR_DESKTOP_EXEC "\"${exec}\"")

configure_file("${PELIKOR_DESKTOP_TEMPLATE}" "${PELIKOR_DESKTOP_FILE}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${PELIKOR_DESKTOP_FILE}")

# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the desktop entries. It runs at install time because only then is the prefix known
# (`cmake --install --prefix` may choose another one than the build did): the entry starts the
# installed program by its full path, so the menu works whether or not the prefix's bin folder is
# on PATH.
#
# Set by data/CMakeLists.txt: QUENBROOK_APP_ID, QUENBROOK_BINDIR (GNUInstallDirs' bin folder),
# QUENBROOK_ENTRY_TEMPLATES (each named as its entry, ".in" added), QUENBROOK_ENTRY_STAGING (a
# folder of the build),
# QUENBROOK_APPLICATIONS_DIR (relative to the prefix, or absolute).

if(IS_ABSOLUTE "${QUENBROOK_BINDIR}")
  set(bindir "${QUENBROOK_BINDIR}")
else()
  set(bindir "${CMAKE_INSTALL_PREFIX}/${QUENBROOK_BINDIR}")
endif()
set(program "${bindir}/quenbrook")
cmake_path(ABSOLUTE_PATH program NORMALIZE)

if(program MATCHES "[\n\r\t]")
  message(FATAL_ERROR "The desktop entry cannot name a program whose path holds a line break or "
    "tab: \"${program}\". Install into a prefix without one.")
endif()

# Exec: an argument holding a reserved character is quoted, and inside the quotes ", `, $ and \
# take a backslash; a literal % is written %%. Then, as in every string value, \ becomes \\.
set(exec "${program}")
if(exec MATCHES "[ \"'\\\\><~|&;$*?#()`]")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" EXEC "${exec}")
# TryExec is a plain string value.
string(REPLACE "\\" "\\\\" TRY_EXEC "${program}")
set(APP_ID "${QUENBROOK_APP_ID}")

if(IS_ABSOLUTE "${QUENBROOK_APPLICATIONS_DIR}")
  set(destination "${QUENBROOK_APPLICATIONS_DIR}")
else()
  set(destination "${CMAKE_INSTALL_PREFIX}/${QUENBROOK_APPLICATIONS_DIR}")
endif()
foreach(template IN LISTS QUENBROOK_ENTRY_TEMPLATES)
  cmake_path(GET template STEM LAST_ONLY name)
  set(entry "${QUENBROOK_ENTRY_STAGING}/${name}")
  configure_file("${template}" "${entry}" @ONLY)
  # file(INSTALL) adds DESTDIR and records the file in install_manifest.txt.
  file(INSTALL "${entry}" DESTINATION "${destination}")
endforeach()

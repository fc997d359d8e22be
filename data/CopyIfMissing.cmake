# Copies SOURCE to DESTINATION only when DESTINATION does not exist, creating
# its folder as needed. A file already in the program folder may hold the
# user's own data and is never replaced.
#
#   cmake -DSOURCE=<file> -DDESTINATION=<file> -P CopyIfMissing.cmake

if(NOT DEFINED SOURCE OR NOT DEFINED DESTINATION)
  message(FATAL_ERROR "CopyIfMissing: SOURCE and DESTINATION are required")
endif()
if(NOT EXISTS "${SOURCE}")
  message(FATAL_ERROR "CopyIfMissing: ${SOURCE} does not exist")
endif()
if(EXISTS "${DESTINATION}" OR IS_SYMLINK "${DESTINATION}")
  return()
endif()

get_filename_component(folder "${DESTINATION}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(COPY_FILE "${SOURCE}" "${DESTINATION}")
message(STATUS "Installed ${DESTINATION}")

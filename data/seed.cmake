# Puts the installation data next to the executables. The product descriptor always follows the
# source; files under Configs/ are copied only when missing, so a rebuild never overwrites the
# settings and profiles a developer changed by using the program from the build folder.
# Called with -DSRC=<data folder> -DDST=<bin folder>.
file(COPY_FILE ${SRC}/DefaultProfile.bin ${DST}/DefaultProfile.bin ONLY_IF_DIFFERENT)
file(GLOB_RECURSE _files RELATIVE ${SRC}/Configs ${SRC}/Configs/*)
foreach(_f IN LISTS _files)
  if(NOT EXISTS ${DST}/Configs/${_f})
    get_filename_component(_dir ${DST}/Configs/${_f} DIRECTORY)
    file(MAKE_DIRECTORY ${_dir})
    file(COPY_FILE ${SRC}/Configs/${_f} ${DST}/Configs/${_f})
  endif()
endforeach()
file(MAKE_DIRECTORY ${DST}/Configs/Profile ${DST}/Configs/MacroDB)

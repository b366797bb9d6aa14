# Copies the demonstration into the disc that the disc builder made:
#   cmake -DPROGRAM=<file> -DDISC=<disc folder> -P PutOnDisc.cmake
# A folder without the disc's pictures is no disc, and a file put there would keep the builder
# from making one, so nothing is copied then.
if(IS_DIRECTORY "${DISC}/Graphics")
    get_filename_component(name "${PROGRAM}" NAME)
    file(MAKE_DIRECTORY "${DISC}/What you can do")
    file(COPY_FILE "${PROGRAM}" "${DISC}/What you can do/${name}" ONLY_IF_DIFFERENT)
else()
    message(STATUS "No disc in ${DISC}: the demonstration is not put on it.")
endif()

# cmake -D SOURCE=<sources> -D TREE=<folder> -D INIT=<cache file> -D GENERATOR=<name>
#       [-D TARGETS=<a,b,...>] -P tree_build.cmake
# Builds a second configuration of the sources (the cross-built or the sanitized tree):
# configures <folder> from the cache file the first time and whenever that file changed,
# then builds TARGETS, or everything when none are given. Each tree has a folder of its
# own, so two trees can build at the same time.
foreach(required SOURCE TREE INIT GENERATOR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "tree_build.cmake needs -D ${required}=...")
  endif()
endforeach()

set(cache ${TREE}/CMakeCache.txt)
if(NOT EXISTS ${cache} OR ${INIT} IS_NEWER_THAN ${cache})
  execute_process(COMMAND ${CMAKE_COMMAND} -C ${INIT} -G ${GENERATOR} -S ${SOURCE} -B ${TREE}
                  COMMAND_ERROR_IS_FATAL ANY)
endif()

set(target_arguments)
if(TARGETS)
  string(REPLACE "," ";" targets "${TARGETS}")
  set(target_arguments --target ${targets})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${TREE} ${target_arguments} COMMAND_ERROR_IS_FATAL ANY)

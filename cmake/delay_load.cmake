# orr_delay_load(<dll>...): for each system DLL, a library delayed::<dll> to link in its
# place, whose functions load the DLL at the first call instead of at start. Under Wine each
# DLL the program imports is loaded, with the DLLs it imports in turn, before WinMain runs;
# the print dialogs, the shell and the About window's picture decoding wait for first use.
# The functions are every one the DLL's import library names; dlltool makes the stubs, and
# mingw-w64's own runtime resolves them (__delayLoadHelper2).
function(orr_delay_load)
  foreach(dll IN LISTS ARGN)
    find_library(ORR_IMPORT_${dll} ${dll} REQUIRED NO_CACHE)
    execute_process(COMMAND ${CMAKE_NM} -g ${ORR_IMPORT_${dll}} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    # A function has its thunk (T name) beside its import (I __imp_name); data cannot be delayed.
    string(REGEX MATCHALL " T [A-Za-z0-9_@?$]+" thunks "${symbols}")
    list(TRANSFORM thunks REPLACE "^ T " "")
    list(FILTER thunks EXCLUDE REGEX "^_head_|^__")
    list(SORT thunks)
    list(REMOVE_DUPLICATES thunks)
    list(JOIN thunks "\n  " exports)
    set(folder ${CMAKE_BINARY_DIR}/delay_load)
    file(WRITE ${folder}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n  ${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} -d ${folder}/${dll}.def -y ${folder}/lib${dll}_delayed.a
                    COMMAND_ERROR_IS_FATAL ANY)
    add_library(delayed::${dll} STATIC IMPORTED GLOBAL)
    set_target_properties(delayed::${dll} PROPERTIES IMPORTED_LOCATION ${folder}/lib${dll}_delayed.a)
  endforeach()
endfunction()

# cmake -DLUPDATE=<lupdate> -DROOT=<source tree> -DFOLDERS=<folders> -DTS_FILES=<.ts files>
#       -DCOMPLETE=<.ts file> -DWORK=<folder> -P CheckTranslations.cmake
# Fails when lupdate, run over the folders, would change a .ts file (a text
# was added, changed or removed in the code) or when the file COMPLETE
# leaves a text untranslated. The .ts files themselves are not touched;
# `cmake -DUPDATE=ON ...` writes lupdate's result into them instead.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failures "")
foreach(ts_file ${TS_FILES})
    get_filename_component(name ${ts_file} NAME)
    set(updated ${WORK}/${name})
    file(COPY_FILE ${ts_file} ${updated})
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete -no-ui-lines -I ${ROOT} ${FOLDERS} -ts ${updated}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    if(UPDATE)
        file(COPY_FILE ${updated} ${ts_file})
        continue()
    endif()
    file(READ ${ts_file} before)
    file(READ ${updated} after)
    if(NOT before STREQUAL after)
        list(APPEND failures "${name} is out of date with the code (diff -u ${ts_file} ${updated})")
    endif()
    if(ts_file STREQUAL COMPLETE)
        string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing "${after}")
        list(LENGTH missing count)
        if(count GREATER 0)
            list(APPEND failures "${name} lacks ${count} translations: ${missing}")
        endif()
    endif()
endforeach()
if(failures)
    list(JOIN failures "\n" report)
    message(FATAL_ERROR "${report}\nUpdate with: cmake -DUPDATE=ON -DLUPDATE=${LUPDATE} -DROOT=${ROOT} \"-DFOLDERS=${FOLDERS}\" \"-DTS_FILES=${TS_FILES}\" -DWORK=${WORK} -P ${CMAKE_CURRENT_LIST_FILE}")
endif()
